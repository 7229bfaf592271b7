// The arrangement rules of the layout model, on windows that show each of
// them, and the property every window's arrangement has.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <source_location>
#include <string>
#include <vector>

#include "framework/headless.h"
#include "framework/layout.h"
#include "calculators/registry.h"
#include "framework/steps.h"

namespace vm {
namespace {

using layout::Anchored;
using layout::Box;
using layout::BoxKind;
using layout::Item;
using layout::Layout;
using layout::Role;

struct Opened {
  std::unique_ptr<Form> form;
  HeadlessHost host;
  Layout layout;
};

// The window opened and driven by `steps`, and its arrangement afterwards.
std::unique_ptr<Opened> opened(const std::string& name, const std::vector<std::string>& steps = {}) {
  auto o = std::make_unique<Opened>();
  o->form = makeForm(name);
  if (!o->form) throw std::invalid_argument("no window " + name);
  o->form->open(o->host, Regional::italian(), false);
  for (const auto& s : steps) applyStep(*o->form, s);
  o->layout = layout::arrange(*o->form);
  return o;
}

struct Placed {
  const Box* box;
  const Item* item;
};

// Every item that shows a control, with the box it stands in.
std::vector<Placed> items(const Layout& l) {
  std::vector<Placed> out;
  for (const auto& b : l.boxes)
    for (const auto& it : b.items)
      if (it.control >= 0) out.push_back({&b, &it});
  return out;
}

const Item* itemOf(const Layout& l, int id, const Box** in = nullptr) {
  for (const auto& p : items(l))
    if (p.item->control == id) {
      if (in) *in = p.box;
      return p.item;
    }
  return nullptr;
}

const Item* at(const Box& b, int row, int column) {
  for (const auto& it : b.items)
    if (it.row <= row && row < it.row + it.rowSpan && it.column <= column && column < it.column + it.columnSpan)
      return &it;
  return nullptr;
}

bool overlap(const Anchored& a, const Anchored& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// --- rules, each over the windows that show it -------------------------------

struct Case {
  Case(std::string f, std::vector<std::string> s = {}, std::source_location w = std::source_location::current())
      : form(std::move(f)), steps(std::move(s)), where(w) {}
  std::string form;
  std::vector<std::string> steps;
  std::source_location where;
};

#define AT(c) ::testing::Message() << (c).where.file_name() << ':' << (c).where.line() << ' ' << (c).form

// A grid's fields stand under the caption of their column and right of the
// caption of their row; no field shares a cell.
TEST(Layout, GridFieldsStandUnderTheirColumnCaptionsAndBesideTheirRowCaptions) {
  for (const Case& c : {Case{"frmwwl"}}) {
    auto o = opened(c.form, c.steps);
    int grids = 0;
    for (const auto& b : o->layout.boxes) {
      if (b.kind != BoxKind::Grid) continue;
      ++grids;
      int fields = 0;
      for (const auto& it : b.items) {
        if (it.role == Role::RowCaption || it.role == Role::ColumnCaption) continue;
        ++fields;
        const Item* rowCaption = at(b, it.row, 0);
        const Item* columnCaption = at(b, 0, it.column);
        ASSERT_TRUE(rowCaption && columnCaption) << AT(c);
        EXPECT_EQ(rowCaption->role, Role::RowCaption) << AT(c);
        EXPECT_EQ(columnCaption->role, Role::ColumnCaption) << AT(c);
        EXPECT_EQ(at(b, it.row, it.column), &it) << AT(c) << " two controls in one cell";
        // a screen reader names the field by both
        EXPECT_EQ(it.labelledBy, (std::vector<int>{rowCaption->control, columnCaption->control})) << AT(c);
      }
      EXPECT_EQ(fields, (b.rows - 1) * (b.columns - 1)) << AT(c) << " every cell of the grid holds a field";
    }
    EXPECT_EQ(grids, 1) << AT(c);
  }
}

// A unit stands right of its field or result, in the same row, with the
// field's caption on the left; the same for every mode of the window.
TEST(Layout, UnitsStandBesideTheirFields) {
  for (const Case& c : {Case{"frmvalinduttanza"}, Case{"frmvalinduttanza", {"click:Option1:1"}},
                        Case{"frmvalinduttanza", {"click:Option1:2", "txtinput1=7", "txtinput2=100", "click:cmdcalcola"}}}) {
    auto o = opened(c.form, c.steps);
    int units = 0;
    for (const auto& p : items(o->layout)) {
      if (p.item->role != Role::Unit) continue;
      ++units;
      const Item* field = at(*p.box, p.item->row, p.item->column - 1);
      ASSERT_NE(field, nullptr) << AT(c);
      EXPECT_TRUE(field->role == Role::Input || field->role == Role::Result) << AT(c);
      EXPECT_EQ(p.item->column, p.box->columns - 1) << AT(c) << " units line up in the last column";
      const Item* caption = at(*p.box, p.item->row, 0);
      ASSERT_NE(caption, nullptr) << AT(c);
      EXPECT_TRUE(caption->role == Role::Caption || caption->role == Role::ResultCaption) << AT(c);
    }
    EXPECT_EQ(units, 3) << AT(c);
  }
}

// A point of a line of the drawing inside the box of a label, if any.
bool onALine(const Drawing& d, const Anchored& a) {
  for (const auto& s : d.shapes) {
    if (s.type != Shape::Type::Line) continue;
    for (int k = 0; k <= 100; ++k) {
      const double x = s.x1 + (s.x2 - s.x1) * k / 100, y = s.y1 + (s.y2 - s.y1) * k / 100;
      if (x > a.left && x < a.left + a.width && y > a.top && y < a.top + a.height) return true;
    }
  }
  return false;
}

// Labels on a drawing never run into each other, whatever their texts, stay
// inside the drawing and off its lines.
TEST(Layout, LabelsOnADrawingDoNotRunIntoEachOther) {
  for (const Case& c : {Case{"frmyagi3", {"txtfrequenza=28"}}, Case{"frmyagi3", {"txtfrequenza=50"}},
                        Case{"frmyagi5", {"txtfrequenza=28"}}}) {
    auto o = opened(c.form, c.steps);
    int shown = 0;
    for (const auto& d : o->layout.drawings) {
      for (std::size_t i = 0; i < d.labels.size(); ++i) {
        const Anchored& a = d.labels[i];
        if (!o->form->shown(a.control) || a.text.empty()) continue;
        ++shown;
        EXPECT_GE(a.width, layout::textWidth(a.text)) << AT(c) << " " << a.text;
        EXPECT_FALSE(onALine(*o->form->def(d.control).art, a)) << AT(c) << " \"" << a.text << "\" over a line";
        for (std::size_t j = 0; j < i; ++j) {
          const Anchored& b = d.labels[j];
          if (!o->form->shown(b.control) || b.text.empty()) continue;
          EXPECT_FALSE(overlap(a, b)) << AT(c) << ": \"" << a.text << "\" runs into \"" << b.text << "\"";
        }
      }
    }
    EXPECT_GT(shown, 2) << AT(c);
  }
}

// A result wraps inside the width its row gets, and a long one changes
// nothing of the arrangement: the window has no reason to grow for it, or
// to stay grown after it.
TEST(Layout, ALongResultWrapsAndLeavesTheArrangementAsItWas) {
  for (const Case& c : {Case{"frmleggediohm", {"txtinput1=1e30", "txtinput2=1e30", "click:cmdcalcola"}}}) {
    auto before = opened(c.form);
    auto after = opened(c.form, c.steps);
    const int id = after->form->find("lblinput", 5);
    ASSERT_GT(after->form->state(id).text.size(), 60u) << AT(c);
    const Box* in = nullptr;
    const Item* r = itemOf(after->layout, id, &in);
    ASSERT_NE(r, nullptr) << AT(c);
    EXPECT_TRUE(r->wraps) << AT(c);
    EXPECT_EQ(r->column + r->columnSpan, in->columns) << AT(c) << " a result reaches the right of its box";
    ASSERT_EQ(before->layout.boxes.size(), after->layout.boxes.size()) << AT(c);
    for (std::size_t b = 0; b < before->layout.boxes.size(); ++b) {
      const auto& x = before->layout.boxes[b];
      const auto& y = after->layout.boxes[b];
      EXPECT_EQ(x.rows, y.rows) << AT(c);
      EXPECT_EQ(x.columns, y.columns) << AT(c);
      ASSERT_EQ(x.items.size(), y.items.size()) << AT(c);
      for (std::size_t i = 0; i < x.items.size(); ++i) {
        EXPECT_EQ(x.items[i].control, y.items[i].control) << AT(c);
        EXPECT_EQ(x.items[i].row, y.items[i].row) << AT(c);
        EXPECT_EQ(x.items[i].columnSpan, y.items[i].columnSpan) << AT(c);
      }
    }
  }
}

// A section caption stands just above its picture, in the same column.
TEST(Layout, SectionCaptionsStandOverTheirPictures) {
  for (const Case& c : {Case{"frmpassabasso"}, Case{"frmpassaalto"}}) {
    auto o = opened(c.form, c.steps);
    int sections = 0;
    for (const auto& p : items(o->layout)) {
      if (p.item->role != Role::SectionCaption) continue;
      ++sections;
      const Item* below = at(*p.box, p.item->row + 1, p.item->column);
      ASSERT_NE(below, nullptr) << AT(c);
      EXPECT_EQ(o->form->def(p.item->control).over, below->control) << AT(c);
    }
    EXPECT_EQ(sections, 2) << AT(c);
  }
}

// A row of buttons too wide for a window goes on below, in the order of
// the table; a row holds more than one button only where they fit.
TEST(Layout, ALongRowOfButtonsGoesOnBelow) {
  for (const Case& c : {Case{"frmpinetwork"}}) {
    auto o = opened(c.form, c.steps);
    std::vector<int> order;
    int rows = 0;
    for (const auto& b : o->layout.boxes) {
      if (b.kind != BoxKind::Buttons) continue;
      ++rows;
      double wide = 0;
      for (const auto& it : b.items) {
        wide += layout::textWidth(o->form->state(it.control).text, 1) + layout::kButtonPadding;
        order.push_back(it.control);
      }
      if (b.items.size() > 1) {
        EXPECT_LE(wide, layout::kButtonRowWidth) << AT(c);
      }
    }
    EXPECT_GE(rows, 2) << AT(c);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << AT(c);
  }
}

// A small window with one label on a narrow drawing, whose text the test sets.
class Narrow final : public CalculatorOf<Narrow> {
 public:
  explicit Narrow(FormBuilder& b) : CalculatorOf(b) {
    b.caption("NARROW");
    Art art = b.drawing("drw", Drawing(100, 60).mark("m", 50, 30));
    value = b.result("lblvalue").at(art, "m");
  }
  Label value;
};

// A label too wide for its drawing breaks at its blanks; a word still too
// wide is written smaller; either way it stays inside, its text unchanged.
TEST(Layout, ALabelTooWideForItsDrawingBreaksAtItsBlanksOrIsWrittenSmaller) {
  for (const std::string& text : {std::string("UNO DUE  TRE QUATTRO CINQUE"), std::string(40, '9'),
                                  std::string("  A ") + std::string(30, '8') + " B"}) {
    auto f = build<Narrow>("frmnarrow");
    HeadlessHost host;
    f->open(host, Regional::italian(), false);
    f->setText(f->find("lblvalue"), text);
    const Layout l = layout::arrange(*f);
    ASSERT_EQ(l.drawings.size(), 1u);
    ASSERT_EQ(l.drawings[0].labels.size(), 1u);
    const Anchored& a = l.drawings[0].labels[0];
    std::string joined = a.text;
    std::replace(joined.begin(), joined.end(), '\n', ' ');
    EXPECT_EQ(joined, text);
    EXPECT_LE(a.left + a.width, 100.0 + 1e-9) << text;
    EXPECT_GE(a.left, 0) << text;
    std::size_t start = 0;
    const bool oneWord = text.find(' ') == std::string::npos;
    EXPECT_EQ(a.text.find('\n') == std::string::npos, oneWord) << a.text;
    double widestWord = 0;
    for (std::size_t at = 0; at <= text.size();) {
      const std::size_t end = std::min(text.find(' ', at), text.size());
      widestWord = std::max(widestWord, layout::textWidth(text.substr(at, end - at)));
      at = end + 1;
    }
    EXPECT_EQ(a.textSize < layout::kTextSize, widestWord > 100) << a.text;
    for (std::size_t nl = a.text.find('\n'); start <= a.text.size(); nl = a.text.find('\n', start)) {
      const std::string line = a.text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
      EXPECT_LE(layout::textWidth(line, a.textSize), 100.0 + 1e-9) << line;
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
  }
}

// --- the property of every window ---------------------------------------------

// Every control is placed exactly once (in a box, or on its drawing); every
// item lies inside its box, no two share a cell, every box but the window is
// held by exactly one item; every label lies inside its drawing; the window
// folded into one column shows every control of the boxes once.
void checkPlacement(const std::string& name, const Form& f, const Layout& l) {
  std::vector<int> placed(static_cast<std::size_t>(f.count()), 0);
  std::vector<int> held(l.boxes.size(), 0);
  for (const auto& b : l.boxes) {
    // what a frame holds stands in the frame's own box, and only that
    if (b.kind == BoxKind::Frame)
      for (const auto& it : b.items)
        if (it.control >= 0 && f.def(it.control).parent != b.control && f.def(it.control).grid < 0) {
          ADD_FAILURE() << name << " " << f.qualifiedName(it.control) << " in a frame not its own";
        }
    std::set<std::pair<int, int>> cells;
    for (const auto& it : b.items) {
      EXPECT_GE(it.row, 0) << name;
      EXPECT_GE(it.column, 0) << name;
      EXPECT_LE(it.row + it.rowSpan, b.rows) << name << " an item below its box";
      EXPECT_LE(it.column + it.columnSpan, b.columns) << name << " an item right of its box";
      for (int r = it.row; r < it.row + it.rowSpan; ++r)
        for (int c = it.column; c < it.column + it.columnSpan; ++c)
          EXPECT_TRUE(cells.insert({r, c}).second) << name << " two items in one cell";
      if (it.control >= 0) ++placed[static_cast<std::size_t>(it.control)];
      if (it.box >= 0) ++held[static_cast<std::size_t>(it.box)];
    }
  }
  for (std::size_t b = 1; b < l.boxes.size(); ++b) EXPECT_EQ(held[b], 1) << name << " box " << b;
  EXPECT_EQ(held[0], 0) << name;
  std::vector<int> onFolded(static_cast<std::size_t>(f.count()), 0);
  for (const auto& line : l.folded) ++onFolded[static_cast<std::size_t>(line.control)];
  for (const auto& d : l.drawings) {
    std::set<int> labels;
    for (const auto& a : d.labels) {
      labels.insert(a.control);
      EXPECT_GE(a.left, 0) << name << " " << a.text;
      EXPECT_GE(a.top, 0) << name << " " << a.text;
      EXPECT_LE(a.left + a.width, d.width + 1e-9) << name << " a label beyond its drawing: " << a.text;
      EXPECT_LE(a.top + a.height, d.height + 1e-9) << name << " a label below its drawing: " << a.text;
    }
    for (int id : labels) ++placed[static_cast<std::size_t>(id)];
    for (std::size_t i = 0; i < d.labels.size(); ++i)
      for (std::size_t j = 0; j < i; ++j) {
        const Anchored& a = d.labels[i];
        const Anchored& b = d.labels[j];
        if (f.shown(a.control) && f.shown(b.control) && a.width > 0 && b.width > 0) {
          EXPECT_FALSE(overlap(a, b)) << name << ": \"" << a.text << "\" runs into \"" << b.text << "\"";
        }
      }
  }
  for (int id = 0; id < f.count(); ++id) {
    EXPECT_EQ(placed[static_cast<std::size_t>(id)], 1) << name << " " << f.qualifiedName(id);
    const bool inBoxes = f.def(id).drawing < 0 || !f.def(f.def(id).drawing).art;
    EXPECT_EQ(onFolded[static_cast<std::size_t>(id)], inBoxes ? 1 : 0) << name << " folded " << f.qualifiedName(id);
  }
}

TEST(Layout, EveryWindowPlacesEachControlOnceInsideItsArea) {
  for (const auto& e : calculators()) {
    const std::string name(e.form);
    auto o = opened(name);
    checkPlacement(name, *o->form, o->layout);
    // and once more after its compute button, with what it shows then
    for (int id = 0; id < o->form->count(); ++id)
      if (o->form->def(id).computes && o->form->takesFocus(id)) {
        o->form->click(id);
        if (o->form->isOpen()) checkPlacement(name + " computed", *o->form, layout::arrange(*o->form));
        break;
      }
  }
}


// The same whatever the user has done: random events, hostile texts.
TEST(Layout, EveryWindowKeepsItsArrangementWhateverItShows) {
  const std::vector<std::string> texts = {"", "-0", "1e308", "abc", "1,5", "0.001", "7", "123456789012345678901234567890",
                                          std::string(300, '9')};
  std::mt19937 rng(20261210);
  for (const auto& e : calculators()) {
    const std::string name(e.form);
    HeadlessHost host;
    auto f = e.make();
    f->open(host, Regional::italian(), false);
    for (int step = 0; step < 120 && f->isOpen(); ++step) {
      const int id = static_cast<int>(rng() % static_cast<unsigned>(f->count()));
      const auto& d = f->def(id);
      if (d.kind == Kind::Input) f->type(id, texts[rng() % texts.size()]);
      else if (d.kind == Kind::List && !f->state(id).entries.empty())
        f->choose(id, static_cast<int>(rng() % f->state(id).entries.size()));
      else if (!d.closes)
        f->click(id, d.kind == Kind::Options ? d.firstIndex + static_cast<int>(rng() % f->state(id).captions.size()) : -1);
      if (step % 12 == 11) checkPlacement(name + " after random events", *f, layout::arrange(*f));
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace vm
