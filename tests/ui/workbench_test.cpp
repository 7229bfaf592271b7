// Offscreen checks of what the workbench adds around the windows: the
// command search of the main window, copied results and the hint of a
// number read in part.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "ui/form_window.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

namespace {

using vm::OpenHow;
using vm::ui::FormWindow;
using vm::ui::MainWindow;

struct Workbench : ::testing::Test {
  Workbench() {
    host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
    host.lastWindowClosed = [] {};
  }
  ~Workbench() override {
    for (FormWindow* w : host.windows()) w->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  vm::ui::QtHost host;
};

// Shortcuts reach only the active window.
bool activate(QWidget* w) {
  w->activateWindow();
  return QTest::qWaitForWindowActive(w);
}

TEST_F(Workbench, SearchOpensTheChosenCommandAsItsMenuWould) {
  MainWindow main(host);
  main.show();
  ASSERT_TRUE(activate(&main));
  QTest::keyClick(&main, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(main.searchField()->hasFocus() || QApplication::focusWidget() == main.searchField());
  QTest::keyClicks(main.searchField(), "decibel");
  ASSERT_NE(main.searchHits(), nullptr);
  ASSERT_GE(main.searchHits()->count(), 2);
  EXPECT_EQ(main.searchHits()->currentRow(), 0);
  // the arrows choose; Enter opens the chosen one, modal as from its menu
  QTest::keyClick(main.searchField(), Qt::Key_Down);
  EXPECT_EQ(main.searchHits()->currentRow(), 1);
  QTest::keyClick(main.searchField(), Qt::Key_Up);
  QTest::keyClick(main.searchField(), Qt::Key_Return);
  FormWindow* w = host.window("frmdB");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isModal() || w->windowModality() == Qt::ApplicationModal);
  EXPECT_TRUE(main.searchField()->text().isEmpty());
  // while a modal window is open the search opens nothing else
  QTest::keyClicks(main.searchField(), "bobine");
  QTest::keyClick(main.searchField(), Qt::Key_Return);
  EXPECT_EQ(host.windows().size(), 1u);
}

TEST_F(Workbench, TypingIntoTheMainWindowStartsASearch) {
  MainWindow main(host);
  main.show();
  main.setFocus();
  QTest::keyClicks(&main, "toro");
  EXPECT_EQ(main.searchField()->text(), "toro");
  ASSERT_NE(main.searchHits(), nullptr);
  EXPECT_FALSE(main.searchHits()->isHidden());
  QTest::keyClick(main.searchField(), Qt::Key_Escape);
  EXPECT_TRUE(main.searchField()->text().isEmpty());
  EXPECT_TRUE(main.searchHits()->isHidden());
}

TEST_F(Workbench, CopyResultsPutsTheWindowOnTheClipboard) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  QTest::keyClicks(w->widgetOf("txtinput"), "10");
  QTest::keyClicks(w->widgetOf("txtdiametro"), "20");
  QTest::keyClicks(w->widgetOf("txtlunghezza"), "20");
  QTest::keyClick(w->widgetOf("txtlunghezza"), Qt::Key_Return);
  ASSERT_TRUE(activate(w));
  QApplication::clipboard()->clear();
  QTest::keyClick(w->widgetOf("txtlunghezza"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.contains("induttanza in µH : 10\n")) << copied.toStdString();
  EXPECT_TRUE(copied.contains("26,9 spire in aria, filo con diametro massimo di mm. 0,74\n")) << copied.toStdString();
  // the same text whatever has the focus (the context menu's entry copies it too)
  QApplication::clipboard()->clear();
  QTest::keyClick(w->widgetOf("cmdcalcola"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), copied);
}

TEST_F(Workbench, AnInputShowsWhatWasReadWhenCharactersWereIgnored) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  const int id = w->form().find("txtinput");
  QTest::keyClicks(w->widgetOf("txtinput"), "7,1");
  ASSERT_NE(w->readingHint(id), nullptr);
  EXPECT_EQ(w->readingHint(id)->text(), "letto come 7");
  // the window itself is unchanged: the text stays as typed
  EXPECT_EQ(w->form().state(id).text, "7,1");
  QTest::keyClick(w->widgetOf("txtinput"), Qt::Key_Backspace);
  QTest::keyClick(w->widgetOf("txtinput"), Qt::Key_Backspace);
  EXPECT_EQ(w->readingHint(id), nullptr);
  QTest::keyClicks(w->widgetOf("txtinput"), ".5 mm");
  ASSERT_NE(w->readingHint(id), nullptr);
  EXPECT_EQ(w->readingHint(id)->text(), "letto come 7.5");
}

}  // namespace
