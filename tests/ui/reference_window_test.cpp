// The benchmark's reference for opening and typing, the dialog built by
// hand, must be the very window it is measured against: the same widgets, of
// the same sizes, at the same places, showing and hiding the same ones. A
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

std::string describe(const QWidget* w) {
  // (where a hidden widget lies is nobody's business until it shows)
  const QRect g = w->geometry();
  std::string out = std::string(w->metaObject()->className()) + " " + w->objectName().toStdString() +
                    (w->isVisible() ? " " + std::to_string(g.x()) + "," + std::to_string(g.y()) + " " +
                                          std::to_string(g.width()) + "x" + std::to_string(g.height())
                                    : " hidden");
  if (auto* l = qobject_cast<const QLabel*>(w)) out += " '" + l->text().toStdString() + "'";
  if (auto* b = qobject_cast<const QPushButton*>(w)) out += " '" + b->text().toStdString() + "'";
  return out;
}

// Every widget of a window as one line, in creation order (the order both
// sides make their controls in).
std::vector<std::string> layoutOf(const QWidget* top) {
  std::vector<std::string> out{std::to_string(top->width()) + "x" + std::to_string(top->height())};
  for (const QWidget* c : top->findChildren<QWidget*>()) out.push_back(describe(c));
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
    EXPECT_EQ(layoutOf(w), layoutOf(&hand));
    hand.hide();
    for (ui::FormWindow* open : host.windows()) open->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ++compared;
  }
  EXPECT_GT(compared, 100);
}

}  // namespace
