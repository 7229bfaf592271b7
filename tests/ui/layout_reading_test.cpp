// Offscreen checks that the window shows what the layout model arranges:
// labels on drawings in the model's boxes, kept apart after a computation,
// the columns of a table under their headings, and lists that open as many
// entries as the model says, show their prompt and find a typed name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "ui/drawing_view.h"
#include "ui/form_window.h"

namespace {

using namespace vm;
using vm::ui::DrawingLabel;
using vm::ui::DrawingView;
using vm::ui::FormWindow;

struct Opened {
  explicit Opened(std::string_view name) : w(new FormWindow(makeForm(name))) {
    Form& f = w->form();
    f.changed = [this] { w->project(); };
    f.open(host, Regional::italian(), false);
    w->project();
    w->show();
    QApplication::processEvents();
  }
  ~Opened() {
    w->form().changed = nullptr;
    delete w;
  }
  void type(const char* input, const char* text) {
    auto* e = qobject_cast<QLineEdit*>(w->widgetOf(input));
    ASSERT_NE(e, nullptr) << input;
    e->setFocus();
    QTest::keyClicks(e, QString::fromUtf8(text));
    QApplication::processEvents();
  }
  // (the view declares no meta-object of its own: findChildren cannot tell it apart)
  std::vector<DrawingView*> views() const {
    std::vector<DrawingView*> out;
    for (QWidget* c : w->findChildren<QWidget*>())
      if (auto* v = dynamic_cast<DrawingView*>(c)) out.push_back(v);
    return out;
  }
  // Every written piece of every shown label on the window's drawings, in
  // the coordinates of its drawing.
  struct Written {
    std::string name;
    QRect box;
    QString text;
    QFont font;
  };
  std::vector<Written> written() const {
    std::vector<Written> out;
    for (DrawingView* view : views())
      for (QLabel* l : view->labels()) {
        auto* d = dynamic_cast<DrawingLabel*>(l);
        if (!d || !d->isVisibleTo(w)) continue;
        for (const auto& p : d->pieces())
          if (!p.text.trimmed().isEmpty())
            out.push_back({l->objectName().toStdString(), p.box.translated(l->pos()), p.text, p.font});
      }
    return out;
  }

  HeadlessHost host;
  FormWindow* w;
};

TEST(LabelsOnDrawings, StayApartAndWholeAfterAComputation) {
  Opened yagi("frmyagi3");
  yagi.type("txtfrequenza", "28");
  const auto pieces = yagi.written();
  // the headings and both spacings are written now
  ASSERT_GE(pieces.size(), 5u);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const QFontMetrics fm(pieces[i].font);
    EXPECT_LE(fm.horizontalAdvance(pieces[i].text), pieces[i].box.width() + 1) << pieces[i].name;
    for (std::size_t j = i + 1; j < pieces.size(); ++j)
      EXPECT_FALSE(pieces[i].box.intersects(pieces[j].box)) << pieces[i].name << " and " << pieces[j].name;
  }
}

TEST(Lists, ALongListOpensAsManyEntriesAsTheModelLetsItAndScrollsTheRest) {
  Opened cores("frmamidon");
  auto* cb = qobject_cast<QComboBox*>(cores.w->widgetOf("cmbnucleo"));
  ASSERT_NE(cb, nullptr);
  ASSERT_EQ(cb->count(), 170);
  EXPECT_EQ(cb->maxVisibleItems(), layout::kListEntries);
  cb->showPopup();
  QApplication::processEvents();
  QAbstractItemView* popup = cb->view();
  const int row = popup->sizeHintForRow(0);
  ASSERT_GT(row, 0);
  EXPECT_LE(popup->viewport()->height(), layout::kListEntries * row + 1);
  EXPECT_GT(popup->viewport()->height(), (layout::kListEntries - 1) * row);
  cb->hidePopup();
}

TEST(Lists, WithNothingChosenTheBoxShowsTheListsPrompt) {
  Opened cores("frmamidon");
  auto* cb = qobject_cast<QComboBox*>(cores.w->widgetOf("cmbnucleo"));
  ASSERT_NE(cb, nullptr);
  ASSERT_EQ(cb->currentIndex(), -1);
  EXPECT_EQ(cb->placeholderText(), QStringLiteral("TOROIDI"));
  // once an entry is chosen, the box shows it instead
  cb->setFocus();
  QTest::keyClicks(cb, QStringLiteral("T-12/ 1"));
  QApplication::processEvents();
  EXPECT_EQ(cb->currentText(), QStringLiteral("T-12/ 1"));
  EXPECT_TRUE(cb->placeholderText().isEmpty());
}

TEST(Lists, TypingANameChoosesItsEntryWhateverBlanksComeBeforeIt) {
  Opened valves("frmtrasfuscita");
  auto* cb = qobject_cast<QComboBox*>(valves.w->widgetOf("cmbvalvole"));
  ASSERT_NE(cb, nullptr);
  cb->setFocus();
  QTest::keyClicks(cb, QStringLiteral("EL 84"));
  QApplication::processEvents();
  EXPECT_EQ(cb->currentText(), QStringLiteral(" EL 84"));
  // the window's model chose it, as if picked from the list
  const Form& f = valves.w->form();
  const auto& st = f.state(f.find("cmbvalvole"));
  ASSERT_GE(st.listIndex, 0);
  EXPECT_EQ(st.entries[static_cast<std::size_t>(st.listIndex)], " EL 84");
}

}  // namespace
