// The real windows, offscreen: one window per Calculator, modality, the
// main window's blink and exit, messages through the presenter, companions
// at their places and printing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "calculators/registry.h"
#include "shell/catalogue.h"
#include "ui/form_window.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/qt_util.h"

namespace {

using vm::OpenHow;
using vm::ui::FormWindow;
using vm::ui::MainWindow;
using vm::ui::MessageRequest;
using vm::ui::QtHost;

// A host whose message boxes are recorded instead of shown.
struct Fixture : ::testing::Test {
  Fixture() {
    host.setPresenter([this](QWidget* parent, const MessageRequest& m) {
      messages.push_back(m);
      parents.push_back(parent);
    });
    host.askPdfPath = [](QWidget*) { return QString(); };
    host.lastWindowClosed = [this] { ++ended; };
    host.setToday(vm::Date{2026, 12, 9});
  }
  ~Fixture() override {
    closeAll();
  }
  void closeAll() {
    for (FormWindow* w : host.windows()) w->form().close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  int windowsNamed(const std::string& form) const {
    int n = 0;
    for (FormWindow* w : host.windows()) n += w->form().name() == form;
    return n;
  }
  template <class W>
  W* widget(FormWindow* w, const char* name, int option = -1) {
    auto* x = qobject_cast<W*>(w->widgetOf(name, option));
    EXPECT_NE(x, nullptr) << name;
    return x;
  }

  QtHost host;
  std::vector<MessageRequest> messages;
  std::vector<QWidget*> parents;
  int ended = 0;
};

std::string captionOf(std::string_view form) { return vm::makeForm(form)->caption(); }

using EveryCommand = Fixture;

TEST_F(EveryCommand, OpensExactlyOneWindowWithItsCaptionAndModality) {
  MainWindow main(host);
  main.show();
  int commands = 0;
  for (const auto& e : vm::menuCatalogue()) {
    if (!e.isCommand()) continue;
    ++commands;
    const std::string form(e.form);
    SCOPED_TRACE(std::string(e.name) + " -> " + form);
    QAction* a = main.entry(e.name);
    ASSERT_NE(a, nullptr);
    a->trigger();
    FormWindow* w = host.window(form);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(windowsNamed(form), 1);
    EXPECT_EQ(w->windowTitle().toStdString(), captionOf(form));
    EXPECT_EQ(w->isModal(), *e.mode == OpenHow::Modal);
    EXPECT_EQ(w->windowModality(), *e.mode == OpenHow::Modal ? Qt::ApplicationModal : Qt::NonModal);
    EXPECT_TRUE(w->isVisible());
    // fixed size, no minimise or maximise button
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    // again: the open window comes forward, no second one
    EXPECT_EQ(host.openWindow(form, *e.mode), w);
    if (*e.mode == OpenHow::Modeless) a->trigger();
    EXPECT_EQ(host.window(form), w);
    EXPECT_EQ(windowsNamed(form), 1);
    closeAll();
  }
  EXPECT_EQ(commands, 211);
}

// Every command opens the Calculator it names, and everything the user
// types into, clicks or chooses in it is there as a widget.
TEST_F(EveryCommand, OpensItsOwnCalculatorWithAllItsControls) {
  int commands = 0;
  for (const auto& e : vm::menuCatalogue()) {
    if (!e.isCommand()) continue;
    ++commands;
    const std::string form(e.form);
    SCOPED_TRACE(std::string(e.name) + " -> " + form);
    FormWindow* w = host.openWindow(form, *e.mode);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->form().name(), form);
    for (int i = 0; i < w->form().count(); ++i) {
      const auto& d = w->form().def(i);
      if (d.kind == vm::Kind::Input || d.kind == vm::Kind::Button || d.kind == vm::Kind::List ||
          d.kind == vm::Kind::Options) {
        EXPECT_NE(w->widgetOf(i), nullptr) << d.name;
      }
    }
    closeAll();
  }
  EXPECT_EQ(commands, 211);
}

using Windows = Fixture;

TEST_F(Windows, ReopeningBringsBackTheOpenWindowWithItsContents) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  auto* input = widget<QLineEdit>(w, "txtinput");
  QTest::keyClicks(input, "12.5");
  EXPECT_EQ(w->form().state(w->form().find("txtinput")).text, "12.5");
  EXPECT_EQ(host.openWindow("frmbobine", OpenHow::Modeless), w);
  EXPECT_EQ(input->text(), "12.5");
  // closed and opened again: the load-time state
  QTest::mouseClick(widget<QPushButton>(w, "cmdesci"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(host.window("frmbobine"), nullptr);
  FormWindow* again = host.openWindow("frmbobine", OpenHow::Modeless);
  EXPECT_EQ(widget<QLineEdit>(again, "txtinput")->text(), "");
}

TEST_F(Windows, OptionsWithTooltipsOfTheirOwnShowThemAndTheOthersLeaveTheirsToTheFrame) {
  FormWindow* w = host.openWindow("frmERP", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  const QString own = QStringLiteral("IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE");
  for (int i = 0; i < 5; ++i) {
    QWidget* r = w->widgetOf("Option1", i);
    ASSERT_NE(r, nullptr) << i;
    EXPECT_EQ(r->toolTip(), i == 2 || i == 4 ? own : QString()) << i;
  }
  EXPECT_EQ(widget<QGroupBox>(w, "Frame1")->toolTip(), QStringLiteral("NATURALMENTE IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE"));
  // choosing another cable leaves every tooltip where it was
  QTest::mouseClick(w->widgetOf("Option1", 3), Qt::LeftButton);
  EXPECT_EQ(w->widgetOf("Option1", 4)->toolTip(), own);
  EXPECT_TRUE(w->widgetOf("Option1", 3)->toolTip().isEmpty());
}

TEST_F(Windows, AButtonTooLongForOneLineShowsItsWordsOnAFewLinesAndStaysWhole) {
  FormWindow* w = host.openWindow("frmtappedcapacitorauto", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  auto* b = widget<QPushButton>(w, "cmdchiamamanu");
  const QString declared = vm::ui::qs(w->form().state(w->form().find("cmdchiamamanu")).text);
  const QString shown = b->text();
  EXPECT_GE(shown.count(QLatin1Char('\n')), 1);
  // the same words in the same order, each line within half the screen
  EXPECT_EQ(shown.simplified(), declared.simplified());
  for (const QString& line : shown.split(QLatin1Char('\n'))) {
    EXPECT_FALSE(line.startsWith(QLatin1Char(' '))) << line.toStdString();
    EXPECT_LE(b->fontMetrics().horizontalAdvance(line), 640) << line.toStdString();
  }
  EXPECT_LE(b->sizeHint().width(), b->width());
  // a short text stays on its line
  EXPECT_EQ(widget<QPushButton>(w, "cmdesci")->text(), QStringLiteral("E S C I"));
}

TEST_F(Windows, AFrameShownWithLongResultsGivesEveryLineItsHeight) {
  FormWindow* w = host.openWindow("frmfattoreQ", OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  QTest::keyClicks(widget<QLineEdit>(w, "txtC"), "7.1");
  QTest::keyClicks(widget<QLineEdit>(w, "txtl"), "2.2");
  auto* r = widget<QLineEdit>(w, "txtr");
  r->clear();
  QTest::keyClicks(r, "220");
  QTest::mouseClick(widget<QPushButton>(w, "cmdcalcola"), Qt::LeftButton);
  QApplication::processEvents();
  for (const char* name : {"lblfrequenza", "lblqserie", "lbllbserie", "lblqparallelo", "lbllbparallelo"}) {
    auto* l = widget<QLabel>(w, name);
    ASSERT_TRUE(l->isVisibleTo(w)) << name;
    EXPECT_FALSE(l->text().isEmpty()) << name;
    EXPECT_LE(l->heightForWidth(l->width()), l->height()) << name << ": " << l->text().toStdString();
  }
}

TEST_F(Windows, OpeningAppliesTheFocusRuleAndShowsIt) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  auto* first = widget<QRadioButton>(w, "Option1", 0);
  EXPECT_TRUE(first->isChecked());
  EXPECT_EQ(w->focusWidget(), first);
  EXPECT_EQ(widget<QLabel>(w, "lblinput")->text().toStdString(), "induttanza in µH :");
  // Tab follows the table: the first input comes next
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_EQ(w->focusWidget(), w->widgetOf("txtinput"));
  EXPECT_EQ(w->form().focus().id, w->form().find("txtinput"));
}

TEST_F(Windows, TypingAndClickingGoThroughTheFormWithoutEchoes) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTest::keyClicks(widget<QLineEdit>(w, "txtinput"), "10");
  QTest::keyClicks(widget<QLineEdit>(w, "txtdiametro"), "20");
  QTest::keyClicks(widget<QLineEdit>(w, "txtlunghezza"), "20");
  QTest::mouseClick(widget<QPushButton>(w, "cmdcalcola"), Qt::LeftButton);
  auto* out = widget<QLabel>(w, "lbloutput");
  EXPECT_FALSE(out->isHidden());
  EXPECT_EQ(out->text().toStdString(), "26,9 spire in aria, filo con diametro massimo di mm. 0,74");
  EXPECT_TRUE(out->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_EQ(widget<QLabel>(w, "lbll")->text().toStdString(), "20 mm");
  // typing hides the results again
  QTest::keyClicks(widget<QLineEdit>(w, "txtlunghezza"), "5");
  EXPECT_TRUE(out->isHidden());
  EXPECT_EQ(widget<QLineEdit>(w, "txtlunghezza")->text().toStdString(), "205");
  // the other option, clicked
  auto* other = widget<QRadioButton>(w, "Option1", 1);
  QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(8, other->height() / 2));  // on its circle
  EXPECT_TRUE(widget<QRadioButton>(w, "Option1", 1)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(w, "Option1", 0)->isChecked());
  EXPECT_EQ(widget<QLabel>(w, "lblinput")->text().toStdString(), "numero di spire :");
  EXPECT_EQ(messages.size(), 0u);
}

TEST_F(Windows, CaptionLabelsAreTheBuddiesOfTheirInputs) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  EXPECT_EQ(widget<QLabel>(w, "lbldiametro")->buddy(), w->widgetOf("txtdiametro"));
  EXPECT_EQ(widget<QLineEdit>(w, "txtdiametro")->toolTip().toStdString(), "diametro del supporto");
}

TEST_F(Windows, AWarningGoesThroughThePresenterThenTheFocusToItsInput) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTest::mouseClick(widget<QPushButton>(w, "cmdcalcola"), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].prompt, "MANCANO DATI");
  EXPECT_EQ(messages[0].title, "MESSAGGIO DI ERRORE");
  EXPECT_EQ(messages[0].icon, vm::Icon::Warning);
  EXPECT_EQ(messages[0].form, "frmbobine");
  EXPECT_EQ(parents[0], w);
  EXPECT_EQ(w->focusWidget(), w->widgetOf("txtinput"));
}

