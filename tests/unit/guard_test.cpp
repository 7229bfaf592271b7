// The failure guard: arithmetic failures are put back and reported as the
// window's own warning; programming errors fail loudly; host requests wait
// for the reaction to succeed; a written input reacts as if typed.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <stdexcept>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "framework/steps.h"

namespace vm {
namespace {

class Guarded final : public CalculatorOf<Guarded> {
 public:
  explicit Guarded(FormBuilder& b) : CalculatorOf(b) {
    b.caption("GUARDED");
    x_ = b.input("txtx");
    // a design text formatted while the window is declared
    out_ = b.result("lblout", general(1.5));
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] {
      ++computed;
      setText(out_, general(1 / number(x_)));
    });
    b.button("cmdbug", "BUG").onClick([this] {
      setText(out_, "changed");
      Label never;
      setText(never, "x");  // a handle that was never declared
    });
    b.button("cmdlogic", "LOGIC").onClick([this] {
      setText(out_, "changed");
      throw std::logic_error("a programming error");
    });
    b.button("cmdmove", "MOVE").onClick([this] {
      setGeometry(100, 200, 3000, 4000);
      openCompanion("frmbobine");
      printWindow();
      setText(out_, general(std::sqrt(number(x_))));
    });
    b.button("cmdscrivi", "SCRIVI").onClick([this] {
      setText(done_, "scritto");
      setText(live_, text(x_));
    });
    b.button("cmdchiudi", "CHIUDI").onClick([this] {
      close();
      setText(out_, general(std::log(number(x_))));
    });
    live_ = b.input("txtlive");
    liveOut_ = b.result("lbllive");
    done_ = b.result("lbldone");
    b.live({live_}, {liveOut_}, [this] { setText(liveOut_, general(1 / number(live_))); });
    b.closeButton("cmdesci", "ESCI");
  }
  Input x_, live_;
  Label out_, liveOut_, done_;
  int computed = 0;
};

struct Opened {
  std::unique_ptr<Form> form = build<Guarded>("frmguarded");
  HeadlessHost host;
  Opened() { form->open(host, Regional::italian(), false); }
  void step(std::string_view s) { applyStep(*form, s); }
  const std::string& text(std::string_view name) const { return form->state(form->find(name)).text; }
  Guarded& calc() { return static_cast<Guarded&>(form->calculator()); }
  std::vector<HostEvent::Type> types() const {
    std::vector<HostEvent::Type> t;
    for (const auto& e : host.events) t.push_back(e.type);
    return t;
  }
};

TEST(Guard, HelpersWorkWhileTheWindowIsDeclared) {
  Opened w;
  EXPECT_EQ(w.text("lblout"), "1,5");
}

TEST(Guard, AnArithmeticFailureWarnsAndChangesNothing) {
  Opened w;
  w.step("txtx=0");
  w.step("click:cmdcalcola");
  EXPECT_EQ(w.text("lblout"), "1,5");
  EXPECT_EQ(w.calc().computed, 0) << "kept values are put back too";
  ASSERT_EQ(w.host.events.size(), 1u);
  EXPECT_EQ(w.host.events[0].prompt, "DATI NON VALIDI");
  EXPECT_EQ(focusName(*w.form), "cmdcalcola");
}

TEST(Guard, AProgrammingErrorFailsLoudlyAndLeavesTheWindowAsItWas) {
  Opened w;
  EXPECT_THROW(w.step("click:cmdbug"), std::out_of_range);
  EXPECT_EQ(w.text("lblout"), "1,5");
  EXPECT_THROW(w.step("click:cmdlogic"), std::logic_error);
  EXPECT_EQ(w.text("lblout"), "1,5");
  EXPECT_TRUE(w.host.events.empty()) << "a bug is never shown as invalid data";
}

// A host that goes on after a programming error, as the desktop program does.
class Forgiving : public HeadlessHost {
 public:
  bool fault(Form&, const std::string& event, const std::string& what) override {
    events.push_back(event);
    faults.push_back(what);
    return true;
  }
  std::vector<std::string> events, faults;
};

