#include "catalogue.h"

namespace vm {

std::optional<OpenHow> catalogueMode(std::string_view form) {
  for (const auto& e : menuCatalogue())
    if (e.form == form) return e.mode;
  return std::nullopt;
}

}  // namespace vm
