#include "calculator.h"

#include <cfloat>
#include <cmath>

namespace vm {

Calculator::Calculator(FormBuilder& b) : form_(&b.form()) {}

float Calculator::single(double x) {
  if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(FLT_MAX))
    throw ArithmeticFailure("single precision overflow");
  return static_cast<float>(x);
}

void Calculator::show(std::initializer_list<Ctl> cs) {
  for (Ctl c : cs) show(c);
}
void Calculator::hide(std::initializer_list<Ctl> cs) {
  for (Ctl c : cs) hide(c);
}
void Calculator::blank(std::initializer_list<Ctl> cs) {
  for (Ctl c : cs) setText(c, {});
}

void Calculator::warn(const std::string& prompt, const std::string& title, Ctl focusTo, Icon icon) {
  form_->message(prompt, title, icon);
  if (focusTo.id >= 0) focus(focusTo);
}

void Calculator::missingData(Ctl focusTo) { warn("MANCANO DATI", "MESSAGGIO DI ERRORE", focusTo); }

bool Calculator::productTest(std::initializer_list<double> values, Product variant, Ctl focusTo) {
  double p = 1;
  bool each = true;
  for (double v : values) {
    p *= v;
    each = each && v > 0;
  }
  if (variant == Product::EachPositive) {
    if (each && p > 0) return true;
    missingData(focusTo);
    return false;
  }
  if (p > 0) return true;
  if (variant == Product::Zero && !(p == 0)) return false;  // negative: nothing at all
  missingData(focusTo);
  return false;
}

void Calculator::openCompanion(const std::string& formName, Companion how) {
  const OpenHow inherited = form_->modal() ? OpenHow::Modal : OpenHow::Modeless;
  switch (how) {
    case Companion::Plain:
      form_->openCompanion(formName, inherited, std::nullopt);
      break;
    case Companion::Modal:
      form_->openCompanion(formName, OpenHow::Modal, std::nullopt);
      break;
    case Companion::Switch:
      form_->close();
      form_->openCompanion(formName, inherited, std::nullopt);
      break;
  }
}

void Calculator::openBeside(const std::string& formName, const Beside& where) {
  moveTo(where.selfLeft, where.selfTop);
  form_->openCompanion(formName, form_->modal() ? OpenHow::Modal : OpenHow::Modeless,
                       std::make_pair(where.left, where.top));
}

void Calculator::printWindow(std::initializer_list<Ctl> hidden) {
  std::vector<std::pair<int, bool>> was;
  for (Ctl c : hidden) {
    was.emplace_back(c.id, form_->state(c.id).visible);
    hide(c);
  }
  form_->print();
  for (auto [id, v] : was) form_->setVisible(id, v);
}

// ---------------------------------------------------------------- builder

int FormBuilder::add(Kind kind, std::string name, int index, std::string text) {
  ControlDef d;
  d.kind = kind;
  d.name = std::move(name);
  d.index = index;
  d.parent = parent_;
  ControlState s;
  s.text = std::move(text);
  f_.defs_.push_back(std::move(d));
  f_.states_.push_back(std::move(s));
  return static_cast<int>(f_.defs_.size()) - 1;
}

FormBuilder::FormBuilder(Form& f, std::string_view name) : f_(f) { f_.name_ = std::string(name); }

void FormBuilder::caption(std::string caption) { f_.caption_ = std::move(caption); }

void FormBuilder::size(int width, int height) {
  f_.geometry_.width = width;
  f_.geometry_.height = height;
}

void FormBuilder::position(int left, int top) {
  f_.geometry_.left = left;
  f_.geometry_.top = top;
}

void FormBuilder::fold() {
  f_.foldAt_ = f_.count();
  f_.foldHeight_ = f_.geometry_.height;
}

Ref<Input> FormBuilder::input(std::string name, int index) {
  return Ref<Input>(*this, add(Kind::Input, std::move(name), index, {}));
}

Ref<Input> FormBuilder::field(std::string name, std::string labelName, std::string caption) {
  Ref<Input> r = input(std::move(name));
  r.label(std::move(labelName), std::move(caption));
  return r;
}

Ref<Label> FormBuilder::label(std::string name, std::string text, int index) {
  return Ref<Label>(*this, add(Kind::Label, std::move(name), index, std::move(text)));
}

