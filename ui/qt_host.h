#pragma once
// The Host of the real windows: message boxes, the windows of the system
// (one per Calculator), their places and sizes, printing and the date.
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/form.h"
#include "text_measures.h"

class QMessageBox;
class QPrinter;
class QScreen;
class QWidget;

namespace vm::ui {

class FormWindow;

struct MessageRequest {
  std::string prompt, title;
  Icon icon = Icon::Warning;
  std::string form;  // the window that shows it
};

// Shows a message box and returns when it is dismissed.
using Presenter = std::function<void(QWidget* parent, const MessageRequest&)>;

// The message box of a request, not shown yet: its prompt, title and icon,
// one OK button, and wide enough for its whole title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const MessageRequest& m);

class QtHost : public QObject, public Host {
 public:
  QtHost();
  ~QtHost() override;

  // --- Host
  void message(Form& form, const std::string& prompt, const std::string& title, Icon icon) override;
  void open(Form& caller, const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at) override;
  void move(Form& form, int left, int top) override;
  void resize(Form& form, int width, int height) override;
  void print(Form& form) override;
  void close(Form& form) override;
  Date today() const override;
  std::pair<int, int> screenSize() const override;
  // A programming error in a reaction or its effects: shown as a critical
  // box naming the window and the event, and the window, already put back
  // as it was, stays usable.
  bool fault(Form& form, const std::string& event, const std::string& what) override;
  // Once a reaction's effects are all carried out: the system ends when no
  // window is left.
  void settled(Form& form) override;

  // Runs `fn`, a way in from Qt to the windows' code outside their own
  // reactions (the curve, the search, copying): a programming error in it is
  // shown as for a reaction, naming `window` and `event`, and the program
  // goes on. True when `fn` ran to its end.
  bool guard(const std::string& window, const std::string& event, const std::function<void()>& fn);
  // How a fault box names a window: its caption, then its form name.
  static std::string windowName(const std::string& caption, const std::string& form);
  // The box of a programming error.
  void showFault(QWidget* parent, const std::string& window, const std::string& event, const std::string& what);

  // Makes the window of a form name (the registry's; tests may put their own).
  std::function<std::unique_ptr<Form>(std::string_view)> forms;

  // --- the windows of the system
  // Opens the named window, or brings forward the one already open (moved
  // to `at`, in twips, when given). Null when the window closed itself while loading.
  FormWindow* openWindow(const std::string& formName, OpenHow how,
                         std::optional<std::pair<int, int>> at = std::nullopt, QWidget* caller = nullptr);
  FormWindow* window(std::string_view formName) const;
  FormWindow* windowOf(const Form& form) const;
  std::vector<FormWindow*> windows() const;
  // True while a modal window of the system is open.
  bool modalOpen() const;

  // A window of the system that is not a Calculator (the main window): the
  // system ends when it and every Calculator window are closed.
  void adopt(QWidget* w);
  void release(QWidget* w);
  int openCount() const;
  // Called when the last window closes; by default the application quits.
  std::function<void()> lastWindowClosed;

  // --- settings
  void setPresenter(Presenter p) { presenter_ = std::move(p); }
  void setRegional(const Regional& r) { regional_ = r; }
  const Regional& regional() const { return regional_; }
  void setToday(std::optional<Date> d) { today_ = d; }
  // Asks where to save the page when no printer is installed ("" to give up).
  std::function<QString(QWidget* parent)> askPdfPath;

  // --- printing
  // Prints the window to a PDF file, one page; false when it cannot be written.
  bool printToPdf(Form& form, const QString& path);
  static bool render(FormWindow& w, QPrinter& printer);

  // The screen Calculator windows keep to: the main window's, once adopted.
  QScreen* homeScreen() const;

  // What the texts of its windows measure, kept for the windows it opens next.
  TextMeasures& measures() { return *measures_; }

  // Twips and logical pixels of the primary screen.
  static int px(int twips);
  static int twips(int px);

 private:
  void forget(FormWindow* w);
  void checkLast();

  std::vector<QPointer<FormWindow>> windows_;
  bool closed_ = false;  // a window closed since the last check
  std::optional<QFont> desktopTitle_;  // asked of the desktop once
  std::shared_ptr<TextMeasures> measures_ = std::make_shared<TextMeasures>();
  std::vector<QPointer<QWidget>> adopted_;
  Presenter presenter_;
  Regional regional_;
  std::optional<Date> today_;
};

}  // namespace vm::ui
