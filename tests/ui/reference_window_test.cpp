// The benchmark's reference for opening and typing, the dialog built by
// hand, must race with the same widgets as the window it is measured
// against, showing and hiding the same ones. A
// reference that drifted from the window (a missing row, buttons gathered in
// another place, a window taller or narrower) would make either side look
// faster than it is.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "bench/hand_built.h"
#include "calculators/registry.h"
#include "ui/form_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"

namespace {

using namespace vm;

// Every control's widget of a window as one line, in creation order (the
// order both sides make their controls in): the two race with the same
// widgets showing the same texts, however each lays them out (the window
// reads the layout model and may scroll; the reference is a plain dialog).
std::vector<std::string> layoutOf(const QWidget* top, const Form& form) {
  std::vector<std::string> out;
  for (const QWidget* c : top->findChildren<QWidget*>()) {
    if (form.find(c->objectName().toStdString()) < 0) continue;
    std::string line = std::string(c->metaObject()->className()) + " " + c->objectName().toStdString() +
                       (c->isVisible() ? "" : " hidden");
    if (auto* l = qobject_cast<const QLabel*>(c)) line += " '" + l->text().toStdString() + "'";
    if (auto* b = qobject_cast<const QPushButton*>(c)) line += " '" + b->text().toStdString() + "'";
    out.push_back(line);
  }
  return out;
}

TEST(ReferenceWindow, EveryWindowIsBuiltAsTheHandBuiltDialogOfTheBenchmark) {
  ui::QtHost host;
  host.setPresenter([](QWidget*, const ui::MessageRequest&) {});
  host.lastWindowClosed = [] {};
  const QFont title = ui::desktopTitleFont();
  int compared = 0;
  for (const auto& e : calculators()) {
    const std::string name(e.form);
    SCOPED_TRACE(name);
    ui::FormWindow* w = host.openWindow(name, OpenHow::Modeless);
    ASSERT_NE(w, nullptr);
    // (a window that opens a companion as it loads is compared alone)
    bench::HandBuilt hand(makeForm(name), title);
    hand.show();
    QApplication::processEvents();
    EXPECT_EQ(layoutOf(w, w->form()), layoutOf(&hand, w->form()));
    hand.hide();
    for (ui::FormWindow* open : host.windows()) open->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ++compared;
  }
  EXPECT_GT(compared, 100);
}

}  // namespace
