// Declarations of arrangement that stand apart from the tab order.
#include <stdexcept>

#include "calculator.h"

namespace vm {

void FormBuilder::grid(std::initializer_list<Label> rows, std::initializer_list<Label> columns,
                       std::initializer_list<std::initializer_list<Ctl>> cells) {
  int first = -1;
  auto note = [&](int id) {
    if (id < 0 || id >= f_.count()) throw std::logic_error("a grid of controls not declared");
    if (first < 0 || id < first) first = id;
  };
  for (Label l : rows) note(l.id);
  for (Label l : columns) note(l.id);
  for (const auto& row : cells)
    for (Ctl c : row) note(c.id);
  if (first < 0) return;
  const int parent = def(first).parent;
  auto set = [&](int id, int r, int c) {
    auto& d = def(id);
    if (d.parent != parent) throw std::logic_error("a grid lies in one frame");
    if (d.grid >= 0) throw std::logic_error("a control in two grids");
    d.grid = first;
    d.gridRow = r;
    d.gridColumn = c;
  };
  int r = 0;
  for (Label l : rows) set(l.id, r++, -1);
  int c = 0;
  for (Label l : columns) set(l.id, -1, c++);
  r = 0;
  for (const auto& row : cells) {
    c = 0;
    for (Ctl cell : row) {
      if (def(cell.id).buddy >= 0) throw std::logic_error("a grid's fields are captioned by its rows and columns");
      set(cell.id, r, c++);
    }
    ++r;
  }
}

}  // namespace vm
