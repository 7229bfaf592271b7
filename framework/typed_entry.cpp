#include "typed_entry.h"

namespace vm {

namespace {

std::string_view unblanked(std::string_view s) {
  std::size_t at = 0;
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  return s.substr(at);
}

char folded(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool begins(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (folded(text[i]) != folded(prefix[i])) return false;
  return true;
}

}  // namespace

int typedEntry(const std::vector<std::string>& entries, std::string_view typed, int from) {
  const std::string_view wanted = unblanked(typed);
  const int n = static_cast<int>(entries.size());
  if (wanted.empty() || n == 0) return -1;
  if (from < 0 || from >= n) from = 0;
  for (int k = 0; k < n; ++k) {
    const int i = (from + k) % n;
    if (begins(unblanked(entries[static_cast<std::size_t>(i)]), wanted)) return i;
  }
  return -1;
}

}  // namespace vm
