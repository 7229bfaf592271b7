#include "line_layout.h"

namespace vm::lines {

LineLayout lineLayout(FormBuilder& b, const std::string& caption, Drawing section,
                      const std::vector<LineField>& fields, const std::string& note,
                      std::function<void()> compute) {
  b.caption(caption);
  LineLayout out;
  for (const auto& f : fields) out.inputs.push_back(b.input(f.name).label("lbl" + f.name.substr(3), f.caption));
  b.label("Label2", note);
  b.computeButton("cmdcalcola", "CALCOLA").onClick(std::move(compute));
  b.closeButton("cmdesci", "E S C I");
  out.impedance = b.result("lblimpedenza");
  b.drawing("drwsezione", std::move(section));
  for (Input in : out.inputs) b.onTyping({in}, Typing::Blank, {out.impedance});
  return out;
}

std::string impedanceLine(const std::string& shown) { return "L'IMPEDENZA E' DI  :  " + shown + "  OHM"; }

}  // namespace vm::lines
