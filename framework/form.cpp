#include "form.h"

#include <exception>

#include "calculator.h"

namespace vm {

struct Form::Snapshot {
  std::vector<ControlState> states;
  Focus focus;
  Geometry geometry;
  std::any kept;
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
  if (load_) react(Trigger::Load, -1, load_);
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

void Form::react(Trigger trigger, int liveOwner, const std::function<void()>& fn) {
  if (!fn) return;
  if (depth_ > 0) {
    fn();
    return;
  }
  Snapshot snap{states_, focus_, geometry_, calc_ ? calc_->saveKept() : std::any()};
  ++depth_;
  try {
    fn();
    --depth_;
  } catch (const std::exception&) {
    --depth_;
    states_ = std::move(snap.states);
    focus_ = snap.focus;
    geometry_ = snap.geometry;
    if (calc_) calc_->restoreKept(snap.kept);
    if (trigger == Trigger::Click) {
      host_->message(*this, "DATI NON VALIDI", "MESSAGGIO DI ERRORE", Icon::Warning);
      focus_ = snap.focus;
    } else if (trigger == Trigger::Live && liveOwner >= 0) {
      const auto& d = def(liveOwner);
      for (int r : d.liveResults) {
        auto& st = states_[static_cast<std::size_t>(r)];
        if (d.liveHides) st.visible = false;
        else st.text.clear();
      }
    }
  }
}

void Form::runChange(int id) {
  const auto& d = def(id);
  if (!d.onChange) return;
  react(d.liveResults.empty() ? Trigger::Change : Trigger::Live, id, d.onChange);
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
    if (d.onClick) react(Trigger::Click, -1, [&d, option] { d.onClick(option); });
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
      if (d.onClick) react(Trigger::Click, -1, [&d, option] { d.onClick(option); });
      break;
    }
    case Kind::Button:
      if (!takesFocus(id)) return false;
      focus_ = Focus{id, -1};
      if (d.onClick) react(Trigger::Click, -1, [&d] { d.onClick(-1); });
      break;
    case Kind::Input:
    case Kind::List:
      if (!takesFocus(id)) return false;
      focus_ = Focus{id, -1};
      if (d.onClick) react(Trigger::Click, -1, [&d] { d.onClick(-1); });
      break;
    default:
      if (!shown(id)) return false;
      if (d.onClick) react(Trigger::Click, -1, [&d] { d.onClick(-1); });
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
  if (d.onChoose) react(Trigger::Click, -1, [&d, entry] { d.onChoose(entry); });
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
    if (host_) host_->resize(*this, geometry_.width.value_or(0), geometry_.height.value_or(0));
  }
  if (left || top) {
    if (left) geometry_.left = left;
    if (top) geometry_.top = top;
    if (host_) host_->move(*this, geometry_.left.value_or(0), geometry_.top.value_or(0));
  }
}

void Form::close() {
  if (!open_) return;
  open_ = false;
  if (host_) host_->close(*this);
}

}  // namespace vm
