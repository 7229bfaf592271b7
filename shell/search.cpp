#include "search.h"

#include <algorithm>
#include <sstream>

#include "calculators/registry.h"

namespace vm {

namespace {

// The plain caption of a menu entry: no access-key marks.
std::string plain(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
    out += caption[i];
  }
  return out;
}

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  std::istringstream in(CommandSearch::fold(text));
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

bool begins(const std::string& word, const std::string& part) { return word.compare(0, part.size(), part) == 0; }

// How well one query word matches a list of words: 3 the whole word, 2 the
// start of a word, 1 inside a word, 0 not at all.
int match(const std::vector<std::string>& in, const std::string& w) {
  int best = 0;
  for (const auto& x : in) {
    if (x == w) return 3;
    if (begins(x, w)) best = std::max(best, 2);
    else if (x.find(w) != std::string::npos) best = std::max(best, 1);
  }
  // "bobina" finds "bobine", "toroidale" finds "toroidali": an Italian word
  // without its closing vowel begins its other forms
  if (best == 0 && w.size() >= 4 && std::string_view("aeio").find(w.back()) != std::string_view::npos) {
    const std::string stem = w.substr(0, w.size() - 1);
    for (const auto& x : in)
      if (begins(x, stem)) return 2;
  }
  return best;
}

}  // namespace

std::string CommandSearch::fold(std::string_view text) {
  // the accented letters of the Latin-1 range, from U+00C0, without their accents
  static constexpr std::string_view kBase =
      "aaaaaaaceeeeiiiidnooooo ouuuuyts"   // U+00C0 .. U+00DF
      "aaaaaaaceeeeiiiidnooooo ouuuuyty";  // U+00E0 .. U+00FF
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c >= 'A' && c <= 'Z') out += static_cast<char>(c - 'A' + 'a');
      else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += static_cast<char>(c);
      else if (c == '&' || c == '\'') continue;  // access keys and apostrophes join
      else out += ' ';
      continue;
    }
    // a two-byte sequence of the Latin-1 range
    if ((c == 0xC3 || c == 0xC2) && i + 1 < text.size()) {
      const auto n = static_cast<unsigned char>(text[i + 1]);
      ++i;
      if (c == 0xC3 && n >= 0x80 && n <= 0xBF) {
        out += kBase[static_cast<std::size_t>(n - 0x80)];
        continue;
      }
      if (c == 0xC2 && n == 0xB5) {  // µ
        out += 'u';
        continue;
      }
      out += ' ';
      continue;
    }
    // any other character: kept whole, as part of its word
    out += static_cast<char>(c);
  }
  return out;
}

CommandSearch::CommandSearch() {
  const auto& menu = menuCatalogue();
  std::vector<std::string> open;
  for (const auto& e : menu) {
    open.resize(static_cast<std::size_t>(e.depth));
    if (!e.isCommand()) {
      open.push_back(plain(e.caption));
      continue;
    }
    Indexed x;
    x.hit.entry = &e;
    for (const auto& m : open) x.hit.path += m + " > ";
    x.hit.path += plain(e.caption);
    x.hit.windowCaption = makeForm(e.form)->caption();
    x.caption = words(e.caption);
    x.window = words(x.hit.windowCaption);
    for (const auto& m : open)
      for (auto& w : words(m)) x.path.push_back(std::move(w));
    commands_.push_back(std::move(x));
  }
}

std::vector<CommandHit> CommandSearch::find(std::string_view query, std::size_t limit) const {
  const std::vector<std::string> ws = words(query);
  if (ws.empty()) return {};
  std::vector<std::pair<int, std::size_t>> scored;  // score, catalogue order
  for (std::size_t i = 0; i < commands_.size(); ++i) {
    const auto& x = commands_[i];
    int score = 0;
    bool all = true;
    for (const auto& w : ws) {
      const int c = match(x.caption, w), win = match(x.window, w), p = match(x.path, w);
      const int best = std::max({c * 10, win * 6, p * 4});
      if (best == 0) {
        all = false;
        break;
      }
      score += best;
    }
    if (all) scored.emplace_back(-score, i);
  }
  std::sort(scored.begin(), scored.end());
  std::vector<CommandHit> out;
  for (const auto& [score, i] : scored) {
    if (out.size() >= limit) break;
    out.push_back(commands_[i].hit);
  }
  return out;
}

}  // namespace vm
