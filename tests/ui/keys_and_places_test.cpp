// Offscreen checks of how the windows answer the keyboard and where they
// sit: Enter and Escape, the width of message boxes, windows kept on the
// screen, centred with their real size, and long results wrapped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "calculators/registry.h"
#include "shell/catalogue.h"
#include "ui/form_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"

namespace {

using vm::OpenHow;
using vm::ui::FormWindow;
using vm::ui::MessageRequest;

struct Keys : ::testing::Test {
  Keys() {
    host.setPresenter([this](QWidget*, const MessageRequest& m) { messages.push_back(m.prompt); });
    host.lastWindowClosed = [] {};
  }
  ~Keys() override {
    for (FormWindow* w : host.windows()) w->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  FormWindow* open(const std::string& form) {
    FormWindow* w = host.openWindow(form, OpenHow::Modeless);
    EXPECT_NE(w, nullptr) << form;
    return w;
  }
  std::string text(FormWindow* w, const char* name) { return w->form().state(w->form().find(name)).text; }
  bool visible(FormWindow* w, const char* name) { return w->form().state(w->form().find(name)).visible; }

  vm::ui::QtHost host;
  std::vector<std::string> messages;
};

TEST_F(Keys, EnterInAnInputRunsTheComputeButtonAndKeepsTheFocus) {
  FormWindow* w = open("frmbobine");
  auto* input = qobject_cast<QLineEdit*>(w->widgetOf("txtinput"));
  QTest::keyClicks(input, "10");
  QTest::keyClicks(w->widgetOf("txtdiametro"), "20");
  QTest::keyClicks(w->widgetOf("txtlunghezza"), "20");
  QTest::keyClick(w->widgetOf("txtlunghezza"), Qt::Key_Return);
  EXPECT_EQ(text(w, "lbloutput"), "26,9 spire in aria, filo con diametro massimo di mm. 0,74");
  EXPECT_TRUE(visible(w, "lbloutput"));
  EXPECT_EQ(w->form().focus().id, w->form().find("txtlunghezza"));
  EXPECT_EQ(w->focusWidget(), w->widgetOf("txtlunghezza"));
  // the keypad's Enter too; the missing-data warning still sends the focus to its input
  w->form().type(w->form().find("txtinput"), "");
  QTest::keyClick(w->widgetOf("txtdiametro"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(messages, std::vector<std::string>{"MANCANO DATI"});
  EXPECT_EQ(w->focusWidget(), w->widgetOf("txtinput"));
}

TEST_F(Keys, EnterOnAnOptionComputesWithoutMovingTheFocusOrTheSelection) {
  FormWindow* w = open("frmbobine");
  for (auto [name, value] : {std::pair{"txtinput", "10"}, {"txtdiametro", "20"}, {"txtlunghezza", "20"}})
    w->form().type(w->form().find(name), value);
  w->form().focusByKeyboard(w->form().find("Option1"), 0);
  QTest::keyClick(w->widgetOf("Option1", 0), Qt::Key_Return);
  EXPECT_TRUE(visible(w, "lbloutput"));
  EXPECT_EQ(w->form().focus(), (vm::Focus{w->form().find("Option1"), 0}));
  EXPECT_EQ(w->form().selected(w->form().find("Option1")), 0);
}

TEST_F(Keys, EnterOnAFocusedButtonPressesThatButton) {
  FormWindow* w = open("frmbobine");
  w->widgetOf("cmdesci")->setFocus();
  QTest::keyClick(w->widgetOf("cmdesci"), Qt::Key_Return);
  EXPECT_EQ(host.window("frmbobine"), nullptr);
}

TEST_F(Keys, EnterWithoutAComputeButtonChangesNothing) {
  FormWindow* w = open("frmdBW");  // computes as the user types
  QTest::keyClicks(w->widgetOf("txtinput"), "10");
  const auto before = w->form().states();
  QTest::keyClick(w->widgetOf("txtinput"), Qt::Key_Return);
  ASSERT_EQ(host.window("frmdBW"), w);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(w->form().states()[i].text, before[i].text);
    EXPECT_EQ(w->form().states()[i].visible, before[i].visible);
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(Keys, EscapeClosesEveryWindowAsItsCloseButtonDoes) {
  for (const auto& e : vm::calculators()) {
    SCOPED_TRACE(std::string(e.form));
    FormWindow* w = open(std::string(e.form));
    ASSERT_NE(w, nullptr);
    bool hasCloseButton = false;
    for (const auto& d : w->form().defs()) hasCloseButton = hasCloseButton || d.closes;
    if (!hasCloseButton) {
      // a window that closes only by its close box: Escape has no button to press
      w->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      continue;
    }
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
    EXPECT_EQ(host.window(e.form), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(messages.empty());
}

using Places = Keys;

TEST_F(Places, AMessageBoxIsAsWideAsItsTitleNeeds) {
  for (const char* title : {"MESSAGGIO DI ERRORE", "AVVVERTIMENTO", "  ATTENZIONE", "DATI MANCANTI"}) {
    auto box = vm::ui::makeMessageBox(nullptr, MessageRequest{"MANCANO DATI", title, vm::Icon::Warning, {}});
    box->show();
    QApplication::processEvents();
    EXPECT_EQ(box->windowTitle().toStdString(), title);
    EXPECT_EQ(box->text().toStdString(), "MANCANO DATI");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_GE(box->width(), vm::ui::captionWidth(box->windowTitle(), box->font())) << title;
    box->hide();
  }
}

TEST_F(Places, AWindowPlacedOffTheScreenIsKeptWhole) {
  FormWindow* w = open("frmbobine");
  const QRect area = w->screen()->availableGeometry();
  w->form().setGeometry(30000, 30000, std::nullopt, std::nullopt);
  const QRect frame = w->geometry().adjusted(0, 0, 0, vm::ui::titleBarHeight(w->font()));
  EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y();
  EXPECT_EQ(frame.right(), area.right());
  EXPECT_EQ(frame.bottom(), area.bottom());
  w->form().setGeometry(-500, -500, std::nullopt, std::nullopt);
  EXPECT_EQ(w->pos(), area.topLeft());
}

TEST_F(Places, AWindowCentringItselfIsCentredWithItsRealSize) {
  FormWindow* w = open("frmCircuitiRLC");
  const QRect area = w->screen()->availableGeometry();
  const QRect frame = w->geometry().adjusted(0, 0, 0, vm::ui::titleBarHeight(w->font()));
  EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 2);
  EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 2);
}

TEST_F(Places, ALongResultWrapsAndTheWindowKeepsItsWidth) {
  FormWindow* w = open("frmimpcapserie");
  const int width = w->width();
  for (auto [name, value] : {std::pair{"txtf", "7.1"}, {"txtl", "2.2"}, {"txtC", "220"}})
    QTest::keyClicks(w->widgetOf(name), value);
  QTest::mouseClick(w->widgetOf("cmdcalcola"), Qt::LeftButton);
  EXPECT_EQ(w->width(), width);
  auto* line = qobject_cast<QLabel*>(w->widgetOf("lblrisonanza"));
  ASSERT_NE(line, nullptr);
  EXPECT_FALSE(line->text().isEmpty());
  EXPECT_LE(line->geometry().right(), w->width());
  EXPECT_GE(line->height(), line->heightForWidth(line->width()));
}

TEST_F(Places, AHintSitsJustBeforeTheButtonItPointsAt) {
  FormWindow* w = open("frmdB");
  QWidget* hint = w->widgetOf("Label11");
  QWidget* button = w->widgetOf("cmdcalcola");
  const QRect h = hint->geometry(), b = button->geometry();
  EXPECT_LE(h.right(), b.left());
  EXPECT_LT(b.left() - h.right(), 24);
  EXPECT_LT(std::abs(h.center().y() - b.center().y()), b.height());
}

}  // namespace

namespace {

struct Borders : Keys {};

TEST_F(Borders, AWindowAsWideAsTheScreenLeavesRoomForItsSideBorders) {
  // the regulator schematics would take more than the whole width
  for (const char* form : {"frmlm317", "frmlm317variab", "frmpassabandakcostante"}) {
    FormWindow* w = open(form);
    ASSERT_NE(w, nullptr);
    EXPECT_LE(w->width() + 8, w->screenArea().width()) << form;
    w->form().close();
  }
}

}  // namespace
