#pragma once
// A Calculator declares its window as a table of controls in tab order and
// reacts to its events with plain arithmetic on the numbers it reads.
#include <any>
#include <initializer_list>
#include <memory>
#include <string>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "form.h"

namespace vm {

// Handles to the controls of a window (ids into its table).
struct Ctl {
  int id = -1;
};
struct Input : Ctl {};
struct Label : Ctl {};
struct Button : Ctl {};
struct Options : Ctl {};
struct List : Ctl {};
struct Frame : Ctl {};
struct Picture : Ctl {};
struct Art : Ctl {};

// How an input reacts to every change of its text.
enum class Typing {
  Blank,  // the results become empty
  Reset,  // the results show their design text again
  Hide,   // the results are hidden
};

// The two variants of the product test.
enum class Product {
  Zero,         // 0: missing-data warning; negative: nothing at all
  NotPositive,  // 0 or negative: missing-data warning
  EachPositive, // as NotPositive, and also when any factor is 0 or negative
                // (two negative sizes make no coil, whatever their product)
};

// How a companion window opens.
enum class Companion { Plain, Modal, Switch };

// Side by side: this window moves to (selfLeft, selfTop) and the companion
// opens at (left, top), in twips from the top-left corner of the screen.
struct Beside {
  int selfLeft = 180;
  int selfTop = 180;
  int left = 0;
  int top = 0;
};

class FormBuilder;

class Calculator {
 public:
  virtual ~Calculator() = default;
  Calculator(const Calculator&) = default;
  Calculator& operator=(const Calculator&) = default;

  // Kept values: a failed reaction puts them back as they were.
  virtual std::any saveKept() const = 0;
  virtual void restoreKept(const std::any& kept) = 0;

 protected:
  // The window is bound before the Calculator's own constructor runs, so
  // every helper may be used while the window is declared.
  explicit Calculator(FormBuilder& b);

  Form& form() const { return *form_; }
  const Regional& regional() const { return form_->regional(); }

  // --- reading
  const std::string& text(Ctl c) const { return form_->state(c.id).text; }
  double number(Input c) const { return readNumber(text(c)); }
  // Single precision; throws when the value does not fit.
  static float single(double x);

  // --- writing
  void setText(Ctl c, std::string s) { form_->setText(c.id, std::move(s)); }
  void show(Ctl c) { form_->setVisible(c.id, true); }
  void hide(Ctl c) { form_->setVisible(c.id, false); }
  void show(std::initializer_list<Ctl> cs);
  void hide(std::initializer_list<Ctl> cs);
  void blank(std::initializer_list<Ctl> cs);
  void setVisible(Ctl c, bool v) { form_->setVisible(c.id, v); }
  void setEnabled(Ctl c, bool v) { form_->setEnabled(c.id, v); }
  void setTooltip(Ctl c, std::string s) { form_->setTooltip(c.id, std::move(s)); }
  void setCaption(Options o, int option, std::string s) { form_->setCaption(o.id, option, std::move(s)); }
  void setCaptionColor(Options o, int option, Color c) { form_->setCaptionColor(o.id, option, c); }
  void setForeColor(Ctl c, Color col) { form_->setForeColor(c.id, col); }
  void focus(Ctl c, int option = -1) { form_->setFocus(c.id, option); }

  // --- options and lists
  bool isSelected(Options o, int option) const { return form_->selected(o.id) == option; }
  int selected(Options o) const { return form_->selected(o.id); }
  int listIndex(List l) const { return form_->state(l.id).listIndex; }

  // --- numbers in the window's regional format
  std::string fixed(double x, int n) const { return formatFixed(x, n, regional()); }
  std::string fixed(double x) const { return formatFixed(x, regional()); }
  std::string general(double x) const { return formatGeneral(x, regional()); }
  std::string general(float x) const { return formatGeneral(x, regional()); }
  std::string pattern(double x, std::string_view p) const { return formatPattern(x, p, regional()); }
  // Rounded to the regional default count of decimals, as a number.
  double roundDefault(double x) const { return roundFixed(x, regional().decimals); }

  // --- messages and checks
  void warn(const std::string& prompt, const std::string& title, Ctl focusTo = {}, Icon icon = Icon::Warning);
  void missingData(Ctl focusTo);
  // The product test: true when the computation goes on.
  bool productTest(std::initializer_list<double> values, Product variant, Ctl focusTo);

  // --- the window
  void openCompanion(const std::string& formName, Companion how = Companion::Plain);
  void openBeside(const std::string& formName, const Beside& where);
  void moveTo(int left, int top) { form_->setGeometry(left, top, std::nullopt, std::nullopt); }
  void setGeometry(int left, int top, int width, int height) { form_->setGeometry(left, top, width, height); }
  void resize(int width, int height) { form_->setGeometry(std::nullopt, std::nullopt, width, height); }
  // Sends the window to the printer, hiding `hidden` while it prints.
  void printWindow(std::initializer_list<Ctl> hidden = {});
  Date today() const { return form_->host().today(); }
  void close() { form_->close(); }

