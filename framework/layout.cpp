#include "layout.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vm::layout {
namespace {

// How a control stands with another one instead of in a row of its own.
enum class With { None, Caption, Unit, Hint, ResultCaption, Section, Grid, Drawing };

bool blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

std::string_view trimmed(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// The byte offset of character `n` of a UTF-8 text (its size when shorter).
std::size_t offsetOf(std::string_view s, std::size_t n) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
    if (seen++ == n) return i;
  }
  return s.size();
}

// What is drawn on a drawing, as a label placed on it sees it: strokes (a
// segment and half its width) it would rather not cover, and the drawing's
// own texts, which it must not cover.
struct Stroke {
  double x1, y1, x2, y2, half;
};
struct Obstacles {
  std::vector<Stroke> strokes;
  std::vector<Anchored> texts;
};

// The size of a drawing's own texts, in its units.
constexpr double kDrawingTextSize = 11;
constexpr double kPi = 3.14159265358979323846;
// The room kept free between two columns of a table, drawing units.
constexpr double kColumnGap = 6;

Obstacles obstaclesOf(const Drawing& d) {
  Obstacles o;
  auto seg = [&](double x1, double y1, double x2, double y2, double half) { o.strokes.push_back({x1, y1, x2, y2, half}); };
  auto ring = [&](const Shape& s, double start, double span, double half) {
    const double cx = s.x1 + s.x2 / 2, cy = s.y1 + s.y2 / 2, rx = s.x2 / 2, ry = s.y2 / 2;
    constexpr int steps = 24;
    for (int i = 0; i < steps; ++i) {
      const double a = (start + span * i / steps) * kPi / 180, b = (start + span * (i + 1) / steps) * kPi / 180;
      seg(cx + rx * std::cos(a), cy - ry * std::sin(a), cx + rx * std::cos(b), cy - ry * std::sin(b), half);
    }
  };
  for (const Shape& s : d.shapes) {
    const double half = s.width / 2;
    switch (s.type) {
      case Shape::Type::Line: seg(s.x1, s.y1, s.x2, s.y2, half); break;
      case Shape::Type::Polyline:
        for (std::size_t i = 0; i + 3 < s.points.size(); i += 2)
          seg(s.points[i], s.points[i + 1], s.points[i + 2], s.points[i + 3], half);
        break;
      case Shape::Type::Rect:
        seg(s.x1, s.y1, s.x1 + s.x2, s.y1, half);
        seg(s.x1 + s.x2, s.y1, s.x1 + s.x2, s.y1 + s.y2, half);
        seg(s.x1 + s.x2, s.y1 + s.y2, s.x1, s.y1 + s.y2, half);
        seg(s.x1, s.y1 + s.y2, s.x1, s.y1, half);
        if (s.filled) seg(s.x1, s.y1 + s.y2 / 2, s.x1 + s.x2, s.y1 + s.y2 / 2, s.y2 / 2);
        break;
      case Shape::Type::Ellipse: ring(s, 0, 360, half); break;
      case Shape::Type::Arc: ring(s, s.start, s.span, half); break;
      case Shape::Type::Symbol: {
        // a symbol stands along the segment between its points, about as
        // wide across it as a resistor's zig-zag
        const double len = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
        if (s.symbol == Symbol::Ground || s.symbol == Symbol::Antenna) {
          const double k = len > 0 ? len / (s.symbol == Symbol::Ground ? 12 : 20) : 1;
          const double reach = (s.symbol == Symbol::Ground ? 12 : -20) * k;
          seg(s.x1, s.y1, s.x1, s.y1 + reach, 9 * k);
        } else {
          seg(s.x1, s.y1, s.x2, s.y2, 6);
        }
        break;
      }
      case Shape::Type::Text: {
        Anchored t;
        t.text = s.text;
        t.width = textWidth(s.text, kDrawingTextSize);
        t.height = kLineHeight * kDrawingTextSize / kTextSize;
        t.left = s.x1;  // (x, y): the left end of the text, at its middle height
        t.top = s.y1 - t.height / 2;
        o.texts.push_back(std::move(t));
        break;
      }
    }
  }
  return o;
}

