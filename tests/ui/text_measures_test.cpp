// Sizes taken from the host's measures are the sizes Qt lays the text out
// to, whatever the label's setting, and the measures never grow past their
// bound.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <vector>

#include "ui/text_measures.h"

namespace vm::ui {
namespace {

struct Case {
  const char* what;
  std::function<void(QLabel&, QWidget& buddy)> set;
};

const QString kTexts[] = {
    QString(),
    QStringLiteral("E S C I"),
    QStringLiteral("USARE IL PUNTO PER SEPARARE I DECIMALI"),
    QStringLiteral("&FREQUENZA in Mhz :"),
    QStringLiteral("prima riga\nseconda riga, un poco più lunga della prima"),
    QStringLiteral("Impedenza = 1234,5678 Ohm   Reattanza capacitiva = 98765,4321 Ohm   Reattanza induttiva = 0,0001 Ohm"),
};

const Case kCases[] = {
    {"plain", [](QLabel&, QWidget&) {}},
    {"wrapped", [](QLabel& l, QWidget&) { l.setWordWrap(true); }},
    {"result", [](QLabel& l, QWidget&) {
       l.setWordWrap(true);
       l.setFrameShape(QFrame::StyledPanel);
       l.setFrameShadow(QFrame::Sunken);
       l.setMinimumHeight(l.fontMetrics().height() + 6);
     }},
    {"buddy", [](QLabel& l, QWidget& b) { l.setBuddy(&b); }},
    {"narrow", [](QLabel& l, QWidget&) {
       l.setWordWrap(true);
       l.setMaximumWidth(120);
     }},
    {"wide", [](QLabel& l, QWidget&) { l.setMinimumWidth(300); }},
    {"margins", [](QLabel& l, QWidget&) {
       l.setMargin(3);
       l.setIndent(7);
       l.setContentsMargins(1, 2, 3, 4);
     }},
    {"centred", [](QLabel& l, QWidget&) { l.setAlignment(Qt::AlignCenter); }},
    {"bold", [](QLabel& l, QWidget&) {
       QFont f = l.font();
       f.setBold(true);
       f.setPointSizeF(f.pointSizeF() * 1.5);
       l.setFont(f);
     }},
};

void expectSame(const QLabel& measured, const QLabel& plain) {
  EXPECT_EQ(measured.sizeHint(), plain.sizeHint());
  EXPECT_EQ(measured.minimumSizeHint(), plain.minimumSizeHint());
  EXPECT_EQ(measured.hasHeightForWidth(), plain.hasHeightForWidth());
  for (int w : {40, 150, 400, 1200}) EXPECT_EQ(measured.heightForWidth(w), plain.heightForWidth(w)) << "at " << w;
}

TEST(TextMeasures, EverySettingMeasuresAsQtMeasures) {
  auto measures = std::make_shared<TextMeasures>();
  QWidget parent;
  QLineEdit buddy(&parent);
  for (int round = 0; round < 2; ++round)  // the second round finds every size measured
    for (const Case& c : kCases)
      for (const QString& t : kTexts) {
        SCOPED_TRACE(std::string(c.what) + ": " + t.toStdString());
        MeasuredLabel measured(measures, &parent);
        QLabel plain(&parent);
        for (QLabel* l : {static_cast<QLabel*>(&measured), &plain}) {
          l->setTextFormat(Qt::PlainText);
          l->setText(t);
          c.set(*l, buddy);
        }
        expectSame(measured, plain);
      }
  EXPECT_EQ(measures->count(), static_cast<int>(std::size(kCases) * std::size(kTexts)));
}

TEST(TextMeasures, ALabelChangedAfterItWasMeasuredIsMeasuredAnew) {
  auto measures = std::make_shared<TextMeasures>();
  QWidget parent;
  QLineEdit buddy(&parent);
  MeasuredLabel measured(measures, &parent);
  measured.setTextFormat(Qt::PlainText);
  std::vector<const Case*> applied;
  // (a label of the same setting made afresh: Qt keeps a label's own sizes
  // through some changes, such as a new minimum width)
  auto expectAsFresh = [&](const QString& t) {
    measured.setText(t);
    QLabel plain(&parent);
    plain.setTextFormat(Qt::PlainText);
    plain.setText(t);
    for (const Case* c : applied) c->set(plain, buddy);
    expectSame(measured, plain);
  };
  const QString t = kTexts[5];
  expectAsFresh(t);
  // each change in turn, kept, on the same label that was measured before
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    c.set(measured, buddy);
    applied.push_back(&c);
    expectAsFresh(t);
    expectAsFresh(t + QStringLiteral(" X"));
    expectAsFresh(t);
  }
}

TEST(TextMeasures, RichTextAndPicturesAreLeftToQt) {
  auto measures = std::make_shared<TextMeasures>();
  QWidget parent;
  MeasuredLabel rich(measures, &parent);
  rich.setText(QStringLiteral("<b>CALCOLA</b>"));
  QLabel plain(&parent);
  plain.setText(QStringLiteral("<b>CALCOLA</b>"));
  EXPECT_EQ(rich.sizeHint(), plain.sizeHint());
  QPixmap p(30, 20);
  p.fill(Qt::red);
  MeasuredLabel picture(measures, &parent);
  picture.setTextFormat(Qt::PlainText);
  picture.setPixmap(p);
  EXPECT_EQ(picture.sizeHint(), QSize(30, 20));
  EXPECT_EQ(measures->count(), 0);
}

TEST(TextMeasures, ResultsThatChangeWithEveryKeyDoNotPileUp) {
  auto measures = std::make_shared<TextMeasures>();
  QWidget parent;
  MeasuredLabel l(measures, &parent);
  l.setTextFormat(Qt::PlainText);
  QLabel plain(&parent);
  plain.setTextFormat(Qt::PlainText);
  for (int i = 0; i < 5000; ++i) {
    l.setText(QStringLiteral("Impedenza = %1 Ohm").arg(i));
    (void)l.sizeHint();
    ASSERT_LE(measures->count(), 4096);
  }
  plain.setText(l.text());
  EXPECT_EQ(l.sizeHint(), plain.sizeHint());
  // a label without measures is a plain label
  MeasuredLabel alone(nullptr, &parent);
  alone.setTextFormat(Qt::PlainText);
  alone.setText(plain.text());
  EXPECT_EQ(alone.sizeHint(), plain.sizeHint());
}

TEST(TextMeasures, ACaptionIsMeasuredOncePerFont) {
  TextMeasures measures;
  QFont a = QApplication::font();
  QFont b = a;
  b.setPointSizeF(a.pointSizeF() * 2);
  const QString caption = QStringLiteral("CONDENSATORE E INDUTTANZA IN SERIE");
  const int wa = measures.captionWidth(caption, a);
  EXPECT_EQ(measures.captionWidth(caption, a), wa);
  EXPECT_GT(measures.captionWidth(caption, b), wa);
}

}  // namespace
}  // namespace vm::ui