 private:
  friend class FormBuilder;
  Form* form_ = nullptr;
};

// Kept values are the members of the derived class: a copy of it is the
// snapshot taken before each reaction.
template <class Derived>
class CalculatorOf : public Calculator {
 public:
  explicit CalculatorOf(FormBuilder& b) : Calculator(b) {}
  std::any saveKept() const override { return static_cast<const Derived&>(*this); }
  void restoreKept(const std::any& kept) override {
    static_cast<Derived&>(*this) = std::any_cast<const Derived&>(kept);
  }
};

// A fluent reference to the control just declared.
template <class H>
class Ref {
 public:
  Ref(FormBuilder& b, int id) : b_(&b), id_(id) {}
  operator H() const {
    H h;
    h.id = id_;
    return h;
  }
  int id() const { return id_; }
  Ref& tooltip(std::string t);
  // A tooltip of option `option`'s own (options only); the others show the group's.
  Ref& optionTooltip(int option, std::string t);
  Ref& hidden();
  Ref& disabled();
  Ref& text(std::string t);
  Ref& color(Color c);
  Ref& picture(std::string image);
  // A caption label for this control (inputs), linked as its buddy.
  Ref& label(std::string name, std::string caption, int index = -1);
  Ref& labelTooltip(std::string t);
  // The caption label declared with label().
  Label caption() const {
    Label l;
    l.id = labelId_;
    return l;
  }
  // The control and its caption label, for std::tie.
  std::pair<H, Label> handles() const { return {*this, caption()}; }
  // Places a label on a drawing, at the drawing's mark of that name.
  Ref& at(Art drawing, std::string_view mark);
  // Shows this label just before `control`, in the same row (a hint pointing at it).
  Ref& beside(Ctl control);
  // Shows the static text `caption` just before this result, in its row.
  Ref& captionedBy(Label caption);
  // Shows this label just after `control`, in its row (the unit of a field or a result).
  Ref& unitOf(Ctl control);
  // Shows this label just above `control` (the caption of a section over its picture).
  Ref& over(Ctl control);
  // Places a label written as the columns of a table row on a drawing: the
  // piece of its text from character starts[k] on sits at marks[k].
  Ref& atColumns(Art drawing, const std::vector<std::string>& marks, const std::vector<std::size_t>& starts);
  Ref& onClick(std::function<void()> fn);
  Ref& onClick(std::function<void(int)> fn);
  Ref& onChange(std::function<void()> fn);
  Ref& onChoose(std::function<void(int)> fn);
  Ref& selected(int option);
  // Options: the window opens on `option` of this group, which nothing
  // selects in the design: the group is the first stop of the tab order, so
  // opening gives it the focus, selects that option and runs its reaction.
  Ref& opensOn(int option);
  Ref& exclusiveWith(Options other);
  Ref& result();

 private:
  FormBuilder* b_;
  int id_;
  int labelId_ = -1;
};

class FormBuilder {
 public:
  // The registry names the window; the Calculator gives its caption.
  FormBuilder(Form& f, std::string_view name);

  Form& form() const { return f_; }
  void caption(std::string caption);
  // Design size and position in twips (no position: centred).
  void size(int width, int height);
  void position(int left, int top);
  // The controls declared from here on lie below the design height.
  void fold();

  Ref<Input> input(std::string name, int index = -1);
  // An input with its caption label (see Ref::handles).
  Ref<Input> field(std::string name, std::string labelName, std::string caption);
  // A label: static text, a caption or a result line.
  Ref<Label> label(std::string name, std::string text = {}, int index = -1);
  Ref<Label> result(std::string name, std::string text = {}, int index = -1);
  // A static text with a name of its own ("lbltesto1", "lbltesto2", ...).
  Ref<Label> text(std::string text);
  Ref<Button> button(std::string name, std::string caption, int index = -1);
  // The button that closes the window (Escape does the same).
  Ref<Button> closeButton(std::string name, std::string caption);
  // The window's compute button (Enter runs it).
  Ref<Button> computeButton(std::string name, std::string caption);
  // An option group NAME(firstIndex) ... in tab order.
  Ref<Options> options(std::string name, std::vector<std::string> captions, int firstIndex = 0);
  // A single option button with a name of its own.
  Ref<Options> option(std::string name, std::string caption);
  Ref<List> list(std::string name, std::vector<std::string> entries = {});
  Ref<Picture> picture(std::string name, std::string image);
  // A picture drawn with the drawing kit (sharp at any scale).
  Ref<Picture> picture(std::string name, Drawing d);
  Ref<Art> drawing(std::string name, Drawing d);
  // Controls declared inside `body` sit in the frame.
  Ref<Frame> frame(std::string name, std::string caption, const std::function<void()>& body);
  // Arranges controls already declared as a grid: cells[r][c] in row r and
  // column c, `rows[r]` captioning row r on its left and `columns[c]`
  // captioning column c above it. The grid stands where the first of them
  // is declared; their order in the table stays as declared.
  void grid(std::initializer_list<Label> rows, std::initializer_list<Label> columns,
            std::initializer_list<std::initializer_list<Ctl>> cells);