TEST(Guard, AForgivingHostHearsOfTheBugAndTheWindowStaysUsable) {
  auto form = build<Guarded>("frmguarded");
  Forgiving host;
  form->open(host, Regional::italian(), false);
  EXPECT_NO_THROW(applyStep(*form, "click:cmdlogic"));
  ASSERT_EQ(host.faults.size(), 1u);
  EXPECT_EQ(host.faults[0], "a programming error");
  EXPECT_EQ(host.events[0], "clic su \"LOGIC\" (cmdlogic)");
  EXPECT_EQ(form->state(form->find("lblout")).text, "1,5");
  applyStep(*form, "txtx=4");
  applyStep(*form, "click:cmdcalcola");
  EXPECT_EQ(form->state(form->find("lblout")).text, "0,25");
}

TEST(Guard, HostRequestsOfAFailedReactionAreNeverCarriedOut) {
  Opened w;
  w.step("txtx=-1");
  w.step("click:cmdmove");
  // only the warning: no move, no resize, no companion, no print
  ASSERT_EQ(w.types(), std::vector<HostEvent::Type>{HostEvent::Type::Message});
  EXPECT_FALSE(w.form->geometry().left.has_value()) << "the model's geometry agrees with the host's";
  EXPECT_FALSE(w.form->geometry().width.has_value());
}

TEST(Guard, HostRequestsOfASuccessfulReactionFollowInOrder) {
  Opened w;
  w.step("txtx=4");
  w.step("click:cmdmove");
  using T = HostEvent::Type;
  EXPECT_EQ(w.types(), (std::vector<T>{T::Resize, T::Move, T::Open, T::Print}));
  EXPECT_EQ(w.form->geometry().left, 100);
  EXPECT_EQ(w.form->geometry().height, 4000);
  EXPECT_EQ(w.text("lblout"), "2");
}

TEST(Guard, AFailedReactionThatClosedTheWindowLeavesItOpen) {
  Opened w;
  w.step("txtx=0");
  w.step("click:cmdchiudi");
  EXPECT_TRUE(w.form->isOpen());
  ASSERT_EQ(w.types(), std::vector<HostEvent::Type>{HostEvent::Type::Message});
  w.step("txtx=1");
  w.step("click:cmdchiudi");
  EXPECT_FALSE(w.form->isOpen());
  EXPECT_EQ(w.types().back(), HostEvent::Type::Close);
}

TEST(Guard, AWrittenInputFailsAsIfTypedWithoutUndoingTheClick) {
  Opened typed;
  typed.step("txtlive=4");
  typed.step("txtlive=0");
  EXPECT_EQ(typed.text("lbllive"), "") << "typing a value that cannot be shown blanks the result";
  EXPECT_TRUE(typed.host.events.empty());

  Opened written;
  written.step("txtlive=4");
  written.step("txtx=0");
  written.step("click:cmdscrivi");
  EXPECT_EQ(written.text("txtlive"), "0");
  EXPECT_EQ(written.text("lbllive"), "") << "exactly as typed";
  EXPECT_EQ(written.text("lbldone"), "scritto") << "the click itself stands";
  EXPECT_TRUE(written.host.events.empty()) << "no warning for a live failure";
}

TEST(Guard, PrintingShowsTheWindowAsItWasWhenAsked) {
  // the hidden controls are hidden in the printed image and shown again after
  class Printer : public HeadlessHost {
   public:
    void print(Form& f) override {
      HeadlessHost::print(f);
      closeVisible = f.state(f.find("cmdesci")).visible;
    }
    bool closeVisible = true;
  };
  class Printing final : public CalculatorOf<Printing> {
   public:
    explicit Printing(FormBuilder& b) : CalculatorOf(b) {
      b.caption("PRINTING");
      b.button("cmdstampa", "STAMPA").onClick([this] { printWindow({esci_}); });
      esci_ = b.closeButton("cmdesci", "ESCI");
    }
    Button esci_;
  };
  auto form = build<Printing>("frmprinting");
  Printer host;
  form->open(host, Regional::italian(), false);
  applyStep(*form, "click:cmdstampa");
  EXPECT_FALSE(host.closeVisible);
  EXPECT_TRUE(form->state(form->find("cmdesci")).visible);
}