TEST_F(Windows, SideBySideMovesTheCallerAndPlacesTheCompanion) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTest::mouseClick(widget<QPushButton>(w, "cmdchiamaawg"), Qt::LeftButton);
  FormWindow* awg = host.window("frmawg");
  ASSERT_NE(awg, nullptr);
  EXPECT_EQ(w->pos(), QPoint(QtHost::px(180), QtHost::px(180)));
  EXPECT_EQ(awg->pos(), QPoint(QtHost::px(4100), QtHost::px(3000)));
  EXPECT_FALSE(awg->isModal());
  EXPECT_EQ(windowsNamed("frmawg"), 1);
}

TEST_F(Windows, AWindowMovesAndResizesItselfInTwips) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  w->form().setGeometry(1440, 720, std::nullopt, std::nullopt);
  EXPECT_EQ(w->pos(), QPoint(QtHost::px(1440), QtHost::px(720)));
  w->form().setGeometry(std::nullopt, std::nullopt, 15000, 12000);
  EXPECT_GE(w->width(), QtHost::px(15000));
  EXPECT_GE(w->height(), QtHost::px(12000));
}

TEST_F(Windows, AnUnplacedWindowOpensCentred) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  const QRect area = w->screen()->availableGeometry();
  // the window counts with a title bar (offscreen windows have no frame of
  // their own, and move() places what would be the frame's corner)
  const QRect frame = w->geometry().adjusted(0, 0, 0, vm::ui::titleBarHeight(w->font()));
  EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 2);
  EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 2);
}

