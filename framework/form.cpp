#include "form.h"

#include <exception>

#include "calculator.h"

namespace vm {

struct Form::Snapshot {
  std::vector<ControlState> states;
  Focus focus;
  Geometry geometry;
  std::any kept;
  bool open = false;
  std::size_t effects = 0;
};

// A request to the host, carried out once the reaction has succeeded.
struct Form::Effect {
  enum class Type { Message, Move, Resize, Open, Print, Close };
  Type type = Type::Move;
  std::string prompt, title;  // a message
  Icon icon = Icon::Warning;
  int a = 0, b = 0;  // left/top or width/height
  std::string form;
  OpenHow how = OpenHow::Modeless;
  std::optional<std::pair<int, int>> at;
  std::vector<ControlState> printed;  // the controls as they were when printing was asked
};

Form::Form() = default;
Form::~Form() = default;

int Form::find(std::string_view name, int index) const {
  for (std::size_t i = 0; i < defs_.size(); ++i) {
    const auto& d = defs_[i];
    if (d.name == name && (d.index == index || (d.kind == Kind::Options && index < 0)))
      return static_cast<int>(i);
  }
  return -1;
}

std::string Form::qualifiedName(int id) const {
  const auto& d = def(id);
  if (d.index >= 0) return d.name + "(" + std::to_string(d.index) + ")";
  return d.name;
}

bool Form::shown(int id) const {
  for (int i = id; i >= 0; i = def(i).parent)
    if (!state(i).visible) return false;
  return true;
}

bool Form::takesFocus(int id) const {
  if (id < 0 || id >= count()) return false;
  Kind k = def(id).kind;
  if (k != Kind::Input && k != Kind::Button && k != Kind::Options && k != Kind::List) return false;
  for (int i = id; i >= 0; i = def(i).parent)
    if (!state(i).enabled) return false;
  return shown(id);
}

void Form::notify() {
  if (changed) changed();
}

void Form::open(Host& host, const Regional& regional, bool modal) {
  host_ = &host;
  regional_ = regional;
  modal_ = modal;
  open_ = true;
  if (load_) react(Cause{Trigger::Load}, load_);
  if (!open_) return;
  for (int i = 0; i < count(); ++i) {
    if (takesFocus(i)) {
      const auto& st = state(i);
      int option = def(i).kind == Kind::Options ? (st.selected >= 0 ? st.selected : def(i).firstIndex) : -1;
      moveFocus(i, option, false);
      break;
    }
  }
  notify();
}

Form::Snapshot Form::snapshot() const {
  return Snapshot{states_, focus_, geometry_, calc_ ? calc_->saveKept() : std::any(), open_, effects_.size()};
}

void Form::rollback(Snapshot& snap) {
  states_ = std::move(snap.states);
  focus_ = snap.focus;
  geometry_ = snap.geometry;
  open_ = snap.open;
  effects_.resize(snap.effects);
  if (calc_) calc_->restoreKept(snap.kept);
}

namespace {

// The nesting depth of reactions, put back however the reaction ends.
class Depth {
 public:
  explicit Depth(int& depth) : depth_(depth) { ++depth_; }
  ~Depth() { --depth_; }
  Depth(const Depth&) = delete;
  Depth& operator=(const Depth&) = delete;

