#include "input_routing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "form_window.h"
#include "framework/typed_entry.h"

namespace vm::ui {

bool InputRouting::typeInList(int id, const QKeyEvent& k) {
  const QString key = k.text();
  if (key.isEmpty() || !key.at(0).isPrint() || (k.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
    return false;
  // keys typed in quick succession spell one name; a pause starts another
  if (typedList_ != id || !typedAt_.isValid() || typedAt_.elapsed() > QApplication::keyboardInputInterval())
    typed_.clear();
  // a blank before any name opens the list, as it always does
  if (typed_.isEmpty() && key.trimmed().isEmpty()) return false;
  typedList_ = id;
  typedAt_.start();
  const auto& st = form_.state(id);
  const int current = std::max(0, st.listIndex);
  typed_ += key;
  // a name spelt on stays on its entry while it still matches; a new one looks past it
  int found = typedEntry(st.entries, typed_.toStdString(), typed_.size() == 1 ? current + 1 : current);
  if (found < 0 && typed_.size() > 1) {
    typed_ = key;
    found = typedEntry(st.entries, typed_.toStdString(), current + 1);
  }
  if (found >= 0 && found != st.listIndex)
    window_.guarded("scelta in " + form_.qualifiedName(id), [&] { form_.choose(id, found); });
  return true;
}

bool InputRouting::eventFilter(QObject* watched, QEvent* e) {
  // most events (paints, moves, polish) are none of the filter's business
  const auto type = e->type();
  if (type != QEvent::FocusIn && type != QEvent::KeyPress && type != QEvent::MouseButtonRelease)
    return QObject::eventFilter(watched, e);
  const auto [id, option] = parts_.of(watched);
  if (id < 0 || id >= form_.count()) return QObject::eventFilter(watched, e);
  const auto& d = form_.def(id);
  switch (e->type()) {
    case QEvent::FocusIn: {
      // the style marks the focus only after a key has moved it; here it is
      // marked however it came (Qt clears the mark when a window is shown)
      window_.setAttribute(Qt::WA_KeyboardFocusChange);
      if (auto* w = qobject_cast<QWidget*>(watched)) window_.reveal(w);
      if (window_.projecting()) break;
      const auto reason = static_cast<QFocusEvent*>(e)->reason();
      if (reason == Qt::MouseFocusReason) {
        form_.focusByMouse(id, option);
      } else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                 reason == Qt::ShortcutFocusReason) {
        form_.focusByKeyboard(id, option);
      }
      window_.focusShown();
      break;
    }
    case QEvent::KeyPress: {
      if (d.kind == Kind::List && typeInList(id, *static_cast<QKeyEvent*>(e))) return true;
      if (d.kind != Kind::Options) break;
      auto* k = static_cast<QKeyEvent*>(e);
      int step = 0;
      if (k->key() == Qt::Key_Down || k->key() == Qt::Key_Right) step = 1;
      if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Left) step = -1;
      if (step == 0) break;
      // the arrows move within the group, and the focus rule selects
      const int count = static_cast<int>(parts_.at(id).radios.size());
      const int i = ((option - d.firstIndex + step) % count + count) % count;
      form_.focusByKeyboard(id, d.firstIndex + i);
      window_.projectFocus();
      return true;
    }
    case QEvent::MouseButtonRelease: {
      if ((d.kind == Kind::Label || d.kind == Kind::Picture || d.kind == Kind::Drawing) && d.clickable &&
          static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        window_.guarded("clic su " + form_.qualifiedName(id), [&] { form_.click(id); });
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace vm::ui
