#pragma once
// The entries of the dictionary of abbreviations, as the window loads them.
#include <string>
#include <vector>

namespace vm::reference {

// Term, "=", Italian meaning; in the order they are loaded.
const std::vector<std::string>& dictionaryEntries();
// The order the list keeps: alphabetical, regardless of letter case.
bool dictionaryOrder(const std::string& a, const std::string& b);

}  // namespace vm::reference