 private:
  int& depth_;
};

}  // namespace

// Every reaction is a transaction. An arithmetic failure (a number that
// cannot be shown, a 16-bit or single-precision overflow) puts the window
// back as it was: a click then warns, a typing reaction blanks or hides its
// results. Any other exception is a programming error: the window is put
// back as well and the host decides whether to go on.
//
// What a reaction asks of the world (messages included) waits until it has
// succeeded; a failed one asks nothing, except the failure's own message.
//
// A reaction started by another one (an input written by a click runs its
// Change reaction) runs inline, except typing reactions: they are
// transactions of their own, exactly as if the user had typed, so that
// their own failure blanks their results without undoing the click.
void Form::react(Cause cause, const std::function<void()>& fn) {
  if (!fn) return;
  const bool nested = depth_ > 0;
  const bool typing = cause.trigger == Trigger::Change || cause.trigger == Trigger::Live;
  if (nested && !typing) {
    fn();
    return;
  }
  Snapshot snap = snapshot();
  try {
    Depth depth(depth_);
    fn();
  } catch (const ArithmeticFailure&) {
    rollback(snap);
    if (cause.trigger == Trigger::Click) {
      Effect e;
      e.type = Effect::Type::Message;
      e.prompt = "DATI NON VALIDI";
      e.title = "MESSAGGIO DI ERRORE";
      effects_.push_back(std::move(e));
      focus_ = snap.focus;
    } else if (cause.trigger == Trigger::Live && cause.id >= 0) {
      const auto& d = def(cause.id);
      for (int r : d.liveResults) {
        auto& st = states_[static_cast<std::size_t>(r)];
        if (d.liveHides) st.visible = false;
        else st.text.clear();
      }
    }
  } catch (...) {
    if (nested) throw;  // the outermost reaction puts everything back
    rollback(snap);
    if (!handOver(describe(cause))) throw;
  }
  if (!nested) carryOut();
}

bool Form::handOver(const std::string& event) {
  std::string what;
  try {
    throw;
  } catch (const std::exception& x) {
    what = x.what();
  } catch (...) {
    what = "eccezione sconosciuta";
  }
  return host_ && host_->fault(*this, event, what);
}

std::string Form::describe(Cause cause) const {
  if (cause.id < 0 || cause.id >= count()) return "apertura della finestra";
  const auto& d = def(cause.id);
  const auto& st = state(cause.id);
  std::string name = qualifiedName(cause.id);
  std::string shown;
  if (d.kind == Kind::Options) {
    const int i = cause.option - d.firstIndex;
    if (d.array) name += "(" + std::to_string(cause.option) + ")";
    if (i >= 0 && i < static_cast<int>(st.captions.size())) shown = st.captions[static_cast<std::size_t>(i)];
  } else if (d.buddy >= 0) {
    shown = state(d.buddy).text;
  } else if (d.kind != Kind::Input) {
    shown = st.text;
  }
  const std::string what = shown.empty() ? name : "\"" + shown + "\" (" + name + ")";
  switch (cause.trigger) {
    case Trigger::Load:
      return "apertura della finestra";
    case Trigger::Change:
    case Trigger::Live:
      return "modifica di " + what;
    case Trigger::Click:
      return (d.kind == Kind::List ? "scelta in " : "clic su ") + what;
  }
  return what;
}

void Form::request(Effect e) {
  effects_.push_back(std::move(e));
  if (depth_ == 0) carryOut();
}

void Form::carryOut() {
  if (!host_) {
    effects_.clear();
    return;
  }
  auto effects = std::move(effects_);
  effects_.clear();
  bool shown = false;
  for (auto& e : effects) {
    // a message comes over the window as the reaction has left it
    if (e.type == Effect::Type::Message && !shown) {
      notify();
      shown = true;
    }
    try {
      carryOut(e);
    } catch (...) {
      const char* what = "";
      switch (e.type) {
        case Effect::Type::Message: what = "messaggio"; break;
        case Effect::Type::Move: what = "spostamento della finestra"; break;
        case Effect::Type::Resize: what = "ridimensionamento della finestra"; break;
        case Effect::Type::Open: what = "apertura di "; break;
        case Effect::Type::Print: what = "stampa"; break;
        case Effect::Type::Close: what = "chiusura della finestra"; break;
      }
      if (!handOver(what + (e.type == Effect::Type::Open ? e.form : std::string()))) throw;
    }
  }
  host_->settled(*this);
}

void Form::carryOut(Effect& e) {
  switch (e.type) {
    case Effect::Type::Message:
      host_->message(*this, e.prompt, e.title, e.icon);
      break;
    case Effect::Type::Move:
      host_->move(*this, e.a, e.b);
      break;
    case Effect::Type::Resize:
      host_->resize(*this, e.a, e.b);
      break;
    case Effect::Type::Open:
      host_->open(*this, e.form, e.how, e.at);
      break;
    case Effect::Type::Print:
      // the window is printed as it was when printing was asked (with the
      // controls hidden that the Calculator hides while printing), and comes
      // back as it is however printing ends
      std::swap(states_, e.printed);
      try {
        notify();
        host_->print(*this);
      } catch (...) {
        std::swap(states_, e.printed);
        notify();
        throw;
      }
      std::swap(states_, e.printed);
      notify();
      break;
    case Effect::Type::Close:
      host_->close(*this);
      break;
  }
}

void Form::runChange(int id) {
  const auto& d = def(id);
  if (!d.onChange) return;
  react(Cause{d.liveResults.empty() ? Trigger::Change : Trigger::Live, id}, d.onChange);
}

bool Form::type(int id, std::string text) {
  if (!open_ || !takesFocus(id) || def(id).kind != Kind::Input) return false;
  moveFocus(id, -1, true);
  states_[static_cast<std::size_t>(id)].text = std::move(text);
  runChange(id);
  notify();
  return true;
}

void Form::select(int id, int option) {
  const auto& d = def(id);
  states_[static_cast<std::size_t>(id)].selected = option;
  if (d.exclusiveSet >= 0) {
    for (int i = 0; i < count(); ++i)
      if (i != id && def(i).kind == Kind::Options && def(i).exclusiveSet == d.exclusiveSet)
        states_[static_cast<std::size_t>(i)].selected = -1;
  }
}

void Form::moveFocus(int id, int option, bool byMouse) {
  focus_ = Focus{id, option};
  const auto& d = def(id);
  if (!byMouse && d.kind == Kind::Options && option >= 0 && state(id).selected != option) {
    select(id, option);
    if (d.onClick) react(Cause{Trigger::Click, id, option}, [&d, option] { d.onClick(option); });
  }
}

namespace {
bool validOption(const ControlDef& d, const ControlState& s, int option) {
  return option >= d.firstIndex && option < d.firstIndex + static_cast<int>(s.captions.size());
}
}  // namespace

bool Form::click(int id, int option) {
  if (!open_ || id < 0 || id >= count()) return false;
  const auto& d = def(id);
  switch (d.kind) {
    case Kind::Options: {
      if (option < 0) option = d.firstIndex;
      if (!takesFocus(id) || !validOption(d, state(id), option)) return false;
      select(id, option);
      focus_ = Focus{id, option};
      if (d.onClick) react(Cause{Trigger::Click, id, option}, [&d, option] { d.onClick(option); });
      break;
    }
    case Kind::Button:
      if (!takesFocus(id)) return false;
      focus_ = Focus{id, -1};
      if (d.onClick) react(Cause{Trigger::Click, id}, [&d] { d.onClick(-1); });
      break;
    case Kind::Input:
    case Kind::List:
      if (!takesFocus(id)) return false;
      focus_ = Focus{id, -1};
      if (d.onClick) react(Cause{Trigger::Click, id}, [&d] { d.onClick(-1); });
      break;
    default:
      if (!shown(id)) return false;
      if (d.onClick) react(Cause{Trigger::Click, id}, [&d] { d.onClick(-1); });
      break;
  }
  notify();
  return true;
}

bool Form::choose(int id, int entry) {
  if (!open_ || !takesFocus(id) || def(id).kind != Kind::List) return false;
  auto& st = states_[static_cast<std::size_t>(id)];
  if (entry < 0 || entry >= static_cast<int>(st.entries.size())) return false;
  focus_ = Focus{id, -1};
  st.listIndex = entry;
  st.text = st.entries[static_cast<std::size_t>(entry)];
  const auto& d = def(id);
  if (d.onChoose) react(Cause{Trigger::Click, id, entry}, [&d, entry] { d.onChoose(entry); });
  notify();
  return true;
}

bool Form::focusByMouse(int id, int option) {
  if (!open_ || !takesFocus(id)) return false;
  if (def(id).kind == Kind::Options) {
    if (option < 0) option = state(id).selected >= 0 ? state(id).selected : def(id).firstIndex;
    if (!validOption(def(id), state(id), option)) return false;
  }
  focus_ = Focus{id, def(id).kind == Kind::Options ? option : -1};
  notify();
  return true;
}

bool Form::focusByKeyboard(int id, int option) {
  if (!open_ || !takesFocus(id)) return false;
  if (def(id).kind == Kind::Options) {
    if (option < 0) option = state(id).selected >= 0 ? state(id).selected : def(id).firstIndex;
    if (!validOption(def(id), state(id), option)) return false;
  } else {
    option = -1;
  }
  moveFocus(id, option, false);
  notify();
  return true;
}

void Form::tab(bool backwards) {
  if (!open_ || count() == 0) return;
  const int n = count();
  int start = focus_.id < 0 ? (backwards ? 0 : n - 1) : focus_.id;
  for (int step = 1; step <= n; ++step) {
    int i = ((start + (backwards ? -step : step)) % n + n) % n;
    if (takesFocus(i)) {
      focusByKeyboard(i, -1);
      return;
    }
  }
}

void Form::setText(int id, std::string text) {
  auto& st = states_.at(static_cast<std::size_t>(id));
  st.text = std::move(text);
  if (def(id).kind == Kind::Input) runChange(id);
}

void Form::setVisible(int id, bool visible) {
  states_.at(static_cast<std::size_t>(id)).visible = visible;
  if (!visible && focus_.id >= 0 && !takesFocus(focus_.id)) focus_ = Focus{};
}

void Form::setEnabled(int id, bool enabled) { states_.at(static_cast<std::size_t>(id)).enabled = enabled; }

void Form::setTooltip(int id, std::string text) { states_.at(static_cast<std::size_t>(id)).tooltip = std::move(text); }

void Form::setCaption(int id, int option, std::string text) {
  auto& st = states_.at(static_cast<std::size_t>(id));
  int i = option - def(id).firstIndex;
  if (i >= 0 && i < static_cast<int>(st.captions.size())) st.captions[static_cast<std::size_t>(i)] = std::move(text);
}

void Form::setCaptionColor(int id, int option, Color c) {
  auto& st = states_.at(static_cast<std::size_t>(id));
  int i = option - def(id).firstIndex;
  if (i >= 0 && i < static_cast<int>(st.captionColors.size())) st.captionColors[static_cast<std::size_t>(i)] = c;
}

void Form::setForeColor(int id, Color c) { states_.at(static_cast<std::size_t>(id)).foreColor = c; }
void Form::setBackColor(int id, Color c) { states_.at(static_cast<std::size_t>(id)).backColor = c; }

void Form::setEntries(int id, std::vector<std::string> entries) {
  auto& st = states_.at(static_cast<std::size_t>(id));
  st.entries = std::move(entries);
  st.listIndex = -1;
}

void Form::setListIndex(int id, int entry) {
  auto& st = states_.at(static_cast<std::size_t>(id));
  if (entry < 0 || entry >= static_cast<int>(st.entries.size())) {
    st.listIndex = -1;
    return;
  }
  st.listIndex = entry;
  st.text = st.entries[static_cast<std::size_t>(entry)];
}

void Form::setFocus(int id, int option) {
  if (takesFocus(id)) {
    if (def(id).kind == Kind::Options) {
      if (option < 0) option = state(id).selected >= 0 ? state(id).selected : def(id).firstIndex;
    } else {
      option = -1;
    }
    moveFocus(id, option, false);
  }
}

void Form::setGeometry(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                       std::optional<int> height) {
  if (width || height) {
    if (width) geometry_.width = width;
    if (height) geometry_.height = height;
    Effect e;
    e.type = Effect::Type::Resize;
    e.a = geometry_.width.value_or(0);
    e.b = geometry_.height.value_or(0);
    request(std::move(e));
  }
  if (left || top) {
    if (left) geometry_.left = left;
    if (top) geometry_.top = top;
    Effect e;
    e.type = Effect::Type::Move;
    e.a = geometry_.left.value_or(0);
    e.b = geometry_.top.value_or(0);
    request(std::move(e));
  }
}

void Form::close() {
  if (!open_) return;
  open_ = false;
  Effect e;
  e.type = Effect::Type::Close;
  request(std::move(e));
}

void Form::openCompanion(const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at) {
  Effect e;
  e.type = Effect::Type::Open;
  e.form = formName;
  e.how = how;
  e.at = at;
  request(std::move(e));
}

void Form::message(const std::string& prompt, const std::string& title, Icon icon) {
  Effect e;
  e.type = Effect::Type::Message;
  e.prompt = prompt;
  e.title = title;
  e.icon = icon;
  request(std::move(e));
}

void Form::print() {
  Effect e;
  e.type = Effect::Type::Print;
  e.printed = states_;
  request(std::move(e));
}

}  // namespace vm
