#pragma once
// Projecting a form onto its widgets: what changed in the form since the
// last projection is put on the widgets (one way: nothing echoes back).
#include <QPointer>
#include <vector>

#include "framework/form.h"
#include "window_build.h"

class QLabel;
class QLineEdit;

namespace vm::ui {

class Projection {
 public:
  Projection(Form& form, Parts& parts) : form_(form), parts_(parts) {}

  // What a projection changed that the window's size may depend on.
  struct Changes {
    bool relayout = false;  // a text, an entry or a visibility changed
    std::vector<QWidget*> resized;  // the widgets whose size may have changed
  };
  Changes project();

  // The hint under an input whose text the reading took only in part; null when none shows.
  QLabel* readingHint(int id) const;

 private:
  bool projectControl(int id);
  void showReadingHint(int id, QLineEdit* e);

  Form& form_;
  Parts& parts_;
  bool labelsPlaced_ = false;     // the labels on drawings were placed once
  std::vector<int> listsFilled_;  // lists given new entries since the last projection
  std::vector<QLabel*> hints_;    // by control, made when first needed
};

}  // namespace vm::ui
