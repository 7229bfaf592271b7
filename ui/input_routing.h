#pragma once
// Routing the user's input on a window's widgets to its form: where the
// focus came from, arrows inside an option group, names typed in a list,
// clicks on clickable labels and pictures.
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "framework/form.h"
#include "window_build.h"

class QKeyEvent;

namespace vm::ui {

class FormWindow;

class InputRouting : public QObject {
 public:
  InputRouting(FormWindow& window, Form& form, const Parts& parts) : window_(window), form_(form), parts_(parts) {}
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // A key typed in list `id` chooses the entry it spells, blanks before the names aside.
  bool typeInList(int id, const QKeyEvent& k);

  FormWindow& window_;
  Form& form_;
  const Parts& parts_;
  // what was typed in a list, to find an entry by
  QString typed_;
  QElapsedTimer typedAt_;
  int typedList_ = -1;
};

}  // namespace vm::ui
