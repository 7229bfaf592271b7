#pragma once
// Which entry of a list the user's typing finds. Many lists write their
// entries after a blank or two (" EL 84"); the blanks are layout, not part
// of the name, so typing "EL 84" finds " EL 84".
#include <string>
#include <string_view>
#include <vector>

namespace vm {

// The first entry, at `from` or after it and round again from the top, whose
// text with its leading blanks aside begins with `typed` with its leading
// blanks aside (letters compared regardless of case); -1 when none does or
// nothing but blanks was typed.
int typedEntry(const std::vector<std::string>& entries, std::string_view typed, int from = 0);

}  // namespace vm