  // The Load reaction.
  void onLoad(std::function<void()> fn);
  // Every change of any of `inputs` blanks, resets or hides `results`, then runs `also`.
  void onTyping(std::initializer_list<Input> inputs, Typing how, std::initializer_list<Ctl> results,
                std::function<void()> also = {});
  // Every change of any of `inputs` runs `compute`; when it cannot show a
  // number, `results` are blanked (or hidden) instead.
  void live(std::initializer_list<Input> inputs, std::initializer_list<Ctl> results,
            std::function<void()> compute, bool hideOnFailure = false);

  // Used by Ref.
  ControlDef& def(int id) { return f_.defs_[static_cast<std::size_t>(id)]; }
  ControlState& state(int id) { return f_.states_[static_cast<std::size_t>(id)]; }
  int add(Kind kind, std::string name, int index, std::string text);

  // Called once the Calculator is constructed.
  void finish(std::unique_ptr<Calculator> calc);

 private:
  Form& f_;
  int parent_ = -1;
  int texts_ = 0;
};

template <class H>
Ref<H>& Ref<H>::tooltip(std::string t) {
  b_->state(id_).tooltip = std::move(t);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::optionTooltip(int option, std::string t) {
  static_assert(std::is_same_v<H, Options>, "only options have tooltips of their own");
  auto& st = b_->state(id_);
  const int i = option - b_->def(id_).firstIndex;
  if (i < 0 || i >= static_cast<int>(st.captions.size())) throw std::logic_error("no such option");
  st.optionTooltips.resize(st.captions.size());
  st.optionTooltips[static_cast<std::size_t>(i)] = std::move(t);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::hidden() {
  b_->state(id_).visible = false;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::disabled() {
  b_->state(id_).enabled = false;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::text(std::string t) {
  b_->state(id_).text = std::move(t);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::color(Color c) {
  b_->state(id_).foreColor = c;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::picture(std::string image) {
  b_->def(id_).picture = std::move(image);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::label(std::string name, std::string caption, int index) {
  labelId_ = b_->add(Kind::Label, std::move(name), index, std::move(caption));
  // The caption label comes just before its input in the tab order.
  b_->def(labelId_).role = Role::Caption;
  b_->def(labelId_).buddy = id_;
  b_->def(id_).buddy = labelId_;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::labelTooltip(std::string t) {
  if (labelId_ >= 0) b_->state(labelId_).tooltip = std::move(t);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::at(Art drawing, std::string_view mark) {
  const Mark& m = b_->def(drawing.id).art->markAt(mark);
  auto& d = b_->def(id_);
  d.drawing = drawing.id;
  d.anchorX = m.x;
  d.anchorY = m.y;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::beside(Ctl control) {
  b_->def(id_).beside = control.id;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::captionedBy(Label caption) {
  b_->def(caption.id).beside = id_;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::unitOf(Ctl control) {
  b_->def(id_).unitOf = control.id;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::over(Ctl control) {
  b_->def(id_).over = control.id;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::atColumns(Art drawing, const std::vector<std::string>& marks, const std::vector<std::size_t>& starts) {
  if (marks.empty() || marks.size() != starts.size()) throw std::logic_error("one mark for each column");
  at(drawing, marks.front());
  auto& d = b_->def(id_);
  d.columns.clear();
  for (std::size_t k = 0; k < marks.size(); ++k) {
    const Mark& m = b_->def(drawing.id).art->markAt(marks[k]);
    d.columns.push_back(TextColumn{starts[k], m.x, m.y});
  }
  return *this;
}
template <class H>
Ref<H>& Ref<H>::onClick(std::function<void()> fn) {
  b_->def(id_).onClick = [fn = std::move(fn)](int) { fn(); };
  b_->def(id_).clickable = true;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::onClick(std::function<void(int)> fn) {
  b_->def(id_).onClick = std::move(fn);
  b_->def(id_).clickable = true;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::onChange(std::function<void()> fn) {
  auto& slot = b_->def(id_).onChange;
  if (slot) {
    slot = [a = std::move(slot), b = std::move(fn)] {
      a();
      b();
    };
  } else {
    slot = std::move(fn);
  }
  return *this;
}
template <class H>
Ref<H>& Ref<H>::onChoose(std::function<void(int)> fn) {
  b_->def(id_).onChoose = std::move(fn);
  return *this;
}
template <class H>
Ref<H>& Ref<H>::selected(int option) {
  b_->state(id_).selected = option;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::opensOn(int option) {
  static_assert(std::is_same_v<H, Options>, "only an option group opens on an option");
  b_->def(id_).opensOn = option;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::exclusiveWith(Options other) {
  auto& o = b_->def(other.id);
  if (o.exclusiveSet < 0) o.exclusiveSet = other.id;
  b_->def(id_).exclusiveSet = o.exclusiveSet;
  return *this;
}
template <class H>
Ref<H>& Ref<H>::result() {
  b_->def(id_).role = Role::Result;
  return *this;
}

}  // namespace vm