// True when the stroke passes through the inside of the box.
bool crosses(const Stroke& s, const Anchored& a) {
  // the box grown by half the stroke's width, the segment clipped to it
  const double x0 = a.left - s.half, x1 = a.left + a.width + s.half;
  const double y0 = a.top - s.half, y1 = a.top + a.height + s.half;
  double t0 = 0, t1 = 1;
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.x1 - x0, x1 - s.x1, s.y1 - y0, y1 - s.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 >= t1) return false;
  }
  return true;
}

class Arranger {
 public:
  explicit Arranger(const Form& f) : f_(f), n_(f.count()) {
    with_.assign(static_cast<std::size_t>(n_), With::None);
    caption_.assign(static_cast<std::size_t>(n_), -1);
    unit_.assign(static_cast<std::size_t>(n_), -1);
    section_.assign(static_cast<std::size_t>(n_), -1);
    hints_.assign(static_cast<std::size_t>(n_), {});
    attach();
  }

  Layout run() {
    const auto& g = f_.geometry();
    if (g.width && g.height) {
      out_.width = g.width;
      out_.height = g.height;
    }
    const int window = newBox(BoxKind::Window, -1);
    std::vector<int> drawings;
    const int fields = fill(-1, BoxKind::Fields, &drawings);
    add(window, item(Role::Fields, -1, fields, 0, 0, 1, 1, Align::Fill));
    box(window).rows = 1;
    box(window).columns = 1;
    box(window).stretchColumn = 0;
    if (!drawings.empty()) {
      const int column = newBox(BoxKind::Drawings, -1);
      int row = 0;
      for (int id : drawings) {
        if (section_[ix(id)] >= 0) add(column, item(Role::SectionCaption, section_[ix(id)], -1, row++, 0, 1, 1, Align::Centre));
        add(column, item(Role::Drawing, id, -1, row++, 0, 1, 1, Align::Centre));
      }
      box(column).rows = row;
      box(column).columns = 1;
      add(window, item(Role::Drawings, -1, column, 0, 1, 1, 1, Align::Start));
      box(window).columns = 2;
    }
    labelDrawings();
    fold(0, -1);
    return std::move(out_);
  }

 private:
  static std::size_t ix(int id) { return static_cast<std::size_t>(id); }
  bool valid(int id) const { return id >= 0 && id < n_; }
  bool sameParent(int a, int b) const { return f_.def(a).parent == f_.def(b).parent; }
  bool hasArt(int id) const { return valid(id) && f_.def(id).art != nullptr; }

  // Which controls stand with another one. Only a control of a row of its
  // own takes others into its row.
  void attach() {
    for (int id = 0; id < n_; ++id) {
      const auto& d = f_.def(id);
      if (d.kind == Kind::Label && hasArt(d.drawing)) with_[ix(id)] = With::Drawing;
      else if (d.grid >= 0) with_[ix(id)] = With::Grid;
    }
    auto free = [&](int host) { return valid(host) && with_[ix(host)] == With::None; };
    for (int id = 0; id < n_; ++id) {
      const auto& d = f_.def(id);
      const std::size_t i = ix(id);
      if (with_[i] != With::None) {
        continue;
      } else if (d.kind == Kind::Label && d.role == vm::Role::Caption && free(d.buddy)) {
        with_[i] = With::Caption;
        caption_[ix(d.buddy)] = id;
      } else if (free(d.unitOf) && sameParent(id, d.unitOf) && unit_[ix(d.unitOf)] < 0) {
        with_[i] = With::Unit;
        unit_[ix(d.unitOf)] = id;
      } else if (free(d.over) && sameParent(id, d.over) && section_[ix(d.over)] < 0) {
        with_[i] = With::Section;
        section_[ix(d.over)] = id;
      } else if (d.kind == Kind::Label && free(d.beside) && sameParent(id, d.beside) &&
                 f_.def(d.beside).kind == Kind::Button) {
        with_[i] = With::Hint;
        hints_[ix(d.beside)].push_back(id);
      } else if (d.kind == Kind::Label && d.role == vm::Role::Static && free(d.beside) && sameParent(id, d.beside) &&
                 f_.def(d.beside).kind == Kind::Label && f_.def(d.beside).role == vm::Role::Result &&
                 caption_[ix(d.beside)] < 0) {
        with_[i] = With::ResultCaption;
        caption_[ix(d.beside)] = id;
      }
    }
  }

