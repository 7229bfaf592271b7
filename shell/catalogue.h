#pragma once
// The menu catalogue of the main window, as one flat table in menu order:
// each entry has its depth (0 for the menu bar), caption, name and, for a
// command, the form it opens and how.
#include <optional>
#include <string_view>
#include <vector>

#include "framework/form.h"

namespace vm {

struct MenuEntry {
  int depth;
  std::string_view caption;
  std::string_view name;
  std::string_view form;         // empty for a submenu
  std::optional<OpenHow> mode;   // none for a submenu
  bool isCommand() const { return !form.empty(); }
};

const std::vector<MenuEntry>& menuCatalogue();

// How the catalogue opens `form` (its first command), or none.
std::optional<OpenHow> catalogueMode(std::string_view form);

}  // namespace vm
