#include "smeter.h"

#include <string>

#include "table.h"

namespace vm::reference {

void sMeterTable(FormBuilder& b, const SMeterTable& rows) {
  Art grid = b.drawing("drwtabella", table({80, 140, 120, 80}, static_cast<int>(rows.size()), 20));
  int n = 0;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      b.label("Label" + std::to_string(++n), rows[r][c]).at(grid, cell(static_cast<int>(r), static_cast<int>(c)));
}

}  // namespace vm::reference
