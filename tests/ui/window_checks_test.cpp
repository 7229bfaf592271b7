// The gallery's checks find nothing in a window laid out at the size it asks
// for, and find what a squeezed or hand-placed window shows: a check that
// never fires would let every fault through unseen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "window_checks.h"

namespace vm::ui::testing {
namespace {

// A caption and its field in each row of a grid, a frame of options and a list.
struct Window {
  QDialog dialog;
  QLabel* caption[2];
  QLineEdit* field[2];
  QGroupBox* frame;
  QLabel* note;

  Window() {
    auto* grid = new QGridLayout;
    const char* captions[] = {"FREQUENZA in MHz", "IMPEDENZA in OHM"};
    for (int r = 0; r < 2; ++r) {
      caption[r] = new QLabel(QString::fromUtf8(captions[r]));
      field[r] = new QLineEdit(QStringLiteral("14.2"));
      caption[r]->setObjectName(QStringLiteral("caption%1").arg(r));
      field[r]->setObjectName(QStringLiteral("field%1").arg(r));
      grid->addWidget(caption[r], r, 0);
      grid->addWidget(field[r], r, 1);
    }
    frame = new QGroupBox(QStringLiteral("TIPO DI CAVO"));
    frame->setObjectName(QStringLiteral("frame"));
    auto* options = new QVBoxLayout(frame);
    note = new QLabel(QStringLiteral("coassiale"));
    note->setObjectName(QStringLiteral("note"));
    options->addWidget(new QRadioButton(QStringLiteral("RG 58")));
    options->addWidget(note);
    auto* list = new QComboBox;
    list->addItems({QStringLiteral("RG 213"), QStringLiteral("RG 8")});
    auto* all = new QVBoxLayout(&dialog);
    all->addLayout(grid);
    all->addWidget(frame);
    all->addWidget(list);
    dialog.show();
    QApplication::processEvents();
  }

  std::vector<std::string> faults() {
    std::vector<std::string> out;
    for (auto check : {clipped, cutOff, overlapping, unaligned, offScreen})
      for (auto& f : check(&dialog)) out.push_back(std::move(f));
    return out;
  }
};

bool names(const std::vector<std::string>& faults, const std::string& what) {
  for (const auto& f : faults)
    if (f.find(what) != std::string::npos) return true;
  return false;
}

TEST(WindowChecks, AWindowAtTheSizeItAsksForIsSound) {
  Window w;
  EXPECT_EQ(w.faults(), std::vector<std::string>{});
}

TEST(WindowChecks, ASqueezedWindowShowsItsSmallFieldsAndCutTexts) {
  Window w;
  w.dialog.layout()->setSizeConstraint(QLayout::SetNoConstraint);
  w.dialog.setMinimumSize(1, 1);
  w.dialog.resize(w.dialog.sizeHint().width() / 2, w.dialog.sizeHint().height() / 3);
  QApplication::processEvents();
  const auto faults = clipped(&w.dialog);
  EXPECT_TRUE(names(faults, "field0: is ")) << ::testing::PrintToString(faults);
  EXPECT_TRUE(names(faults, "caption0: \"FREQUENZA in MHz\" needs")) << ::testing::PrintToString(faults);
}

TEST(WindowChecks, TextsLyingOverEachOtherOrOverAFrameCaption) {
  Window w;
  // a label moved onto the caption of the next row; its own frame's caption
  // covered by the label it holds
  w.caption[0]->move(w.caption[1]->pos() - QPoint(0, w.caption[1]->height() / 2));
  w.note->move(w.note->x(), 0);
  const auto faults = overlapping(&w.dialog);
  EXPECT_TRUE(names(faults, "caption0 and caption1 lie over each other")) << ::testing::PrintToString(faults);
  EXPECT_TRUE(names(faults, "frame and note lie over each other")) << ::testing::PrintToString(faults);
  // texts that only touch do not
  w.caption[0]->move(w.caption[1]->pos() - QPoint(0, w.caption[0]->height()));
  w.note->move(w.note->x(), w.frame->height());
  EXPECT_EQ(overlapping(&w.dialog), std::vector<std::string>{});
}

TEST(WindowChecks, AGridColumnWhoseMembersDoNotStartAtOneX) {
  Window w;
  w.field[1]->move(w.field[1]->pos() + QPoint(1, 0));
  EXPECT_EQ(unaligned(&w.dialog), std::vector<std::string>{}) << "a pixel of slack";
  w.field[1]->move(w.field[1]->pos() + QPoint(2, 0));
  const auto faults = unaligned(&w.dialog);
  ASSERT_EQ(faults.size(), 1u) << ::testing::PrintToString(faults);
  EXPECT_TRUE(names(faults, "grid column 1")) << faults[0];
}

TEST(WindowChecks, AWindowTallerThanTheScreenLeavesIt) {
  Window w;
  const QRect area = w.dialog.screen()->availableGeometry();
  w.dialog.setFixedSize(area.width() / 2, area.height() - 4);  // a title bar does not fit in 4 pixels
  w.dialog.move(area.topLeft());
  QApplication::processEvents();
  EXPECT_TRUE(names(offScreen(&w.dialog), "does not fit"));
}

}  // namespace
}  // namespace vm::ui::testing
