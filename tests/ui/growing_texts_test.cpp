// Offscreen checks of texts that change after a window opened: a list given
// longer entries, a value on a drawing given a longer text, and notes hidden
// while the window loads.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "ui/drawing_view.h"
#include "ui/form_window.h"

namespace {

using namespace vm;
using vm::ui::FormWindow;

class Growing final : public CalculatorOf<Growing> {
 public:
  explicit Growing(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Prova");
    list_ = b.list("cmbvoci").text("VOCI");
    Drawing d(200, 80);
    d.line(0, 40, 200, 40).mark("valore", 100, 20);
    Art drw = b.drawing("drwprova", std::move(d));
    value_ = b.result("lblvalore").at(drw, "valore");
    note_ = b.label("lblnota", std::string(200, 'x'));
    b.button("cmdlunghe", "LUNGHE").onClick([this] {
      form().setEntries(list_.id, {"corta", "una voce molto, molto piu' lunga delle altre"});
      setText(value_, "12345,678 µH");
    });
    b.button("cmdcorta", "CORTA").onClick([this] { setText(value_, "2"); });
    b.onLoad([this] {
      form().setEntries(list_.id, {"a", "b"});
      setText(value_, "1");
      hide(note_);
    });
  }

 private:
  Ctl list_;
  Label value_, note_;
};

struct GrowingTexts : ::testing::Test {
  GrowingTexts() : w(new FormWindow(build<Growing>("frmprova"))) {
    Form& f = w->form();
    f.changed = [this] { w->project(); };
    f.open(host, Regional::italian(), false);
    w->project();
    w->show();
    QApplication::processEvents();
  }
  ~GrowingTexts() override {
    w->form().changed = nullptr;
    delete w;
  }
  void press(const char* button) {
    auto* b = qobject_cast<QPushButton*>(w->widgetOf(button));
    ASSERT_NE(b, nullptr);
    b->click();
    QApplication::processEvents();
  }

  HeadlessHost host;
  FormWindow* w;
};

TEST_F(GrowingTexts, AListGivenLongerEntriesAfterOpeningShowsTheLongestWhole) {
  auto* cb = qobject_cast<QComboBox*>(w->widgetOf("cmbvoci"));
  ASSERT_NE(cb, nullptr);
  press("cmdlunghe");
  ASSERT_EQ(cb->count(), 2);
  // the list asks for room for its longest entry, and the window gives it
  const int longest = cb->fontMetrics().horizontalAdvance(cb->itemText(1));
  EXPECT_GT(cb->sizeHint().width(), longest);
  EXPECT_GE(cb->width(), cb->sizeHint().width());
}

TEST_F(GrowingTexts, AValueOnADrawingTakesTheWidthOfItsNewTextInsideTheDrawing) {
  auto* l = qobject_cast<QLabel*>(w->widgetOf("lblvalore"));
  ASSERT_NE(l, nullptr);
  press("cmdlunghe");
  EXPECT_EQ(l->text(), QStringLiteral("12345,678 µH"));
  EXPECT_GE(l->width(), l->sizeHint().width());
  EXPECT_TRUE(l->parentWidget()->rect().contains(l->geometry()));
}

TEST_F(GrowingTexts, AValueOnADrawingShrinksBackAroundItsMarkWhenItsTextGetsShorter) {
  auto* l = qobject_cast<QLabel*>(w->widgetOf("lblvalore"));
  ASSERT_NE(l, nullptr);
  const QSize first = l->size();
  const QPoint centre = l->geometry().center();
  press("cmdlunghe");
  ASSERT_GT(l->width(), first.width());
  press("cmdcorta");
  EXPECT_EQ(l->size(), first);
  // it stays centred on its mark, to the pixel
  EXPECT_LE((l->geometry().center() - centre).manhattanLength(), 1);
}

TEST_F(GrowingTexts, ANoteHiddenWhileLoadingNeverShowsAndTheWindowKeepsItsRoom) {
  auto* note = qobject_cast<QLabel*>(w->widgetOf("lblnota"));
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isHidden());
  // a hidden control keeps its room: the window is as tall as with the note
  EXPECT_GE(w->height(), note->sizeHint().height());
  const QSize opened = w->size();
  press("cmdlunghe");
  EXPECT_EQ(w->width(), opened.width());
}

}  // namespace
