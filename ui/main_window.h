#pragma once
// FRMVELMORANTE: the title that blinks until it is clicked, the version
// line, the exit door and the menu bar of every Calculator.
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <vector>

#include "shell/catalogue.h"
#include "shell/main_window_model.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace vm {
class CommandSearch;
struct CommandHit;
}  // namespace vm

namespace vm::ui {

class QtHost;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(QtHost& host);
  ~MainWindow() override;

  const MainWindowModel& model() const { return model_; }
  QTimer& blinkTimer() { return timer_; }
  QLabel* title() const { return title_; }
  QToolButton* exitButton() const { return exit_; }
  // The menu entry named `name` (a command or a submenu's action).
  QAction* entry(std::string_view name) const;
  // Runs a command of the catalogue; false while a modal window is open.
  bool command(const MenuEntry& e);
  // The command search: its field, and the list of what it found.
  QLineEdit* searchField() const { return search_; }
  QListWidget* searchHits() const { return hits_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildMenus();
  void showTitleColour();
  void buildSearch(QWidget* back);
  void searchFor(const QString& words);
  bool openChosenHit();
  void keyPressEvent(QKeyEvent* e) override;

  QtHost& host_;
  MainWindowModel model_;
  QTimer timer_;
  QLabel* title_ = nullptr;
  QToolButton* exit_ = nullptr;
  QLineEdit* search_ = nullptr;
  QListWidget* hits_ = nullptr;
  std::unique_ptr<CommandSearch> index_;  // read at the first search
  std::vector<const MenuEntry*> shownHits_;
  bool released_ = false;
};

}  // namespace vm::ui
