#include "layout_json.h"

#include <cmath>
#include <cstdio>

#include "framework/layout.h"
#include "json.h"

namespace vm::cli {
namespace {

// A length in drawing units: whole where it is whole, else to hundredths.
std::string number(double x) {
  const double r = std::round(x * 100) / 100;
  char buf[32];
  if (r == std::floor(r)) std::snprintf(buf, sizeof buf, "%.0f", r == 0 ? 0.0 : r);
  else std::snprintf(buf, sizeof buf, "%.2f", r);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
  }
  return s;
}

std::string nameOrNull(const Form& f, int id) { return id >= 0 ? quote(f.qualifiedName(id)) : "null"; }
std::string indexOrNull(int i) { return i >= 0 ? std::to_string(i) : "null"; }
std::string boolean(bool b) { return b ? "true" : "false"; }

std::string names(const Form& f, const std::vector<int>& ids) {
  std::string out = "[";
  for (std::size_t i = 0; i < ids.size(); ++i) out += (i ? "," : "") + quote(f.qualifiedName(ids[i]));
  return out + "]";
}

std::string itemObject(const Form& f, const layout::Item& it) {
  return std::string("{\"role\":") + quote(layout::roleName(it.role)) + ",\"control\":" + nameOrNull(f, it.control) +
         ",\"box\":" + indexOrNull(it.box) + ",\"row\":" + std::to_string(it.row) +
         ",\"column\":" + std::to_string(it.column) + ",\"rowSpan\":" + std::to_string(it.rowSpan) +
         ",\"columnSpan\":" + std::to_string(it.columnSpan) + ",\"align\":" + quote(layout::alignName(it.align)) +
         ",\"wraps\":" + boolean(it.wraps) + ",\"keepsRoom\":" + boolean(it.keepsRoom) +
         ",\"minChars\":" + std::to_string(it.minChars) + ",\"visibleEntries\":" + std::to_string(it.visibleEntries) +
         ",\"labelledBy\":" + names(f, it.labelledBy) + "}";
}

}  // namespace

std::string layoutObject(const Form& f) {
  const layout::Layout l = layout::arrange(f);
  std::string out = "{\"form\":" + quote(f.name()) + ",\"caption\":" + quote(f.caption()) + ",\"size\":";
  out += l.width && l.height
             ? "{\"width\":" + std::to_string(*l.width) + ",\"height\":" + std::to_string(*l.height) + "}"
             : std::string("null");
  out += ",\"boxes\":[";
  for (std::size_t b = 0; b < l.boxes.size(); ++b) {
    const auto& box = l.boxes[b];
    if (b) out += ',';
    out += "{\"kind\":" + quote(layout::boxKindName(box.kind)) + ",\"frame\":" + nameOrNull(f, box.control) +
           ",\"rows\":" + std::to_string(box.rows) + ",\"columns\":" + std::to_string(box.columns) +
           ",\"stretch\":" + indexOrNull(box.stretchColumn) + ",\"items\":[";
    for (std::size_t i = 0; i < box.items.size(); ++i) out += (i ? "," : "") + itemObject(f, box.items[i]);
    out += "]}";
  }
  out += "],\"drawings\":[";
  for (std::size_t d = 0; d < l.drawings.size(); ++d) {
    const auto& dl = l.drawings[d];
    if (d) out += ',';
    out += "{\"control\":" + nameOrNull(f, dl.control) + ",\"width\":" + number(dl.width) +
           ",\"height\":" + number(dl.height) + ",\"textSize\":" + number(layout::kTextSize) + ",\"labels\":[";
    for (std::size_t i = 0; i < dl.labels.size(); ++i) {
      const auto& a = dl.labels[i];
      if (i) out += ',';
      out += "{\"control\":" + nameOrNull(f, a.control) + ",\"piece\":" + indexOrNull(a.piece) +
             ",\"text\":" + quote(a.text) + ",\"textSize\":" + number(a.textSize) + ",\"anchor\":{\"x\":" + number(a.anchorX) + ",\"y\":" + number(a.anchorY) +
             "},\"left\":" + number(a.left) + ",\"top\":" + number(a.top) + ",\"width\":" + number(a.width) +
             ",\"height\":" + number(a.height) + ",\"side\":" + quote(layout::sideName(a.side)) + "}";
    }
    out += "]}";
  }
  out += "],\"folded\":[";
  for (std::size_t i = 0; i < l.folded.size(); ++i) {
    const auto& line = l.folded[i];
    if (i) out += ',';
    out += "{\"control\":" + nameOrNull(f, line.control) + ",\"role\":" + quote(layout::roleName(line.role)) +
           ",\"frame\":" + nameOrNull(f, line.frame) + "}";
  }
  return out + "]}";
}

}  // namespace vm::cli
