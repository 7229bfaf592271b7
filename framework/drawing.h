#pragma once
// Schematic drawings as data: a window declares its drawing once, in the
// drawing's own units; the user interface paints it at any scale.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

using Color = std::uint32_t;                 // 0xRRGGBB
constexpr Color kDefaultColor = 0xFFFFFFFFu; // the system's own colour

enum class Symbol {
  Resistor,     // zig-zag between the two points
  Capacitor,    // two plates between the two points
  Inductor,     // a row of turns between the two points
  Transformer,  // two coupled windings, centred between the two points
  Ground,       // ground sign at the first point
  Antenna,      // antenna sign at the first point
  Generator,    // circle with a sine wave between the two points
  Coax,         // coaxial cable between the two points
  Arrow,        // arrow from the first point to the second
  Dimension,    // dimension line with arrows at both ends
};

struct Shape {
  enum class Type { Line, Rect, Ellipse, Arc, Text, Symbol, Polyline };
  Type type = Type::Line;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Rect/Ellipse/Arc: x1,y1 top-left, x2,y2 size
  double start = 0, span = 0;             // Arc: degrees, counter-clockwise from 3 o'clock
  std::vector<double> points;             // Polyline: x0 y0 x1 y1 ...
  std::string text;
  Symbol symbol = Symbol::Resistor;
  bool filled = false;
  double width = 1;                       // pen width in drawing units
  Color color = kDefaultColor;
};

// A named point of a drawing where a window places one of its labels.
struct Mark {
  std::string name;
  double x = 0, y = 0;
};

struct Drawing {
  double width = 100, height = 100;
  std::vector<Shape> shapes;
  std::vector<Mark> marks;

  Drawing() = default;
  Drawing(double w, double h) : width(w), height(h) {}

  Drawing& line(double x1, double y1, double x2, double y2, double penWidth = 1);
  Drawing& polyline(std::vector<double> xy, double penWidth = 1);
  Drawing& rect(double x, double y, double w, double h, bool filled = false);
  Drawing& ellipse(double x, double y, double w, double h, bool filled = false);
  Drawing& circle(double cx, double cy, double r, bool filled = false) {
    return ellipse(cx - r, cy - r, 2 * r, 2 * r, filled);
  }
  Drawing& arc(double x, double y, double w, double h, double startDeg, double spanDeg);
  Drawing& text(double x, double y, std::string s);
  Drawing& symbol(Symbol s, double x1, double y1, double x2, double y2);
  Drawing& color(Color c);  // colour of the shape added last
  // Names a point where a label of the window goes.
  Drawing& mark(std::string name, double x, double y);
  // The mark named `name`; a drawing without it is a programming error.
  const Mark& markAt(std::string_view name) const;
};

}  // namespace vm