// What a window asks of the world, with each message and the moment its
// host was told that all of a reaction's effects are done.
class Recorder : public HeadlessHost {
 public:
  void message(Form& f, const std::string& prompt, const std::string& title, Icon icon) override {
    HeadlessHost::message(f, prompt, title, icon);
    log.push_back("message " + prompt);
  }
  void open(Form& f, const std::string& name, OpenHow how, std::optional<std::pair<int, int>> at) override {
    HeadlessHost::open(f, name, how, at);
    log.push_back("open " + name);
  }
  void close(Form& f) override {
    HeadlessHost::close(f);
    log.push_back("close");
  }
  void print(Form& f) override {
    if (failPrint) throw std::runtime_error("no paper");
    HeadlessHost::print(f);
    log.push_back("print");
  }
  void settled(Form&) override { log.push_back("settled"); }
  bool fault(Form&, const std::string& event, const std::string& what) override {
    log.push_back("fault " + event + ": " + what);
    return forgiving;
  }
  std::vector<std::string> log;
  bool forgiving = false;
  bool failPrint = false;
};

class Effects final : public CalculatorOf<Effects> {
 public:
  explicit Effects(FormBuilder& b) : CalculatorOf(b) {
    b.caption("EFFECTS");
    x_ = b.input("txtx");
    out_ = b.result("lblout", "vuoto");
    b.button("cmdcorreggi", "CORREGGI").onClick([this] {
      warn("VALORE CORRETTO", "AVVISO");
      setText(x_, "1");
      ++kept;
      setText(out_, general(std::log(number(y_))));
    });
    b.button("cmdavvisa", "AVVISA").onClick([this] {
      openCompanion("frmbobine");
      warn("PRIMA LA FINESTRA", "AVVISO", x_);
      setText(out_, "fatto");
    });
    b.button("cmdscambia", "SCAMBIA").onClick([this] { openCompanion("frmawg", Companion::Switch); });
    b.button("cmdstrano", "STRANO").onClick([this] {
      setText(out_, "cambiato");
      throw 42;  // not even a standard exception
    });
    b.button("cmdstampa", "STAMPA").onClick([this] {
      setText(out_, "stampato");
      printWindow({esci_});
    });
    y_ = b.input("txty");
    esci_ = b.closeButton("cmdesci", "ESCI");
  }
  Input x_, y_;
  Label out_;
  Button esci_;
  int kept = 0;
};

struct Effected {
  std::unique_ptr<Form> form = build<Effects>("frmeffects");
  Recorder host;
  Effected(bool forgiving = false) {
    host.forgiving = forgiving;
    form->open(host, Regional::italian(), false);
    host.log.clear();
  }
  const std::string& text(std::string_view name) const { return form->state(form->find(name)).text; }
};

TEST(Transaction, AFailedReactionShowsOnlyItsOwnFailure) {
  Effected w;
  applyStep(*w.form, "txty=0");
  w.host.log.clear();
  applyStep(*w.form, "click:cmdcorreggi");
  // the warning announced a correction that the failure took back: it is never shown
  EXPECT_EQ(w.host.log, (std::vector<std::string>{"message DATI NON VALIDI", "settled"}));
  EXPECT_EQ(w.text("txtx"), "");
  EXPECT_EQ(w.text("lblout"), "vuoto");
  EXPECT_EQ(static_cast<Effects&>(w.form->calculator()).kept, 0);
  applyStep(*w.form, "txty=1");
  w.host.log.clear();
  applyStep(*w.form, "click:cmdcorreggi");
  EXPECT_EQ(w.host.log, (std::vector<std::string>{"message VALORE CORRETTO", "settled"}));
  EXPECT_EQ(w.text("txtx"), "1");
}

TEST(Transaction, MessagesFollowTheOtherRequestsInOrder) {
  Effected w;
  applyStep(*w.form, "click:cmdavvisa");
  EXPECT_EQ(w.host.log, (std::vector<std::string>{"open frmbobine", "message PRIMA LA FINESTRA", "settled"}));
  EXPECT_EQ(focusName(*w.form), "txtx");
  EXPECT_EQ(w.text("lblout"), "fatto");
}

