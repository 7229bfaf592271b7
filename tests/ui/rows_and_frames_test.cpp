// Offscreen checks of two layout rules: a result captioned by a static text
// shares its row with it, and a frame whose lines wrap (shown after the window
// opened, or rewritten later) gets the height its lines need.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/form_window.h"
#include "ui/qt_host.h"

namespace {

using vm::OpenHow;
using vm::ui::FormWindow;

struct LayoutRows : ::testing::Test {
  LayoutRows() {
    host.setPresenter([](QWidget*, const vm::ui::MessageRequest&) {});
    host.lastWindowClosed = [] {};
  }
  ~LayoutRows() override {
    for (FormWindow* w : host.windows()) w->form().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  FormWindow* open(const std::string& form) {
    FormWindow* w = host.openWindow(form, OpenHow::Modeless);
    EXPECT_NE(w, nullptr) << form;
    if (w) QApplication::processEvents();
    return w;
  }
  static QLabel* labelShowing(FormWindow* w, const QString& text) {
    for (QLabel* l : w->findChildren<QLabel*>())
      if (l->text() == text) return l;
    return nullptr;
  }
  static void type(FormWindow* w, const char* input, const char* text) {
    auto* e = qobject_cast<QLineEdit*>(w->widgetOf(input));
    ASSERT_NE(e, nullptr) << input;
    e->selectAll();
    QTest::keyClicks(e, text);
    QApplication::processEvents();
  }
  // Every wrapped line of `frame` that is shorter than its text needs.
  static std::vector<std::string> cramped(QWidget* frame) {
    std::vector<std::string> out;
    for (QLabel* l : frame->findChildren<QLabel*>())
      if (l->isVisibleTo(frame) && l->wordWrap() && !l->text().isEmpty() && l->height() < l->heightForWidth(l->width()))
        out.push_back(l->objectName().toStdString());
    return out;
  }

  vm::ui::QtHost host;
};

TEST_F(LayoutRows, EachLoopResultSitsRightOfItsCaptionInOneRow) {
  FormWindow* w = open("frmloop");
  ASSERT_NE(w, nullptr);
  const std::pair<const char*, const char*> rows[] = {
      {"lbllunghezza", "Lunghezza del loop in cm."},
      {"lblRR", "Resistenza di radiazione in Ohm"},
      {"lblRL", "Perdita del conduttore ( rame ) in Ohm"},
      {"lblVC", "d.d.p.  al condensatore in Volt."},
      {"lblDB", "Efficienza in dB"},
      {"Label3", "lung. in piedi : "},
  };
  for (auto [result, caption] : rows) {
    QWidget* r = w->widgetOf(result);
    QLabel* c = labelShowing(w, QString::fromUtf8(caption));
    ASSERT_NE(r, nullptr) << result;
    ASSERT_NE(c, nullptr) << caption;
    EXPECT_LE(c->geometry().right(), r->geometry().left()) << result;
    EXPECT_LT(std::abs(c->geometry().center().y() - r->geometry().center().y()), r->height()) << result;
  }
  // the window now keeps its frames whole on a 1024 pixel high screen
  EXPECT_LE(w->height(), 960);
  auto* shape = qobject_cast<QGroupBox*>(w->widgetOf("fraforma"));
  ASSERT_NE(shape, nullptr);
  EXPECT_GE(shape->height(), shape->sizeHint().height());
}

TEST_F(LayoutRows, AFrameShownByTypingGrowsTheWindowToHoldItsWrappedLines) {
  FormWindow* w = open("frmquad2elementi");
  ASSERT_NE(w, nullptr);
  const int width = w->width();
  QWidget* frame = w->widgetOf("Frame1");
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->isVisible());
  type(w, "txtfrequenza", "28.5");
  ASSERT_TRUE(frame->isVisible());
  EXPECT_EQ(cramped(frame), std::vector<std::string>{});
  // new values wrap differently inside the frame already shown
  type(w, "txtfrequenza", "3.7");
  EXPECT_EQ(cramped(frame), std::vector<std::string>{});
  EXPECT_EQ(w->width(), width);
  EXPECT_LE(frame->geometry().bottom(), w->height());
}

}  // namespace
