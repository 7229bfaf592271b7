#include "circuit_drawings.h"

namespace vm::circuit {

namespace {

constexpr double kPen = 2;
constexpr double kTerminal = 5;  // radius of a terminal

// An open terminal: a small circle.
void terminal(Drawing& d, double x, double y) { d.circle(x, y, kTerminal); }

// A junction dot.
void node(Drawing& d, double x, double y) { d.circle(x, y, 3, true); }

}  // namespace

std::string element(int n) { return "element" + std::to_string(n); }

Drawing series(const std::vector<Part>& parts) {
  const double pitch = 60, gap = 30, y = 70;
  const double left = 20;
  const double right = left + 40 + (pitch + gap) * static_cast<double>(parts.size()) - gap + 40;
  Drawing d(right + 20, 120);
  terminal(d, left, y);
  terminal(d, right, y);
  double x = left + kTerminal;
  double x1 = left + 40;
  int n = 0;
  for (const auto& p : parts) {
    d.line(x, y, x1, y, kPen);
    d.symbol(p.symbol, x1, y, x1 + pitch, y);
    double cx = x1 + pitch / 2;
    if (!p.name.empty()) d.text(cx - 4, y - 28, p.name);
    d.mark(element(++n), cx, y + 32);
    x = x1 + pitch;
    x1 = x + gap;
  }
  d.line(x, y, right - kTerminal, y, kPen);
  d.mark("title", d.width / 2, 12);
  return d;
}

Drawing parallel(const std::vector<Part>& parts) {
  const double top = 40, bottom = 150, pitch = 80;
  const double first = 100;
  const double last = first + pitch * static_cast<double>(parts.size() - 1);
  Drawing d(last + 80, 190);
  terminal(d, 20, top);
  terminal(d, 20, bottom);
  d.line(20 + kTerminal, top, last, top, kPen);
  d.line(20 + kTerminal, bottom, last, bottom, kPen);
  double x = first;
  int n = 0;
  for (const auto& p : parts) {
    node(d, x, top);
    node(d, x, bottom);
    d.line(x, top, x, top + 25, kPen);
    d.symbol(p.symbol, x, top + 25, x, bottom - 25);
    d.line(x, bottom - 25, x, bottom, kPen);
    if (!p.name.empty()) d.text(x + 18, (top + bottom) / 2, p.name);
    d.mark(element(++n), x + 40, (top + bottom) / 2 + 20);
    x += pitch;
  }
  d.mark("title", d.width / 2, 12);
  return d;
}

Drawing branchParallel(const std::vector<Part>& branch, const Part& other) {
  const double upper = 50, lower = 140, mid = (upper + lower) / 2;
  const double pitch = 60, gap = 20;
  const double nodeL = 60;
  const double nodeR = nodeL + 40 + (pitch + gap) * static_cast<double>(branch.size()) - gap + 40;
  Drawing d(nodeR + 60, 190);
  terminal(d, 20, mid);
  terminal(d, nodeR + 40, mid);
  d.line(20 + kTerminal, mid, nodeL, mid, kPen);
  d.line(nodeR, mid, nodeR + 40 - kTerminal, mid, kPen);
  node(d, nodeL, mid);
  node(d, nodeR, mid);
  d.line(nodeL, upper, nodeL, lower, kPen);
  d.line(nodeR, upper, nodeR, lower, kPen);
  // upper rung: the elements of the branch in a row
  double x = nodeL;
  double x1 = nodeL + 40;
  int n = 0;
  for (const auto& p : branch) {
    d.line(x, upper, x1, upper, kPen);
    d.symbol(p.symbol, x1, upper, x1 + pitch, upper);
    double cx = x1 + pitch / 2;
    if (!p.name.empty()) d.text(cx - 4, upper - 26, p.name);
    d.mark(element(++n), cx, upper - 36);
    x = x1 + pitch;
    x1 = x + gap;
  }
  d.line(x, upper, nodeR, upper, kPen);
  // lower rung: the single element, centred
  double cx = (nodeL + nodeR) / 2;
  d.line(nodeL, lower, cx - pitch / 2, lower, kPen);
  d.symbol(other.symbol, cx - pitch / 2, lower, cx + pitch / 2, lower);
  d.line(cx + pitch / 2, lower, nodeR, lower, kPen);
  if (!other.name.empty()) d.text(cx - 4, lower + 28, other.name);
  d.mark(element(++n), cx, lower + 38);
  d.mark("title", d.width / 2, 8);
  return d;
}

Drawing generatorParallel() {
  const double top = 30, bottom = 190;
  const double xg = 50, xl = 170, xc = 280;
  Drawing d(380, 220);
  d.line(xg, top, xc, top, kPen);
  d.line(xg, bottom, xc, bottom, kPen);
  node(d, xl, top);
  node(d, xl, bottom);
  // the generator on the left
  d.line(xg, top, xg, 85, kPen);
  d.symbol(Symbol::Generator, xg, 85, xg, 135);
  d.line(xg, 135, xg, bottom, kPen);
  // the coil: its loss resistance above its inductance
  d.line(xl, top, xl, 45, kPen);
  d.symbol(Symbol::Resistor, xl, 45, xl, 95);
  d.text(xl + 14, 74, "R");
  d.line(xl, 95, xl, 115, kPen);
  d.symbol(Symbol::Inductor, xl, 115, xl, 175);
  d.text(xl + 14, 148, "L");
  d.line(xl, 175, xl, bottom, kPen);
  // the capacitor on the right
  d.line(xc, top, xc, 90, kPen);
  d.symbol(Symbol::Capacitor, xc, 90, xc, 130);
  d.text(xc + 14, 114, "C");
  d.line(xc, 130, xc, bottom, kPen);
  d.mark("generator", xg + 55, 110).mark("coil", xl + 55, 135).mark("capacitor", xc + 48, 150);
  return d;
}

Drawing generatorSeries() {
  const double top = 50, bottom = 190;
  const double xg = 40, xc = 330;
  Drawing d(390, 220);
  // the generator on the left
  d.line(xg, top, xg, 95, kPen);
  d.symbol(Symbol::Generator, xg, 95, xg, 145);
  d.line(xg, 145, xg, bottom, kPen);
  // the coil along the top: loss resistance, then inductance
  d.line(xg, top, 80, top, kPen);
  d.symbol(Symbol::Resistor, 80, top, 140, top);
  d.text(106, top - 22, "R");
  d.line(140, top, 170, top, kPen);
  d.symbol(Symbol::Inductor, 170, top, 250, top);
  d.text(206, top - 22, "L");
  d.line(250, top, xc, top, kPen);
  // the capacitor down the right side
  d.line(xc, top, xc, 100, kPen);
  d.symbol(Symbol::Capacitor, xc, 100, xc, 140);
  d.text(xc + 14, 124, "C");
  d.line(xc, 140, xc, bottom, kPen);
  d.line(xg, bottom, xc, bottom, kPen);
  d.mark("generator", xg + 60, 120).mark("coil", 210, top + 30).mark("capacitor", xc - 55, 120);
  return d;
}

void seriesAndParallel(FormBuilder& b, const std::vector<Part>& parts) {
  Art drwSerie = b.drawing("drwserie", series(parts));
  b.text("CONFIGURAZIONE SERIE").at(drwSerie, "title");
  Art drwParallelo = b.drawing("drwparallelo", parallel(parts));
  b.text("CONFIGURAZIONE PARALLELO").at(drwParallelo, "title");
}

}  // namespace vm::circuit