TEST_F(Windows, FromAModalWindowCompanionsOpenModal) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modal);
  EXPECT_TRUE(host.modalOpen());
  QTest::mouseClick(widget<QPushButton>(w, "cmdaprevhf"), Qt::LeftButton);
  FormWindow* vhf = host.window("frmmicrobobine");
  ASSERT_NE(vhf, nullptr);
  EXPECT_TRUE(vhf->isModal());
}

TEST_F(Windows, PrintingFrmbobineToAPdfFileGivesOnePage) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTemporaryDir dir;
  const QString path = dir.filePath("frmbobine.pdf");
  ASSERT_TRUE(host.printToPdf(w->form(), path));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>") +
                pdf.count("/Type /Page "),
            1);
  EXPECT_EQ(pdf.count("/Type /Pages"), 1);
}

TEST_F(Windows, WithoutAPrinterThePageIsOfferedAsAPdfFile) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed";
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTemporaryDir dir;
  const QString path = dir.filePath("pagina.pdf");
  int asked = 0;
  host.askPdfPath = [&](QWidget* parent) {
    ++asked;
    EXPECT_EQ(parent, w);
    return path;
  };
  host.print(w->form());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(QFile::exists(path));
  // declined: nothing is written and nothing breaks
  host.askPdfPath = [](QWidget*) { return QString(); };
  host.print(w->form());
  EXPECT_TRUE(w->isVisible());
}