  Box& box(int b) { return out_.boxes[static_cast<std::size_t>(b)]; }
  int newBox(BoxKind kind, int control) {
    Box b;
    b.kind = kind;
    b.control = control;
    out_.boxes.push_back(std::move(b));
    return static_cast<int>(out_.boxes.size()) - 1;
  }
  void add(int b, Item it) { box(b).items.push_back(it); }

  Item item(Role role, int control, int nested, int row, int column, int rowSpan, int columnSpan, Align align) const {
    Item it;
    it.role = role;
    it.control = control;
    it.box = nested;
    it.row = row;
    it.column = column;
    it.rowSpan = rowSpan;
    it.columnSpan = columnSpan;
    it.align = align;
    if (control >= 0) {
      it.keepsRoom = !f_.belowFold(control);
      const auto& st = f_.state(control);
      if (role == Role::Input) it.minChars = kFieldChars;
      if (role == Role::List) {
        std::size_t widest = characters(st.text);
        for (const auto& e : st.entries) widest = std::max(widest, characters(e));
        it.minChars = static_cast<int>(std::clamp<std::size_t>(widest, kFieldChars, 40));
        it.visibleEntries = std::min(static_cast<int>(st.entries.size()), kListEntries);
      }
      it.wraps = role == Role::Result || role == Role::Text;
    }
    return it;
  }

  // What a control is when it stands in a row of its own.
  Role roleOf(int id) const {
    const auto& d = f_.def(id);
    switch (d.kind) {
      case Kind::Input: return Role::Input;
      case Kind::List: return Role::List;
      case Kind::Button: return Role::Button;
      case Kind::Options: return Role::Options;
      case Kind::Frame: return Role::Frame;
      case Kind::Picture: return Role::Picture;
      case Kind::Drawing: return Role::Drawing;
      case Kind::Label: return d.role == vm::Role::Result ? Role::Result : Role::Text;
    }
    return Role::Text;
  }

