#pragma once
// Finding a command of the menu catalogue by the words of its caption, of
// its menu path and of its window's caption, whatever the case and the
// accents.
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace vm {

struct CommandHit {
  const MenuEntry* entry = nullptr;
  std::string path;           // "Circuiti L C R > Filtri > Filtri per R F > Filtro notch"
  std::string windowCaption;  // the caption of the window it opens
};

class CommandSearch {
 public:
  // Reads the catalogue and every window's caption once.
  CommandSearch();

  // The commands that every word matches, best first: a word that begins a
  // word of the command's caption counts most, then one that begins a word
  // of the window's caption or of the menu path, then one found inside a
  // word. At most `limit` hits.
  std::vector<CommandHit> find(std::string_view words, std::size_t limit = 50) const;

  // Lower case, accents taken off, anything but letters and digits a blank.
  static std::string fold(std::string_view text);

 private:
  struct Indexed {
    CommandHit hit;
    std::vector<std::string> caption, window, path;  // folded words
  };
  std::vector<Indexed> commands_;
};

}  // namespace vm