TEST_F(Windows, ArrowsMoveWithinAGroupAndTheFocusRuleSelects) {
  FormWindow* w = host.openWindow("frmbobine", OpenHow::Modeless);
  QTest::keyClick(widget<QRadioButton>(w, "Option1", 0), Qt::Key_Down);
  EXPECT_TRUE(widget<QRadioButton>(w, "Option1", 1)->isChecked());
  EXPECT_EQ(w->focusWidget(), w->widgetOf("Option1", 1));
  EXPECT_EQ(widget<QLabel>(w, "lblinput")->text().toStdString(), "numero di spire :");
  QTest::keyClick(widget<QRadioButton>(w, "Option1", 1), Qt::Key_Up);
  EXPECT_TRUE(widget<QRadioButton>(w, "Option1", 0)->isChecked());
  EXPECT_EQ(widget<QLabel>(w, "lblinput")->text().toStdString(), "induttanza in µH :");
}

using MainWindowTest = Fixture;

TEST_F(MainWindowTest, CaptionTextsAndTooltips) {
  MainWindow main(host);
  EXPECT_EQ(main.windowTitle().toStdString(), "VELMORANTE    -   IL FOLVARIO");
  EXPECT_EQ(main.title()->text().toStdString(), "VELMORANTE");
  EXPECT_EQ(main.title()->toolTip().toStdString(), "clicca per fermare");
  auto* version = main.findChild<QLabel*>("LBLVERSIONE");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text().toStdString(), " vers. 2.15");
  EXPECT_EQ(version->toolTip().toStdString(), "maggio 2002");
  EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  auto* note = main.findChild<QLabel*>("lblrisoluzione");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text().toStdString(), "RISOLUZIONE 1280 x 1024");
  EXPECT_EQ(main.exitButton()->toolTip().toStdString(), "CHIUDI TUTTO");
  EXPECT_TRUE(main.exitButton()->text().isEmpty() || main.exitButton()->toolButtonStyle() == Qt::ToolButtonIconOnly);
  EXPECT_FALSE(main.exitButton()->icon().isNull());
}