  // The controls of `parent`'s box, rows from the top; drawings of the
  // window itself go to `drawings` (the column beside the fields).
  int fill(int parent, BoxKind kind, std::vector<int>* drawings) {
    const int b = newBox(kind, parent);
    bool units = false;
    for (int id = 0; id < n_; ++id)
      units = units || (f_.def(id).parent == parent && with_[ix(id)] == With::Unit);
    const int cols = units ? 3 : 2;
    box(b).columns = cols;
    box(b).stretchColumn = 1;
    int row = 0;
    int buttons = -1;
    double rowWidth = 0;  // of the row of buttons, in em
    std::set<int> grids;
    for (int id = 0; id < n_; ++id) {
      const auto& d = f_.def(id);
      if (d.parent != parent) continue;
      const With w = with_[ix(id)];
      if (w == With::Grid) {
        if (grids.insert(d.grid).second) {
          buttons = -1;
          add(b, item(Role::Grid, -1, gridBox(d.grid), row++, 0, 1, cols, Align::Start));
        }
        continue;
      }
      if (w != With::None) continue;
      if (d.kind == Kind::Button) {
        // a row of buttons too wide for a window goes on in a row below
        double wide = textWidth(f_.state(id).text, 1) + kButtonPadding;
        for (int hint : hints_[ix(id)]) wide += textWidth(f_.state(hint).text, 1);
        if (buttons >= 0 && rowWidth + wide > kButtonRowWidth) buttons = -1;
        if (buttons < 0) {
          buttons = newBox(BoxKind::Buttons, -1);
          box(buttons).rows = 1;
          add(b, item(Role::Buttons, -1, buttons, row++, 0, 1, cols, Align::Centre));
          rowWidth = 0;
        }
        rowWidth += wide;
        for (int hint : hints_[ix(id)]) addButton(buttons, Role::Hint, hint);
        addButton(buttons, Role::Button, id);
        continue;
      }
      buttons = -1;
      const int section = section_[ix(id)];
      if (d.kind == Kind::Drawing && drawings) {
        drawings->push_back(id);
        continue;
      }
      if (section >= 0) add(b, item(Role::SectionCaption, section, -1, row++, 0, 1, cols, Align::Centre));
      const Role role = roleOf(id);
      const int caption = caption_[ix(id)];
      const int unit = unit_[ix(id)];
      if (role == Role::Frame) {
        add(b, item(Role::Frame, id, fill(id, BoxKind::Frame, nullptr), row++, 0, 1, cols, Align::Fill));
        continue;
      }
      const bool paired = role == Role::Input || role == Role::List || caption >= 0;
      if (paired) {
        // caption | field | unit
        if (caption >= 0)
          add(b, item(with_[ix(caption)] == With::Caption ? Role::Caption : Role::ResultCaption, caption, -1, row, 0,
                      1, 1, Align::Start));
        Item field = item(role, id, -1, row, 1, 1, unit >= 0 ? 1 : cols - 1, Align::Fill);
        if (caption >= 0) field.labelledBy.push_back(caption);
        add(b, field);
      } else {
        const Align align = role == Role::Picture || role == Role::Drawing ? Align::Centre
                            : role == Role::Options                       ? Align::Start
                                                                          : Align::Fill;
        add(b, item(role, id, -1, row, 0, 1, unit >= 0 ? cols - 1 : cols, align));
      }
      if (unit >= 0) add(b, item(Role::Unit, unit, -1, row, cols - 1, 1, 1, Align::Start));
      ++row;
    }
    box(b).rows = row;
    return b;
  }

  void addButton(int buttons, Role role, int id) {
    const int column = static_cast<int>(box(buttons).items.size());
    add(buttons, item(role, id, -1, 0, column, 1, 1, Align::Centre));
    box(buttons).columns = column + 1;
  }

