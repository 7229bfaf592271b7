// Nothing a user does ends the program: a window that switches itself for
// another after the main window has closed, and programming errors met in a
// reaction, the curve, printing or a search hit, each shown as a critical box
// while the program goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/headless.h"
#include "framework/registry.h"
#include "shell/catalogue.h"
#include "calculators/registry.h"
#include "ui/form_window.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/sweep_dialog.h"

namespace {

using vm::ui::FormWindow;
using vm::ui::MainWindow;
using vm::ui::MessageRequest;
using vm::ui::QtHost;

// A window with a bug: its compute button fails for values above 5.
class Faulty final : public vm::CalculatorOf<Faulty> {
 public:
  explicit Faulty(vm::FormBuilder& b) : CalculatorOf(b) {
    b.caption("GUASTO");
    x_ = b.input("txtx").label("lblx", "VALORE");
    out_ = b.result("lblout");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] {
      if (number(x_) > 5) throw std::logic_error("indice fuori dai limiti");
      setText(out_, general(number(x_)));
    });
    b.button("cmdstampa", "STAMPA").onClick([this] { printWindow({esci_}); });
    esci_ = b.closeButton("cmdesci", "ESCI");
  }
  vm::Input x_;
  vm::Label out_;
  vm::Button esci_;
};

struct Faults : ::testing::Test {
  Faults() {
    host.setPresenter([this](QWidget*, const MessageRequest& m) { boxes.push_back(m); });
    host.askPdfPath = [](QWidget*) { return QString(); };
    host.lastWindowClosed = [this] { ++ended; };
    host.forms = [](std::string_view name) -> std::unique_ptr<vm::Form> {
      if (name == "frmguasto") return vm::build<Faulty>(name);
      return vm::makeForm(name);
    };
  }
  ~Faults() override {
    for (FormWindow* w : host.windows()) w->form().close();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "frmgrafico") delete w;
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QPushButton* button(FormWindow* w, const char* name) {
    auto* b = qobject_cast<QPushButton*>(w->widgetOf(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
  }
  // The one box shown, a critical one naming the window and what was done.
  void expectFault(const std::string& window, const std::string& event) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "ERRORE INTERNO");
    EXPECT_EQ(boxes[0].icon, vm::Icon::Critical);
    EXPECT_NE(boxes[0].prompt.find(window), std::string::npos) << boxes[0].prompt;
    EXPECT_NE(boxes[0].prompt.find(event), std::string::npos) << boxes[0].prompt;
    boxes.clear();
  }

  QtHost host;
  std::vector<MessageRequest> boxes;
  int ended = 0;
};

struct Switch {
  std::string form, button, target;
};

// The buttons that close their window and open another in its place,
// found by pressing every button of every window.
std::vector<Switch> switches() {
  std::vector<Switch> out;
  for (const auto& e : vm::calculators()) {
    auto probe = e.make();
    for (int id = 0; id < probe->count(); ++id) {
      if (probe->def(id).kind != vm::Kind::Button || probe->def(id).closes) continue;
      auto f = e.make();
      vm::HeadlessHost h;
      f->open(h, vm::Regional::italian(), false);
      h.events.clear();
      if (!f->click(id)) continue;
      for (std::size_t k = 1; k < h.events.size(); ++k)
        if (h.events[k - 1].type == vm::HostEvent::Type::Close && h.events[k].type == vm::HostEvent::Type::Open)
          out.push_back({std::string(e.form), f->qualifiedName(id), h.events[k].form});
    }
  }
  return out;
}

TEST_F(Faults, AWindowSwitchesForAnotherAfterTheMainWindowHasClosed) {
  const auto all = switches();
  ASSERT_GE(all.size(), 3u) << "the band-pass information and the tapped-capacitor windows switch";
  for (const auto& s : all) {
    SCOPED_TRACE(s.form + " " + s.button + " -> " + s.target);
    MainWindow main(host);
    main.show();
    FormWindow* w = host.openWindow(s.form, vm::catalogueMode(s.form).value_or(vm::OpenHow::Modeless));
    ASSERT_NE(w, nullptr);
    main.close();
    ASSERT_EQ(ended, 0) << "a window is still open";
    button(w, s.button.c_str())->click();
    EXPECT_EQ(ended, 0) << "the program ended instead of switching";
    EXPECT_EQ(host.window(s.form), nullptr);
    FormWindow* other = host.window(s.target);
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(other->isVisible());
    other->form().close();
    EXPECT_EQ(ended, 1) << "the last window closed";
    ended = 0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(Faults, ABugInAReactionIsShownAndTheWindowGoesOn) {
  FormWindow* w = host.openWindow("frmguasto", vm::OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  auto* x = qobject_cast<QLineEdit*>(w->widgetOf("txtx"));
  ASSERT_NE(x, nullptr);
  QTest::keyClicks(x, "6");
  button(w, "cmdcalcola")->click();
  expectFault("GUASTO (frmguasto)", "clic su \"CALCOLA\" (cmdcalcola)");
  x->clear();
  QTest::keyClicks(x, "4");
  button(w, "cmdcalcola")->click();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(w->form().state(w->form().find("lblout")).text, "4");
}

TEST_F(Faults, ABugMetByTheCurveIsShownAndTheDialogStays) {
  FormWindow* w = host.openWindow("frmguasto", vm::OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  vm::ui::showSweepDialog(w->form(), w, host);
  QWidget* dialog = nullptr;
  for (QWidget* t : QApplication::topLevelWidgets())
    if (t->objectName() == "frmgrafico") dialog = t;
  ASSERT_NE(dialog, nullptr);
  QPushButton* draw = nullptr;
  for (auto* b : dialog->findChildren<QPushButton*>())
    if (b->text() == "TRACCIA") draw = b;
  ASSERT_NE(draw, nullptr);
  draw->click();  // from 0 to 10: the window fails above 5
  expectFault("GUASTO (frmguasto)", "grafico al variare di VALORE");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(w->form().isOpen());
}

TEST_F(Faults, ABugWhilePrintingIsShownAndTheWindowComesBack) {
  host.askPdfPath = [](QWidget*) -> QString { throw std::runtime_error("disco pieno"); };
  FormWindow* w = host.openWindow("frmguasto", vm::OpenHow::Modeless);
  ASSERT_NE(w, nullptr);
  button(w, "cmdstampa")->click();
  expectFault("GUASTO (frmguasto)", "stampa");
  EXPECT_TRUE(w->form().state(w->form().find("cmdesci")).visible);
  EXPECT_FALSE(button(w, "cmdesci")->isHidden()) << "the buttons hidden for the page are shown again";
}

TEST_F(Faults, ABugInASearchHitIsShownAndTheMainWindowGoesOn) {
  host.forms = [](std::string_view name) -> std::unique_ptr<vm::Form> {
    if (name == "frmbobine") throw std::logic_error("finestra non costruita");
    return vm::makeForm(name);
  };
  MainWindow main(host);
  main.show();
  auto* search = main.findChild<QLineEdit*>("txtcerca");
  ASSERT_NE(search, nullptr);
  search->setText("Costr. Bobine per HF");
  QTest::keyClick(search, Qt::Key_Return);
  expectFault("(frmbobine)", "apertura dal menu");
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(ended, 0);
  search->setText("Costr. Bobine per VHF");
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_TRUE(boxes.empty());
  EXPECT_NE(host.window("frmmicrobobine"), nullptr);
}

}  // namespace
