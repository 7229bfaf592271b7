#include "drawing.h"

#include <stdexcept>

namespace vm {

namespace {
Shape make(Shape::Type t, double x1, double y1, double x2, double y2) {
  Shape s;
  s.type = t;
  s.x1 = x1;
  s.y1 = y1;
  s.x2 = x2;
  s.y2 = y2;
  return s;
}
}  // namespace

Drawing& Drawing::line(double x1, double y1, double x2, double y2, double penWidth) {
  Shape s = make(Shape::Type::Line, x1, y1, x2, y2);
  s.width = penWidth;
  shapes.push_back(s);
  return *this;
}

Drawing& Drawing::polyline(std::vector<double> xy, double penWidth) {
  Shape s = make(Shape::Type::Polyline, 0, 0, 0, 0);
  s.points = std::move(xy);
  s.width = penWidth;
  shapes.push_back(std::move(s));
  return *this;
}

Drawing& Drawing::rect(double x, double y, double w, double h, bool filled) {
  Shape s = make(Shape::Type::Rect, x, y, w, h);
  s.filled = filled;
  shapes.push_back(s);
  return *this;
}

Drawing& Drawing::ellipse(double x, double y, double w, double h, bool filled) {
  Shape s = make(Shape::Type::Ellipse, x, y, w, h);
  s.filled = filled;
  shapes.push_back(s);
  return *this;
}

Drawing& Drawing::arc(double x, double y, double w, double h, double startDeg, double spanDeg) {
  Shape s = make(Shape::Type::Arc, x, y, w, h);
  s.start = startDeg;
  s.span = spanDeg;
  shapes.push_back(s);
  return *this;
}

Drawing& Drawing::text(double x, double y, std::string str) {
  Shape s = make(Shape::Type::Text, x, y, 0, 0);
  s.text = std::move(str);
  shapes.push_back(std::move(s));
  return *this;
}

Drawing& Drawing::symbol(Symbol sym, double x1, double y1, double x2, double y2) {
  Shape s = make(Shape::Type::Symbol, x1, y1, x2, y2);
  s.symbol = sym;
  shapes.push_back(s);
  return *this;
}

Drawing& Drawing::color(Color c) {
  if (!shapes.empty()) shapes.back().color = c;
  return *this;
}

Drawing& Drawing::mark(std::string name, double x, double y) {
  marks.push_back(Mark{std::move(name), x, y});
  return *this;
}

const Mark& Drawing::markAt(std::string_view name) const {
  for (const auto& m : marks)
    if (m.name == name) return m;
  throw std::logic_error("drawing has no mark " + std::string(name));
}

}  // namespace vm