  // The grid whose first member is `first`: column captions in row 0, row
  // captions in column 0.
  int gridBox(int first) {
    const int b = newBox(BoxKind::Grid, -1);
    int rows = 0, cols = 0;
    for (int id = 0; id < n_; ++id) {
      const auto& d = f_.def(id);
      if (d.grid != first) continue;
      const int r = d.gridRow + 1, c = d.gridColumn + 1;
      rows = std::max(rows, r + 1);
      cols = std::max(cols, c + 1);
      const Role role = r == 0 ? Role::ColumnCaption : c == 0 ? Role::RowCaption : roleOf(id);
      add(b, item(role, id, -1, r, c, 1, 1, r == 0 ? Align::Centre : role == Role::RowCaption ? Align::Start : Align::Fill));
    }
    auto& items = box(b).items;
    // a field is named by the captions of its row and of its column
    for (auto& cell : items) {
      if (cell.row == 0 || cell.column == 0) continue;
      for (const auto& other : items)
        if (other.column == 0 && other.row == cell.row) cell.labelledBy.push_back(other.control);
      for (const auto& other : items)
        if (other.row == 0 && other.column == cell.column) cell.labelledBy.push_back(other.control);
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& x, const Item& y) { return x.row != y.row ? x.row < y.row : x.column < y.column; });
    box(b).rows = rows;
    box(b).columns = cols;
    return b;
  }

  // Labels on drawings: each at its anchor point, moved off the labels placed
  // before it when their texts would run into each other.
  void labelDrawings() {
    for (int art = 0; art < n_; ++art) {
      if (!hasArt(art)) continue;
      DrawingLayout dl;
      dl.control = art;
      dl.width = f_.def(art).art->width;
      dl.height = f_.def(art).art->height;
      std::vector<const Anchored*> taken;
      for (int id = 0; id < n_; ++id) {
        const auto& d = f_.def(id);
        if (with_[ix(id)] != With::Drawing || d.drawing != art) continue;
        const std::string& text = f_.state(id).text;
        if (d.columns.empty()) {
          dl.labels.push_back(anchored(id, -1, std::string(text), d.anchorX, d.anchorY, dl.width));
        } else {
          for (std::size_t k = 0; k < d.columns.size(); ++k) {
            const std::size_t from = offsetOf(text, d.columns[k].from);
            const std::size_t to = k + 1 < d.columns.size() ? offsetOf(text, d.columns[k + 1].from) : text.size();
            const std::string piece(trimmed(std::string_view(text).substr(from, to - from)));
            // a column stands centred on its anchor, in the room halfway to
            // its neighbours (the drawing's edge beside the first and the last)
            const double x = d.columns[k].x;
            const double before = k > 0 ? (d.columns[k - 1].x + x) / 2 : 0;
            const double after = k + 1 < d.columns.size() ? (x + d.columns[k + 1].x) / 2 : dl.width;
            const double room = 2 * std::max(0.0, std::min(x - before, after - x)) - kColumnGap;
            Anchored a = anchored(id, static_cast<int>(k), piece, x, d.columns[k].y, room);
            a.width = std::max(a.width, room);
            a.left = x - a.width / 2;
            dl.labels.push_back(std::move(a));
          }
        }
      }
      // only what is on the screen can run into something
      const Obstacles drawn = obstaclesOf(*f_.def(art).art);
      std::vector<const Anchored*> placed;
      for (const auto& t : drawn.texts) placed.push_back(&t);
      for (auto& a : dl.labels) {
        if (a.piece >= 0) continue;  // a column of a table stays in its cell
        if (!f_.shown(a.control) || blank(a.text)) {
          place(a, dl, {}, {});
          continue;
        }
        place(a, dl, placed, drawn.strokes);
        placed.push_back(&a);
      }
      out_.drawings.push_back(std::move(dl));
    }
  }

  // A label too wide for its drawing is broken into lines at its blanks;
  // a word still too wide is written smaller, to fit.
  static Anchored anchored(int id, int piece, std::string text, double x, double y, double room) {
    Anchored a;
    a.control = id;
    a.piece = piece;
    a.text = textWidth(text) > room ? wrapped(text, room) : std::move(text);
    a.anchorX = x;
    a.anchorY = y;
    a.width = blank(a.text) ? 0 : textWidth(a.text);
    if (a.width > room && room > 0) {
      a.textSize = kTextSize * room / a.width;
      a.width = room;
    }
    a.height = kLineHeight * a.textSize / kTextSize *
               static_cast<double>(1 + std::count(a.text.begin(), a.text.end(), '\n'));
    a.left = x - a.width / 2;
    a.top = y - a.height / 2;
    return a;
  }

  // `text` with a line break in place of each blank where the line would
  // grow wider than `room`.
  static std::string wrapped(const std::string& text, double room) {
    std::string out, line;
    bool first = true;
    for (std::size_t at = 0; at <= text.size();) {
      std::size_t end = text.find(' ', at);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(at, end - at);
      at = end + 1;
      if (first) {
        line = word;
        first = false;
      } else if (!word.empty() && !blank(line) && textWidth(line + " " + word) > room) {
        out += line + "\n";
        line = word;
      } else {
        line += " " + word;
      }
    }
    return out + line;
  }

  static bool overlap(const Anchored& a, const Anchored& b) {
    constexpr double gap = 2;
    return a.left < b.left + b.width + gap && b.left < a.left + a.width + gap && a.top < b.top + b.height &&
           b.top < a.top + a.height;
  }

  // Centred on its anchor where that is free; else running right or left
  // of it; else the same a line lower or higher, and so on. Free: clear of
  // the texts already there and of the drawing's strokes; where no place
  // near the anchor is, clear of the texts alone will do.
  static void place(Anchored& a, const DrawingLayout& dl, const std::vector<const Anchored*>& placed,
                    const std::vector<Stroke>& strokes) {
    const double lines[] = {0, 1, -1, 2, -2};
    const Side sides[] = {Side::Centre, Side::Right, Side::Left};
    std::vector<Anchored> candidates;
    for (double l : lines) {
      for (Side s : sides) {
        Anchored c = a;
        c.side = s;
        c.left = s == Side::Centre ? a.anchorX - a.width / 2 : s == Side::Right ? a.anchorX : a.anchorX - a.width;
        c.top = a.anchorY - a.height / 2 + l * kLineHeight;
        // a label stays whole inside its drawing
        c.left = std::clamp(c.left, 0.0, std::max(0.0, dl.width - c.width));
        c.top = std::clamp(c.top, 0.0, std::max(0.0, dl.height - c.height));
        candidates.push_back(std::move(c));
      }
    }
    auto clearOfTexts = [&](const Anchored& c) {
      return std::none_of(placed.begin(), placed.end(), [&](const Anchored* p) { return overlap(c, *p); });
    };
    auto clearOfStrokes = [&](const Anchored& c) {
      return std::none_of(strokes.begin(), strokes.end(), [&](const Stroke& s) { return crosses(s, c); });
    };
    for (const auto& c : candidates)
      if (clearOfTexts(c) && clearOfStrokes(c)) {
        a = c;
        return;
      }
    for (const auto& c : candidates)
      if (clearOfTexts(c)) {
        a = c;
        return;
      }
    a = candidates.front();
  }

  void fold(int b, int frame) {
    for (const Item& it : box(b).items) {
      if (it.control >= 0) out_.folded.push_back(FoldedLine{it.control, it.role, frame});
      if (it.box >= 0) fold(it.box, it.role == Role::Frame ? it.control : frame);
    }
  }

  const Form& f_;
  const int n_;
  Layout out_;
  std::vector<With> with_;
  std::vector<int> caption_, unit_, section_;
  std::vector<std::vector<int>> hints_;
};

}  // namespace

