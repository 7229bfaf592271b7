#pragma once
// The one generic window: builds any Calculator's window from its table of
// controls, forwards the user's events to the form and projects the form's
// state back onto the widgets (one way: nothing echoes back).
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "framework/form.h"
#include "text_measures.h"

class QButtonGroup;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vm::ui {

class DrawingView;

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
  // The widget of a control (an option: its button; a caption label: its label).
  QWidget* widgetOf(int id, int option = -1) const;
  QWidget* widgetOf(std::string_view name, int option = -1) const;

  // Twips at this window's screen and logical pixels.
  int px(int twips) const;
  // A size the window asks for, in pixels; it never becomes smaller than its contents.
  void setStatedSize(QSize size);
  // Moves the window so that its frame's top-left corner is at `pos` (pixels),
  // kept whole on its screen.
  void placeAt(QPoint pos);
  void centreOnScreen();
  bool placed() const { return placed_; }
  // The window centres itself with its real size once it is laid out.
  void centreLater() { centred_ = true; }
  bool centred() const { return centred_; }
  // The screen the window keeps to (the main window's); the primary one by default.
  void setHomeScreen(QScreen* s) { home_ = s; }
  QRect screenArea() const;

  // What Enter and Escape do: the compute button (or the focused button),
  // and the close button. False when there is no such button to press.
  bool pressDefault();
  bool pressClose();

  // The window's caption, inputs and visible results as plain text, put on
  // the clipboard ("Copia risultati", Ctrl+Shift+C).
  void copyResults();
  // The hint under an input whose text the reading took only in part
  // ("letto come 7"); null when the input shows none.
  QLabel* readingHint(int id) const;

  // Runs `fn`, a way in to the window's code from outside its reactions,
  // under its host's guard (a programming error is shown, and the program goes on).
  bool guarded(const std::string& event, const std::function<void()>& fn);

  // Called once when the user closes the window by its close box.
  std::function<void()> closedByUser;

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // A key typed in list `id` chooses the entry it spells, blanks before the names aside.
  bool typeInList(int id, const QKeyEvent& k);
  struct Control {
    QWidget* widget = nullptr;          // the control's own widget
    std::vector<QRadioButton*> radios;  // options
    QButtonGroup* group = nullptr;
    ControlState shown;                 // what the widgets show now
    bool hidden = false;
  };
  void build();
  void layOut();  // the rows and columns the controls stand in
  void fill(QGridLayout* grid, int parent, bool topLevel, std::vector<int>* drawings);
  QWidget* make(int id);
  void track(QWidget* w, int id, int option);
  // Returns true when the change may alter the window's layout.
  bool projectControl(int id);
  void projectFocus();
  // widen: a text that does not wrap changed, and may need more width
  void fitSize(bool widen);
  int hintWidth() const;
  void keepOnScreen(QPoint pos);
  QSize frameExtra() const;
  // The title bar's measures, taken once: asking the desktop for its title
  // font is far dearer than anything else a keystroke does.
  int titleBarHeightOnce() const;
  int captionWidthOnce() const;
  QFont barFont() const;
  int optionOf(QObject* w, int* id) const;
  void showReadingHint(int id, QLineEdit* e);

  std::unique_ptr<Form> form_;
  std::shared_ptr<TextMeasures> measures_;
  std::vector<Control> controls_;
  std::vector<DrawingView*> drawings_;
  bool labelsPlaced_ = false;  // the labels on drawings were placed once
  std::vector<int> listsFilled_;  // lists given new entries since the last projection
  // what was typed in a list, to find an entry by (see typeInList)
  QString typed_;
  QElapsedTimer typedAt_;
  int typedList_ = -1;
  std::vector<QLabel*> hints_;  // by control, made when first needed
  std::unordered_map<const QObject*, std::pair<int, int>> ids_;  // each widget's control and option (-1: none)
  QSize stated_;
  QSize grown_;
  int width_ = 0;  // the width the window opened with, or the one it set itself
  Focus shownFocus_{-2, -2};
  QPointer<QScreen> home_;
  bool projecting_ = false;
  std::map<QWidget*, int> frameHeights_;  // the height each frame needed when last measured
  std::vector<QWidget*> nestedChanged_;  // frames shown or changed: the layouts around them measure anew
  bool placed_ = false;
  bool centred_ = false;
  bool opened_ = false;  // shown once: the width is settled
  bool measured_ = false;  // measured once: the layouts hold what they measured
  mutable std::optional<QFont> desktopTitle_;
  mutable int titleBar_ = -1;
  mutable int caption_ = -1;
};

}  // namespace vm::ui
