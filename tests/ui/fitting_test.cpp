// Offscreen checks of how a window fits its screen and its texts: taller
// than the screen it scrolls, every control at its own height and each one
// reached by the keyboard; it shrinks back when a long text goes away; and it
// measures itself anew when its font changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "framework/headless.h"
#include "framework/registry.h"
#include "ui/form_window.h"

namespace {

using namespace vm;
using vm::ui::FormWindow;

// Sixty fields, far more than a screen is tall, and a result whose text
// cannot wrap.
class Tall final : public CalculatorOf<Tall> {
 public:
  explicit Tall(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Prova");
    for (int i = 0; i < 60; ++i) b.field("txt" + std::to_string(i), "lbl" + std::to_string(i), "CAMPO " + std::to_string(i));
    out_ = b.result("lblrisultato");
    b.computeButton("cmdlungo", "LUNGO").onClick([this] { setText(out_, std::string(90, '9')); });
    b.button("cmdcorto", "CORTO").onClick([this] { setText(out_, "1"); });
  }

 private:
  Label out_;
};

// A few fields: a window well inside the screen.
class Short final : public CalculatorOf<Short> {
 public:
  explicit Short(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Prova");
    b.field("txta", "lbla", "PRIMO CAMPO");
    b.field("txtb", "lblb", "SECONDO CAMPO");
    out_ = b.result("lblrisultato");
    b.computeButton("cmdlungo", "LUNGO").onClick([this] { setText(out_, std::string(200, '9')); });
    b.button("cmdcorto", "CORTO").onClick([this] { setText(out_, "1"); });
  }

 private:
  Label out_;
};

struct Fitting : ::testing::Test {
  void open(std::unique_ptr<Form> form) {
    w = new FormWindow(std::move(form));
    Form& f = w->form();
    f.changed = [this] { w->project(); };
    f.open(host, Regional::italian(), false);
    w->project();
    w->show();
    QApplication::processEvents();
  }
  ~Fitting() override {
    if (!w) return;
    w->form().changed = nullptr;
    delete w;
  }
  void press(const char* button) {
    QTest::mouseClick(w->widgetOf(button), Qt::LeftButton);
    QApplication::processEvents();
  }
  // The part of `c` the window shows, in the window's coordinates.
  QRect shown(QWidget* c) const {
    const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
    return r.intersected(w->rect());
  }

  HeadlessHost host;
  FormWindow* w = nullptr;
};

TEST_F(Fitting, AWindowTallerThanTheScreenScrollsInsteadOfSqueezingItsControls) {
  open(build<Tall>("frmalto"));
  ASSERT_TRUE(w->scrolls());
  const QRect area = w->screenArea();
  EXPECT_LE(w->height(), area.height());
  for (int i = 0; i < 60; ++i) {
    QWidget* e = w->widgetOf("txt" + std::to_string(i));
    ASSERT_NE(e, nullptr);
    EXPECT_GE(e->height(), e->minimumSizeHint().height()) << i;
  }
  // the keyboard reaches the last field and the buttons below it: each comes into view
  for (const char* name : {"txt59", "cmdcorto"}) {
    QWidget* target = w->widgetOf(name);
    while (QApplication::focusWidget() != target) {
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
      ASSERT_NE(w->form().focus().id, -1);
    }
    QApplication::processEvents();
    EXPECT_EQ(shown(target).size(), target->size()) << name;
  }
}

TEST_F(Fitting, AWindowShrinksBackWhenALongTextGoesAway) {
  open(build<Short>("frmcorto"));
  const QSize opened = w->size();
  press("cmdlungo");
  auto* line = qobject_cast<QLabel*>(w->widgetOf("lblrisultato"));
  ASSERT_NE(line, nullptr);
  // a text that cannot wrap widens the window, as far as the screen lets it
  EXPECT_GT(w->width(), opened.width());
  press("cmdcorto");
  EXPECT_EQ(w->size(), opened);
}

TEST_F(Fitting, ALargerFontIsMeasuredAnewAndEveryCaptionStaysWhole) {
  open(build<Short>("frmcorto"));
  const QSize before = w->size();
  QFont big = w->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  w->setFont(big);
  QApplication::processEvents();
  EXPECT_GT(w->width(), before.width());
  EXPECT_GT(w->height(), before.height());
  for (const char* name : {"lbla", "lblb"}) {
    auto* l = qobject_cast<QLabel*>(w->widgetOf(name));
    ASSERT_NE(l, nullptr);
    EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << name;
    EXPECT_GE(l->height(), l->fontMetrics().height()) << name;
  }
}

}  // namespace