std::size_t characters(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

double textWidth(std::string_view text, double size) {
  double em = 0, widest = 0;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;  // the rest of a character already counted
    if (c == '\n') {
      widest = std::max(widest, em);
      em = 0;
    } else if (c == ' ') em += 0.32;
    else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80) em += 0.7;
    else if (c >= 'a' && c <= 'z') em += 0.58;
    else em += 0.45;
  }
  return std::max(widest, em) * size;
}

Layout arrange(const Form& form) { return Arranger(form).run(); }

const char* roleName(Role r) {
  switch (r) {
    case Role::Caption: return "caption";
    case Role::Input: return "input";
    case Role::List: return "list";
    case Role::Unit: return "unit";
    case Role::Result: return "result";
    case Role::ResultCaption: return "resultCaption";
    case Role::Text: return "text";
    case Role::Hint: return "hint";
    case Role::Button: return "button";
    case Role::Options: return "options";
    case Role::Picture: return "picture";
    case Role::Drawing: return "drawing";
    case Role::SectionCaption: return "sectionCaption";
    case Role::RowCaption: return "rowCaption";
    case Role::ColumnCaption: return "columnCaption";
    case Role::Frame: return "frame";
    case Role::Fields: return "fields";
    case Role::Drawings: return "drawings";
    case Role::Buttons: return "buttons";
    case Role::Grid: return "grid";
  }
  return "";
}

const char* alignName(Align a) {
  switch (a) {
    case Align::Start: return "start";
    case Align::Centre: return "centre";
    case Align::End: return "end";
    case Align::Fill: return "fill";
  }
  return "";
}

const char* boxKindName(BoxKind k) {
  switch (k) {
    case BoxKind::Window: return "window";
    case BoxKind::Fields: return "fields";
    case BoxKind::Frame: return "frame";
    case BoxKind::Drawings: return "drawings";
    case BoxKind::Buttons: return "buttons";
    case BoxKind::Grid: return "grid";
  }
  return "";
}

const char* sideName(Side s) {
  switch (s) {
    case Side::Centre: return "centre";
    case Side::Right: return "right";
    case Side::Left: return "left";
  }
  return "";
}

}  // namespace vm::layout
