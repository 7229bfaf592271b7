#pragma once
// Building a window: one widget for each control of the form, then the
// widgets put in the rows and columns the layout model arranges them in.
// Nothing here decides where a control goes.
#include <QWidget>
#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/form.h"
#include "framework/layout.h"
#include "text_measures.h"

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace vm::ui {

class DrawingView;
class FormWindow;

// The widgets of one control, and what they show now.
struct Control {
  QWidget* widget = nullptr;          // the control's own widget
  std::vector<QRadioButton*> radios;  // options
  QButtonGroup* group = nullptr;
  ControlState shown;                 // what the widgets show now
  bool hidden = false;
};

// Everything a window is made of, shared by its projection, its fitting and its input routing.
struct Parts {
  std::vector<Control> controls;  // by control
  std::vector<DrawingView*> drawings;
  std::unordered_map<const QObject*, std::pair<int, int>> ids;  // each widget's control and option (-1: none)

  Control& at(int id) { return controls[static_cast<std::size_t>(id)]; }
  const Control& at(int id) const { return controls[static_cast<std::size_t>(id)]; }
  // The control and option of widget `w`; (-1, -1) for a widget of none.
  std::pair<int, int> of(const QObject* w) const {
    const auto it = ids.find(w);
    return it != ids.end() ? it->second : std::pair{-1, -1};
  }
};

// Makes the widgets of `window`'s controls as children of `body`, in the
// table's tab order, and lays them out in `body` as `arranged` says.
// `filter` watches the widgets the user types in, clicks or focuses.
Parts buildWindow(FormWindow& window, QWidget* body, const layout::Layout& arranged,
                  const std::shared_ptr<TextMeasures>& measures, QObject* filter);

}  // namespace vm::ui
