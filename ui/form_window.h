#pragma once
// The one generic window: any Calculator's window, built from the layout
// model of its form. It forwards the user's events to the form and projects
// the form's state back onto the widgets; the parts that build it, project
// onto it, fit it to its screen and route its input are classes of their own.
#include <QDialog>
#include <QPointer>
#include <QScreen>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/form.h"
#include "input_routing.h"
#include "text_measures.h"
#include "window_build.h"
#include "window_fit.h"
#include "window_projection.h"

class QLabel;

namespace vm::ui {

class FormWindow : public QDialog {
 public:
  // desktopTitle: the desktop's title font when the caller knows it already;
  // measures: what texts measure, shared by the windows of a host
  explicit FormWindow(std::unique_ptr<Form> form, std::optional<QFont> desktopTitle = std::nullopt,
                      std::shared_ptr<TextMeasures> measures = nullptr);
  ~FormWindow() override;

  Form& form() const { return *form_; }

  // Puts what changed in the form since the last projection onto the widgets.
  void project();
  bool projecting() const { return projecting_; }
  // Gives the widgets the form's focus, and notes the focus they show.
  void projectFocus();
  void focusShown() { shownFocus_ = form_->focus(); }
  // The widget of a control (an option: its button; a caption label: its label).
  QWidget* widgetOf(int id, int option = -1) const;
  QWidget* widgetOf(std::string_view name, int option = -1) const;

  // Twips at this window's screen and logical pixels.
  int px(int twips) const;
  // The size the window is designed with, in twips; it never becomes smaller than its contents.
  void setDesignedSize(int widthTwips, int heightTwips);
  // Moves the window so that its frame's top-left corner is at `pos` (pixels),
  // kept whole on its screen.
  void placeAt(QPoint pos) { fit_.placeAt(pos); }
  void centreOnScreen() { fit_.centreOnScreen(); }
  bool placed() const { return fit_.placed(); }
  // The window centres itself with its real size once it is laid out.
  void centreLater() { fit_.centreLater(); }
  bool centred() const { return fit_.centred(); }
  // The screen the window keeps to (the main window's); the primary one by default.
  void setHomeScreen(QScreen* s) { fit_.setHomeScreen(s); }
  QRect screenArea() const { return fit_.screenArea(); }
  // Whether the window is taller than its screen lets it be, and scrolls its contents.
  bool scrolls() const { return fit_.scrolls(); }
  // Scrolls `w` into view, where the window scrolls.
  void reveal(QWidget* w) { fit_.reveal(w); }

  // What Enter and Escape do: the compute button (or the focused button),
  // and the close button. False when there is no such button to press.
  bool pressDefault();
  bool pressClose();

  // The window's caption, inputs and visible results as plain text, put on
  // the clipboard ("Copia risultati", Ctrl+Shift+C).
  void copyResults();
  // The hint under an input whose text the reading took only in part
  // ("letto come 7"); null when the input shows none.
  QLabel* readingHint(int id) const { return projection_.readingHint(id); }

  // Runs `fn`, a way in to the window's code from outside its reactions,
  // under its host's guard (a programming error is shown, and the program goes on).
  bool guarded(const std::string& event, const std::function<void()>& fn);

  // Called once when the user closes the window by its close box.
  std::function<void()> closedByUser;

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Measures the window anew once the events of the change that asks for it are done.
  void refitLater();
  void watchScreen();
  void follow(QScreen* s);

  std::unique_ptr<Form> form_;
  QWidget* body_;
  InputRouting routing_;
  Parts parts_;
  Projection projection_;
  WindowFit fit_;
  Focus shownFocus_{-2, -2};
  bool projecting_ = false;
  bool measured_ = false;  // fitted once
  bool refitAsked_ = false;
  QPointer<QWindow> watched_;  // the window handle whose screen is followed
  std::vector<QMetaObject::Connection> screenWatch_;
};

}  // namespace vm::ui
