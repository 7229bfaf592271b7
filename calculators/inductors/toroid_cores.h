#pragma once
// The iron-powder toroid cores of the T series: one read-only table shared
// by the core selector, the toroid tuning coils and the toroid transformers.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

struct ToroidCore {
  std::string_view name;  // "T-" size "/" mix in two characters: "T-50/ 2"
  double al;              // microhenry for 100 turns
};

// The colour code of a mix: first colour, second colour, frequency range.
struct MixColours {
  int mix;
  std::string_view text;
};

// A size of core, the positions it takes in the list and its dimensions.
struct CoreSize {
  std::string_view code;
  int first, last;
  std::string_view text;
};

struct ToroidCoreCatalogue {
  const std::array<ToroidCore, 170>& cores;
  const std::array<MixColours, 11>& mixes;
  const std::array<CoreSize, 24>& sizes;
  // The heading shown above a colour line.
  std::string_view heading;

  int count() const { return static_cast<int>(cores.size()); }
  const ToroidCore& core(int position) const { return cores.at(static_cast<std::size_t>(position)); }
  // The core names in list order.
  std::vector<std::string> names() const;
  // The mix field of a core name (its last two characters) and its number.
  std::string_view mixField(int position) const;
  int mix(int position) const;
  // The mix field followed by the colour text of that mix.
  std::string colourLine(int position) const;
  // The outer diameter and height of the core's size.
  std::string_view sizeText(int position) const;
};

extern const ToroidCoreCatalogue toroidCoreCatalogue;

}  // namespace vm