TEST_F(MainWindowTest, TheTitleBlinksRedBlueEachSecondUntilClicked) {
  MainWindow main(host);
  main.show();
  auto colour = [&] { return main.title()->palette().color(QPalette::WindowText); };
  EXPECT_TRUE(main.blinkTimer().isActive());
  EXPECT_EQ(main.blinkTimer().interval(), 1000);
  const std::vector<QColor> expected = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 255)};
  EXPECT_EQ(colour(), expected[0]);
  for (std::size_t i = 1; i < expected.size(); ++i) {
    QMetaObject::invokeMethod(&main.blinkTimer(), "timeout");
    EXPECT_EQ(colour(), expected[i]) << "tick " << i;
  }
  QTest::mouseClick(main.title(), Qt::LeftButton);
  EXPECT_FALSE(main.blinkTimer().isActive());
  EXPECT_EQ(colour(), QColor(0, 0, 255));
  // a stray tick changes nothing any more
  QMetaObject::invokeMethod(&main.blinkTimer(), "timeout");
  EXPECT_EQ(colour(), QColor(0, 0, 255));
  // the menus keep working
  main.entry("mnubobine")->trigger();
  EXPECT_NE(host.window("frmbobine"), nullptr);
}

TEST_F(MainWindowTest, ExitClosesOnlyTheMainWindowAndTheLastWindowEndsTheProgram) {
  MainWindow main(host);
  main.show();
  main.entry("mnubobine")->trigger();
  FormWindow* coil = host.window("frmbobine");
  ASSERT_NE(coil, nullptr);
  QTest::mouseClick(main.exitButton(), Qt::LeftButton);
  EXPECT_FALSE(main.isVisible());
  EXPECT_TRUE(coil->isVisible());
  EXPECT_EQ(ended, 0);
  // the Calculator stays usable
  QTest::keyClicks(widget<QLineEdit>(coil, "txtinput"), "3");
  EXPECT_EQ(coil->form().state(coil->form().find("txtinput")).text, "3");
  QTest::mouseClick(widget<QPushButton>(coil, "cmdesci"), Qt::LeftButton);
  EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, ExitWithNothingElseOpenEndsTheProgram) {
  MainWindow main(host);
  main.show();
  QTest::mouseClick(main.exitButton(), Qt::LeftButton);
  EXPECT_EQ(ended, 1);
}

TEST_F(MainWindowTest, WhileAModalWindowIsOpenTheMainWindowDoesNotReact) {
  MainWindow main(host);
  main.show();
  main.entry("mnubobinepiatte")->trigger();  // modal
  ASSERT_TRUE(host.modalOpen());
  EXPECT_FALSE(main.command(vm::menuCatalogue()[0].isCommand() ? vm::menuCatalogue()[0]
                                                                : vm::menuCatalogue()[1]));
  main.entry("mnubobine")->trigger();
  EXPECT_EQ(host.window("frmbobine"), nullptr);
  QTest::mouseClick(main.title(), Qt::LeftButton);
  EXPECT_TRUE(main.blinkTimer().isActive());
  closeAll();
  main.entry("mnubobine")->trigger();
  EXPECT_NE(host.window("frmbobine"), nullptr);
}

TEST_F(MainWindowTest, AModalCommandForAWindowOpenModelessRaisesIt) {
  MainWindow main(host);
  main.show();
  FormWindow* w = host.openWindow("frmamidon", OpenHow::Modeless);  // as a companion opens it
  ASSERT_NE(w, nullptr);
  main.entry("mnunucleitoroidali")->trigger();  // the catalogue asks for it modal
  EXPECT_EQ(host.window("frmamidon"), w);
  EXPECT_EQ(windowsNamed("frmamidon"), 1);
  EXPECT_FALSE(w->isModal());
  EXPECT_FALSE(host.modalOpen());
}

}  // namespace