Ref<Label> FormBuilder::result(std::string name, std::string text, int index) {
  Ref<Label> r(*this, add(Kind::Label, std::move(name), index, std::move(text)));
  def(r.id()).role = Role::Result;
  return r;
}

Ref<Label> FormBuilder::text(std::string text) {
  return label("lbltesto" + std::to_string(++texts_), std::move(text));
}

Ref<Button> FormBuilder::button(std::string name, std::string caption, int index) {
  return Ref<Button>(*this, add(Kind::Button, std::move(name), index, std::move(caption)));
}

Ref<Button> FormBuilder::closeButton(std::string name, std::string caption) {
  Ref<Button> r = button(std::move(name), std::move(caption));
  Form* f = &f_;
  def(r.id()).onClick = [f](int) { f->close(); };
  def(r.id()).closes = true;
  return r;
}

Ref<Button> FormBuilder::computeButton(std::string name, std::string caption) {
  Ref<Button> r = button(std::move(name), std::move(caption));
  def(r.id()).computes = true;
  return r;
}

Ref<Options> FormBuilder::options(std::string name, std::vector<std::string> captions, int firstIndex) {
  int id = add(Kind::Options, std::move(name), -1, {});
  def(id).array = true;
  def(id).firstIndex = firstIndex;
  state(id).captionColors.assign(captions.size(), kDefaultColor);
  state(id).captions = std::move(captions);
  return Ref<Options>(*this, id);
}

Ref<Options> FormBuilder::option(std::string name, std::string caption) {
  int id = add(Kind::Options, std::move(name), -1, {});
  state(id).captions = {std::move(caption)};
  state(id).captionColors = {kDefaultColor};
  return Ref<Options>(*this, id);
}

Ref<List> FormBuilder::list(std::string name, std::vector<std::string> entries) {
  int id = add(Kind::List, std::move(name), -1, {});
  state(id).entries = std::move(entries);
  return Ref<List>(*this, id);
}

Ref<Picture> FormBuilder::picture(std::string name, std::string image) {
  int id = add(Kind::Picture, std::move(name), -1, {});
  def(id).picture = std::move(image);
  return Ref<Picture>(*this, id);
}

Ref<Picture> FormBuilder::picture(std::string name, Drawing d) {
  int id = add(Kind::Picture, std::move(name), -1, {});
  def(id).art = std::make_shared<const Drawing>(std::move(d));
  return Ref<Picture>(*this, id);
}

Ref<Art> FormBuilder::drawing(std::string name, Drawing d) {
  int id = add(Kind::Drawing, std::move(name), -1, {});
  def(id).art = std::make_shared<const Drawing>(std::move(d));
  return Ref<Art>(*this, id);
}

Ref<Frame> FormBuilder::frame(std::string name, std::string caption, const std::function<void()>& body) {
  int id = add(Kind::Frame, std::move(name), -1, std::move(caption));
  int outer = parent_;
  parent_ = id;
  body();
  parent_ = outer;
  return Ref<Frame>(*this, id);
}

void FormBuilder::onLoad(std::function<void()> fn) { f_.load_ = std::move(fn); }

void FormBuilder::onTyping(std::initializer_list<Input> inputs, Typing how, std::initializer_list<Ctl> results,
                           std::function<void()> also) {
  std::vector<int> ids;
  for (Ctl c : results) ids.push_back(c.id);
  Form* f = &f_;
  auto fn = [f, ids, how, also] {
    for (int id : ids) {
      switch (how) {
        case Typing::Blank:
          f->setText(id, {});
          break;
        case Typing::Reset:
          f->setText(id, f->loadStates_[static_cast<std::size_t>(id)].text);
          break;
        case Typing::Hide:
          f->setVisible(id, false);
          break;
      }
    }
    if (also) also();
  };
  for (Input in : inputs) Ref<Input>(*this, in.id).onChange(fn);
}

void FormBuilder::live(std::initializer_list<Input> inputs, std::initializer_list<Ctl> results,
                       std::function<void()> compute, bool hideOnFailure) {
  for (Input in : inputs) {
    auto& d = def(in.id);
    for (Ctl c : results) d.liveResults.push_back(c.id);
    d.liveHides = hideOnFailure;
    Ref<Input>(*this, in.id).onChange(compute);
  }
}

void FormBuilder::finish(std::unique_ptr<Calculator> calc) {
  f_.calc_ = std::move(calc);
  f_.loadStates_ = f_.states_;
}

}  // namespace vm
