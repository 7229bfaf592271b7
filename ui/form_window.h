#pragma once
// The one generic window: builds any Calculator's window from its table of
// controls, forwards the user's events to the form and projects the form's
// state back onto the widgets (one way: nothing echoes back).
#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "framework/form.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace vm::ui {

class DrawingView;

class FormWindow : public QDialog {
 public:
  explicit FormWindow(std::unique_ptr<Form> form);
  ~FormWindow() override;

  Form& form() const { return *form_; }

  // Puts the form's current state onto the widgets.
  void project();
  // The widget of a control (an option: its button; a caption label: its label).
  QWidget* widgetOf(int id, int option = -1) const;
  QWidget* widgetOf(std::string_view name, int option = -1) const;

  // Twips at this window's screen and logical pixels.
  int px(int twips) const;
  // A size the window asks for, in pixels; it never becomes smaller than its contents.
  void setStatedSize(QSize size);
  // Moves the window so that its frame's top-left corner is at `pos` (pixels).
  void placeAt(QPoint pos);
  void centreOnScreen();
  bool placed() const { return placed_; }

  // Called once when the user closes the window by its close box.
  std::function<void()> closedByUser;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void reject() override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Control {
    QWidget* widget = nullptr;          // the control's own widget
    std::vector<QRadioButton*> radios;  // options
    QButtonGroup* group = nullptr;
  };
  void build();
  void fill(QGridLayout* grid, int parent, bool topLevel, std::vector<int>* drawings);
  QWidget* make(int id);
  void track(QWidget* w, int id, int option);
  void projectControl(int id);
  void projectFocus();
  void fitSize();
  int optionOf(QObject* w, int* id) const;

  std::unique_ptr<Form> form_;
  std::vector<Control> controls_;
  QSize stated_;
  QSize grown_;
  Focus shownFocus_{-2, -2};
  bool projecting_ = false;
  bool placed_ = false;
};

}  // namespace vm::ui
