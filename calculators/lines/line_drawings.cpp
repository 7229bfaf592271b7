#include "line_drawings.h"

namespace vm::lines {

namespace {

constexpr double kPen = 2;

// A conductor seen end-on: a filled circle of radius r.
void wire(Drawing& d, double cx, double cy, double r) { d.circle(cx, cy, r, true); }

// A ground plane seen edge-on: a thick line hatched on its outer side.
void plane(Drawing& d, double x1, double x2, double y, bool hatchAbove) {
  d.line(x1, y, x2, y, 3);
  const double dy = hatchAbove ? -8 : 8;
  for (double x = x1 + 4; x < x2; x += 12) d.line(x, y, x - 6, y + dy);
}

// A dimension line with its letter beside its middle.
void dimension(Drawing& d, double x1, double y1, double x2, double y2, const char* letter, double tx, double ty) {
  d.symbol(Symbol::Dimension, x1, y1, x2, y2);
  d.text(tx, ty, letter);
}

}  // namespace

Drawing coaxial() {
  Drawing d(220, 200);
  d.circle(110, 100, 80).circle(110, 100, 72);
  d.shapes.back().width = kPen;
  wire(d, 110, 100, 14);
  dimension(d, 38, 100, 182, 100, "D", 150, 92);
  dimension(d, 96, 130, 124, 130, "d", 106, 150);
  return d;
}

Drawing twoWireOpen() {
  Drawing d(260, 140);
  wire(d, 70, 70, 16);
  wire(d, 190, 70, 16);
  dimension(d, 70, 30, 190, 30, "h", 126, 22);
  dimension(d, 54, 110, 86, 110, "d", 66, 130);
  return d;
}

Drawing twoWireOverGround() {
  Drawing d(280, 200);
  wire(d, 80, 70, 14);
  wire(d, 200, 70, 14);
  plane(d, 20, 260, 170, false);
  dimension(d, 80, 30, 200, 30, "S", 136, 22);
  dimension(d, 240, 70, 240, 170, "h", 248, 124);
  dimension(d, 66, 100, 94, 100, "d", 76, 120);
  return d;
}

Drawing balancedBetweenPlanes() {
  Drawing d(280, 200);
  plane(d, 20, 240, 30, true);
  plane(d, 20, 240, 170, false);
  wire(d, 90, 100, 12);
  wire(d, 170, 100, 12);
  dimension(d, 256, 30, 256, 170, "h", 262, 104);
  dimension(d, 78, 130, 102, 130, "d", 86, 150);
  return d;
}

Drawing balancedShielded() {
  Drawing d(240, 220);
  d.circle(120, 110, 90).circle(120, 110, 82);
  d.shapes.back().width = kPen;
  wire(d, 85, 110, 12);
  wire(d, 155, 110, 12);
  dimension(d, 38, 40, 202, 40, "D", 116, 34);
  dimension(d, 85, 80, 155, 80, "h", 116, 74);
  dimension(d, 73, 140, 97, 140, "d", 81, 160);
  return d;
}

Drawing squareGuide() {
  Drawing d(240, 220);
  d.rect(40, 30, 160, 160).rect(46, 36, 148, 148);
  wire(d, 120, 110, 18);
  dimension(d, 40, 205, 200, 205, "S", 116, 218);
  dimension(d, 102, 140, 138, 140, "d", 116, 160);
  return d;
}

Drawing singleBetweenPlanes() {
  Drawing d(260, 200);
  plane(d, 20, 200, 30, true);
  plane(d, 20, 200, 170, false);
  wire(d, 110, 100, 14);
  dimension(d, 220, 30, 220, 170, "h", 228, 104);
  dimension(d, 150, 100, 150, 170, "h/2", 156, 140);
  dimension(d, 96, 130, 124, 130, "d", 106, 150);
  return d;
}

Drawing parallelStrips() {
  Drawing d(260, 180);
  d.rect(50, 50, 160, 10, true);
  d.rect(50, 110, 160, 10, true);
  dimension(d, 50, 30, 210, 30, "S", 126, 22);
  dimension(d, 230, 60, 230, 110, "d", 238, 90);
  return d;
}

Drawing wireOverGround() {
  Drawing d(240, 200);
  wire(d, 110, 50, 10);
  plane(d, 20, 220, 170, false);
  dimension(d, 170, 50, 170, 170, "h", 178, 114);
  dimension(d, 100, 76, 120, 76, "d", 106, 96);
  return d;
}

Drawing twoWireLine() {
  Drawing d(280, 200);
  wire(d, 80, 50, 10);
  wire(d, 180, 50, 10);
  plane(d, 20, 260, 170, false);
  dimension(d, 80, 20, 180, 20, "D", 126, 14);
  dimension(d, 230, 50, 230, 170, "h", 238, 114);
  dimension(d, 70, 76, 90, 76, "d", 76, 96);
  return d;
}

Drawing verticalWire() {
  Drawing d(200, 240);
  d.rect(94, 20, 12, 180, true);
  plane(d, 20, 180, 220, false);
  dimension(d, 140, 20, 140, 200, "l", 148, 114);
  dimension(d, 88, 14, 112, 14, "d", 96, 8);
  return d;
}

}  // namespace vm::lines
