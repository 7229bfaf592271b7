#pragma once
// What a failed computation would print into a window: "nan" or "inf"
// standing as a word of its own, in any letter case. Words of the windows
// that merely begin with those letters ("nanoH", "INFERIORE",
// "informazioni") do not count.
#include <cctype>
#include <cstddef>
#include <string_view>

namespace vm::test {

inline bool showsNonsense(std::string_view s) {
  auto letter = [&](std::size_t i) { return i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])); };
  auto lower = [&](std::size_t i) { return static_cast<char>(std::tolower(static_cast<unsigned char>(s[i]))); };
  for (std::size_t i = 0; i + 3 <= s.size(); ++i) {
    const bool nan = lower(i) == 'n' && lower(i + 1) == 'a' && lower(i + 2) == 'n';
    const bool inf = lower(i) == 'i' && lower(i + 1) == 'n' && lower(i + 2) == 'f';
    if ((nan || inf) && (i == 0 || !letter(i - 1)) && !letter(i + 3)) return true;
  }
  return false;
}

}  // namespace vm::test