TEST(Transaction, AWindowThatSwitchesIsClosedAndTheOtherOpenedBeforeTheHostSettles) {
  Effected w;
  applyStep(*w.form, "click:cmdscambia");
  EXPECT_EQ(w.host.log, (std::vector<std::string>{"close", "open frmawg", "settled"}));
}

TEST(Transaction, AnExceptionOfAnyKindPutsTheWindowBackAndLaterReactionsAct) {
  Effected loud;
  EXPECT_ANY_THROW(applyStep(*loud.form, "click:cmdstrano"));
  EXPECT_EQ(loud.text("lblout"), "vuoto");
  // the reactions after it are transactions of their own again: their requests are carried out
  loud.host.log.clear();
  applyStep(*loud.form, "click:cmdavvisa");
  EXPECT_EQ(loud.host.log.front(), "open frmbobine");

  Effected forgiving(true);
  applyStep(*forgiving.form, "click:cmdstrano");
  EXPECT_EQ(forgiving.host.log,
            (std::vector<std::string>{"fault clic su \"STRANO\" (cmdstrano): eccezione sconosciuta", "settled"}));
  EXPECT_EQ(forgiving.text("lblout"), "vuoto");
  forgiving.host.log.clear();
  applyStep(*forgiving.form, "click:cmdscambia");
  EXPECT_EQ(forgiving.host.log, (std::vector<std::string>{"close", "open frmawg", "settled"}));
}

TEST(Transaction, AFailedPrintBringsTheWindowBack) {
  Effected loud;
  loud.host.failPrint = true;
  EXPECT_THROW(applyStep(*loud.form, "click:cmdstampa"), std::runtime_error);
  EXPECT_TRUE(loud.form->state(loud.form->find("cmdesci")).visible) << "shown again after the failed print";

  Effected forgiving(true);
  forgiving.host.failPrint = true;
  applyStep(*forgiving.form, "click:cmdstampa");
  EXPECT_EQ(forgiving.host.log, (std::vector<std::string>{"fault stampa: no paper", "settled"}));
  EXPECT_TRUE(forgiving.form->state(forgiving.form->find("cmdesci")).visible);
  EXPECT_EQ(forgiving.text("lblout"), "stampato") << "the reaction itself had succeeded";
  forgiving.host.failPrint = false;
  forgiving.host.log.clear();
  applyStep(*forgiving.form, "click:cmdstampa");
  EXPECT_EQ(forgiving.host.log, (std::vector<std::string>{"print", "settled"}));
}

TEST(Guard, SixteenBitConversionIgnoresTheRoundingMode) {
  EXPECT_EQ(toInt16(2.5), 2);
  EXPECT_EQ(toInt16(3.5), 4);
  EXPECT_EQ(toInt16(-2.5), -2);
  EXPECT_EQ(toInt16(-3.5), -4);
  EXPECT_EQ(toInt16(2.4999), 2);
  EXPECT_EQ(toInt16(32767.4), 32767);
  EXPECT_EQ(toInt16(-32768.5), -32768);
  EXPECT_THROW(toInt16(32767.5), ArithmeticFailure);
  EXPECT_THROW(toInt16(-32768.6), ArithmeticFailure);
}

// ---------------------------------------------------------------- steps

TEST(Steps, TheGrammarRefusesWhatItDoesNotKnow) {
  Opened w;
  for (const char* bad : {"click:", "click:nessuno", "pick:txtx:0", "txtnessuno=1", "=1", "nulla", "click:cmdcalcola:x",
                          "focus:Option9", "pick:cmdcalcola=uno"})
    EXPECT_THROW(applyStep(*w.form, bad), StepError) << bad;
}

TEST(Steps, AHiddenControlRefusesTheEvent) {
  Opened w;
  w.form->setVisible(w.form->find("cmdcalcola"), false);
  EXPECT_FALSE(applyStep(*w.form, "click:cmdcalcola"));
  EXPECT_TRUE(applyStep(*w.form, "txtx=3"));
}

}  // namespace
}  // namespace vm
