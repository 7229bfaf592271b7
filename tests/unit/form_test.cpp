// The behaviour every window shares: focus rule, typing reactions, product
// test, failure guard, companions, printing and closing.
#include <gtest/gtest.h>

#include <cmath>

#include "calculators/registry.h"
#include "framework/headless.h"

namespace vm {
namespace {

// A small window that exercises the framework the way real ones do.
class Sample final : public CalculatorOf<Sample> {
 public:
  explicit Sample(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SAMPLE");
    b.frame("Frame1", "", [&] {
      mode_ = b.options("Option1", {"uno", "due"}).onClick([this](int i) {
        ++modeClicks;
        setText(caption_, i == 0 ? "primo" : "secondo");
      });
    });
    auto a = b.input("txta").label("lbla", "");
    a_ = a;
    caption_ = a.caption();
    b_ = b.input("txtb");
    b.button("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.button("cmdzero", "ZERO").onClick([this] {
      if (productTest({number(a_), number(b_)}, Product::Zero, b_)) setText(out_, "ok");
    });
    b.button("cmdpulisci", "PULISCI").onClick([this] { setText(b_, ""); });
    b.button("cmdawg", "AWG").onClick([this] { openBeside("frmawg", {.selfLeft = 180, .selfTop = 180, .left = 4100, .top = 3000}); });
    b.button("cmdvhf", "VHF").onClick([this] { openCompanion("frmmicrobobine"); });
    b.button("cmdavviso", "AVVISO").onClick([this] { openCompanion("frmavvertenza", Companion::Modal); });
    b.button("cmdaltro", "ALTRO").onClick([this] { openCompanion("frmaltro", Companion::Switch); });
    b.button("cmdstampa", "STAMPA").onClick([this] { printWindow({cmdesci_}); });
    cmdesci_ = b.closeButton("cmdesci", "E S C I");
    out_ = b.result("lblout", "risultato");
    b.onTyping({a_}, Typing::Hide, {out_});
    b.onTyping({b_}, Typing::Reset, {out_}, [this] { ++bChanges; });
    live_ = b.input("txtlive");
    liveOut_ = b.result("lbllive");
    b.live({live_}, {liveOut_}, [this] { setText(liveOut_, general(1 / number(live_))); });
  }

  void compute() {
    double a = number(a_), bb = number(b_);
    if (!productTest({a, bb}, Product::NotPositive, a_)) return;
    kept = a / bb;
    setText(out_, fixed(std::sqrt(a - bb), 2));
    show(out_);
  }

  Options mode_;
  Input a_, b_, live_;
  Label caption_, out_, liveOut_;
  Button cmdesci_;
  int modeClicks = 0, bChanges = 0;
  double kept = 0;
};

// A window whose first control is an input, with a group selected in its definition.
class Second final : public CalculatorOf<Second> {
 public:
  explicit Second(FormBuilder& b) : CalculatorOf(b) {
    b.caption("SECOND");
    in_ = b.input("txtx");
    g_ = b.options("Option1", {"a", "b", "c"}, 1).onClick([this](int) { ++clicks; });
    h_ = b.options("Option2", {"x", "y"}).selected(1);
    p_ = b.option("OptionA", "A").selected(0);
    q_ = b.option("OptionB", "B").exclusiveWith(p_);
  }
  Input in_;
  Options g_, h_, p_, q_;
  int clicks = 0;
};

struct Opened {
  std::unique_ptr<Form> form;
  HeadlessHost host;
  template <class C>
  static std::unique_ptr<Opened> make(bool modal = false) {
    auto o = std::make_unique<Opened>();
    o->form = build<C>("frmtest");
    o->form->open(o->host, Regional::italian(), modal);
    return o;
  }
  int id(std::string_view name) const { return form->find(name); }
  const ControlState& st(std::string_view name) const { return form->state(id(name)); }
  Sample& sample() { return static_cast<Sample&>(form->calculator()); }
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (auto& e : host.events)
      if (e.type == HostEvent::Type::Message) out.push_back(e.prompt + "|" + e.title);
    host.events.clear();
    return out;
  }
};

TEST(FocusRule, FirstOptionOfTheTabOrderIsSelectedOnOpening) {
  auto w = Opened::make<Sample>();
  EXPECT_EQ(w->st("Option1").selected, 0);
  EXPECT_EQ(w->sample().modeClicks, 1);
  EXPECT_EQ(w->st("lbla").text, "primo");
  EXPECT_EQ(w->form->focus(), (Focus{w->id("Option1"), 0}));
}

TEST(FocusRule, KeyboardSelectsMouseDoesNot) {
  auto w = Opened::make<Sample>();
  EXPECT_TRUE(w->form->focusByMouse(w->id("Option1"), 1));
  EXPECT_EQ(w->st("Option1").selected, 0);
  EXPECT_TRUE(w->form->focusByKeyboard(w->id("Option1"), 1));
  EXPECT_EQ(w->st("Option1").selected, 1);
  EXPECT_EQ(w->st("lbla").text, "secondo");
  EXPECT_EQ(w->sample().modeClicks, 2);
  // an option that is already selected does not react again
  EXPECT_TRUE(w->form->focusByKeyboard(w->id("Option1"), 1));
  EXPECT_EQ(w->sample().modeClicks, 2);
}

TEST(FocusRule, WindowStartingWithAnInputKeepsItsGroupsAsDefined) {
  auto w = Opened::make<Second>();
  auto& c = static_cast<Second&>(w->form->calculator());
  EXPECT_EQ(w->form->focus().id, w->id("txtx"));
  EXPECT_EQ(w->st("Option1").selected, -1);
  EXPECT_EQ(w->st("Option2").selected, 1);
  EXPECT_EQ(c.clicks, 0);
  // Tab into the group with nothing selected: its first option (index 1) is chosen
  w->form->tab();
  EXPECT_EQ(w->st("Option1").selected, 1);
  EXPECT_EQ(c.clicks, 1);
  // Tab into a group with a selection lands on the selected option
  w->form->tab();
  EXPECT_EQ(w->form->focus(), (Focus{w->id("Option2"), 1}));
  EXPECT_EQ(w->st("Option2").selected, 1);
}

TEST(FocusRule, SeparatelyNamedOptionsExcludeEachOther) {
  auto w = Opened::make<Second>();
  EXPECT_TRUE(w->form->click(w->id("OptionB")));
  EXPECT_EQ(w->st("OptionA").selected, -1);
  EXPECT_EQ(w->st("OptionB").selected, 0);
  EXPECT_TRUE(w->form->click(w->id("OptionA")));
  EXPECT_EQ(w->st("OptionA").selected, 0);
  EXPECT_EQ(w->st("OptionB").selected, -1);
  EXPECT_FALSE(w->form->click(w->id("Option1"), 0));  // there is no option 0 in a group from 1
}

TEST(Typing, HideResetAndChangeRunsOncePerWrite) {
  auto w = Opened::make<Sample>();
  w->form->type(w->id("txta"), "9");
  w->form->type(w->id("txtb"), "4");
  w->form->click(w->id("cmdcalcola"));
  EXPECT_EQ(w->st("lblout").text, "2,24");
  EXPECT_TRUE(w->st("lblout").visible);
  w->form->type(w->id("txta"), "1");
  EXPECT_FALSE(w->st("lblout").visible);
  EXPECT_EQ(w->st("lblout").text, "2,24");
  int before = w->sample().bChanges;
  w->form->click(w->id("cmdpulisci"));  // a reaction that clears an input runs its Change once
  EXPECT_EQ(w->sample().bChanges, before + 1);
  EXPECT_EQ(w->st("lblout").text, "risultato");
  w->form->click(w->id("cmdpulisci"));  // even when the text was already empty
  EXPECT_EQ(w->sample().bChanges, before + 2);
}

TEST(Typing, LiveBlanksSilentlyWhenItCannotShowANumber) {
  auto w = Opened::make<Sample>();
  w->form->type(w->id("txtlive"), "4");
  EXPECT_EQ(w->st("lbllive").text, "0,25");
  w->form->type(w->id("txtlive"), "0");
  EXPECT_EQ(w->st("lbllive").text, "");
  EXPECT_EQ(w->st("txtlive").text, "0");  // what the user typed stays
  EXPECT_TRUE(w->messages().empty());
}

TEST(ProductTest, BothVariants) {
  auto w = Opened::make<Sample>();
  // not-positive variant: zero and negative products warn, focus to the named input
  for (const char* b : {"0", "-2", "", "abc"}) {
    w->form->type(w->id("txta"), "3");
    w->form->type(w->id("txtb"), b);
    w->form->click(w->id("cmdcalcola"));
    EXPECT_EQ(w->messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"}) << b;
    EXPECT_EQ(w->form->focus().id, w->id("txta"));
  }
  // zero variant: a zero warns, a negative product does nothing at all
  w->form->type(w->id("txtb"), "-2");
  w->form->click(w->id("cmdzero"));
  EXPECT_TRUE(w->messages().empty());
  EXPECT_EQ(w->form->focus().id, w->id("cmdzero"));
  EXPECT_EQ(w->st("lblout").text, "risultato");
  w->form->type(w->id("txtb"), "0");
  w->form->click(w->id("cmdzero"));
  EXPECT_EQ(w->messages(), std::vector<std::string>{"MANCANO DATI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w->form->focus().id, w->id("txtb"));
}

TEST(FailureGuard, RestoresEverythingAndWarnsAfterAClick) {
  auto w = Opened::make<Sample>();
  w->form->type(w->id("txta"), "9");
  w->form->type(w->id("txtb"), "4");
  w->form->click(w->id("cmdcalcola"));
  ASSERT_EQ(w->sample().kept, 2.25);
  w->messages();
  // sqrt(1 - 4) is not a number: the kept ratio and the result stay as they were
  w->form->type(w->id("txta"), "1");
  w->form->click(w->id("cmdcalcola"));
  EXPECT_EQ(w->messages(), std::vector<std::string>{"DATI NON VALIDI|MESSAGGIO DI ERRORE"});
  EXPECT_EQ(w->sample().kept, 2.25);
  EXPECT_EQ(w->st("lblout").text, "2,24");
  EXPECT_FALSE(w->st("lblout").visible);  // hidden by the typing, before the click
  EXPECT_EQ(w->form->focus().id, w->id("cmdcalcola"));
}

TEST(Companions, PlainModalSideBySideAndSwitch) {
  auto w = Opened::make<Sample>();
  w->form->click(w->id("cmdawg"));
  ASSERT_EQ(w->host.events.size(), 2u);
  EXPECT_EQ(w->host.events[0].type, HostEvent::Type::Move);
  EXPECT_EQ(*w->host.events[0].left, 180);
  EXPECT_EQ(w->host.events[1].form, "frmawg");
  EXPECT_EQ(w->host.events[1].how, OpenHow::Modeless);
  EXPECT_EQ(*w->host.events[1].left, 4100);
  EXPECT_EQ(*w->host.events[1].top, 3000);
  w->host.events.clear();
  w->form->click(w->id("cmdavviso"));
  EXPECT_EQ(w->host.events.at(0).how, OpenHow::Modal);
  w->host.events.clear();
  w->form->click(w->id("cmdaltro"));
  ASSERT_EQ(w->host.events.size(), 2u);
  EXPECT_EQ(w->host.events[0].type, HostEvent::Type::Close);
  EXPECT_EQ(w->host.events[1].form, "frmaltro");
  EXPECT_FALSE(w->form->isOpen());
  EXPECT_FALSE(w->form->click(w->id("cmdcalcola")));  // a closed window takes no events
}

TEST(Companions, FromAModalWindowCompanionsOpenModal) {
  auto w = Opened::make<Sample>(true);
  w->form->click(w->id("cmdvhf"));
  EXPECT_EQ(w->host.events.at(0).how, OpenHow::Modal);
  w->host.events.clear();
  w->form->click(w->id("cmdawg"));
  EXPECT_EQ(w->host.events.at(1).how, OpenHow::Modal);
}

// Printing hides the named controls only while the page is printed.
class PrintWatcher : public HeadlessHost {
 public:
  void print(Form& f) override {
    visibleWhilePrinting = f.state(f.find("cmdesci")).visible;
    HeadlessHost::print(f);
  }
  bool visibleWhilePrinting = true;
};

TEST(Printing, HidesControlsWhilePrinting) {
  auto f = build<Sample>("frmsample");
  PrintWatcher host;
  f->open(host, Regional::italian(), false);
  f->click(f->find("cmdstampa"));
  EXPECT_FALSE(host.visibleWhilePrinting);
  EXPECT_TRUE(f->state(f->find("cmdesci")).visible);
  EXPECT_EQ(host.events.back().type, HostEvent::Type::Print);
}

TEST(Lifecycle, ReopeningStartsFromTheLoadTimeState) {
  auto w = Opened::make<Sample>();
  w->form->type(w->id("txta"), "9");
  w->form->click(w->id("Option1"), 1);
  w->form->click(w->id("cmdesci"));
  EXPECT_FALSE(w->form->isOpen());
  auto again = Opened::make<Sample>();
  EXPECT_EQ(again->st("txta").text, "");
  EXPECT_EQ(again->st("Option1").selected, 0);
  EXPECT_EQ(again->sample().kept, 0);
}

TEST(Events, HiddenOrUnknownControlsTakeNothing) {
  auto w = Opened::make<Sample>();
  EXPECT_FALSE(w->form->type(w->id("lblout"), "1"));
  EXPECT_FALSE(w->form->click(-1));
  EXPECT_FALSE(w->form->click(w->form->count()));
  w->form->click(w->id("cmdcalcola"));  // warns: empty inputs
  EXPECT_EQ(w->form->focus().id, w->id("txta"));
}

}  // namespace
}  // namespace vm

namespace vm {
namespace {

class Folded final : public CalculatorOf<Folded> {
 public:
  explicit Folded(FormBuilder& b) : CalculatorOf(b) {
    b.caption("FOLDED");
    b.size(7000, 4900);
    b.button("cmdgrande", "GRANDE").onClick([this] { setGeometry(100, 100, 7000, 6700); });
    b.button("cmdpiccola", "PICCOLA").onClick([this] { setGeometry(100, 100, 7000, 4900); });
    b.fold();
    b.result("lblsotto", "sotto");
  }
};

TEST(Fold, ControlsBelowTheDesignHeightShowOnlyWhileTheWindowIsTaller) {
  auto f = build<Folded>("frmfolded");
  HeadlessHost host;
  f->open(host, Regional::italian(), false);
  const int below = f->find("lblsotto");
  EXPECT_TRUE(f->belowFold(below));
  EXPECT_FALSE(f->belowFold(f->find("cmdgrande")));
  EXPECT_FALSE(f->foldOpen());
  f->click(f->find("cmdgrande"));
  EXPECT_TRUE(f->foldOpen());
  EXPECT_TRUE(f->state(below).visible);  // its own setting never changes
  f->click(f->find("cmdpiccola"));
  EXPECT_FALSE(f->foldOpen());
}

}  // namespace
}  // namespace vm

namespace vm {
namespace {

// Options from 1 to 3, the second with a tooltip of its own.
class OwnTips final : public CalculatorOf<OwnTips> {
 public:
  explicit OwnTips(FormBuilder& b) : CalculatorOf(b) {
    b.caption("PROVA");
    b.options("Option1", {"a", "b", "c"}, 1).tooltip("del gruppo").optionTooltip(2, "della seconda");
  }
};

class TipOfNoOption final : public CalculatorOf<TipOfNoOption> {
 public:
  explicit TipOfNoOption(FormBuilder& b) : CalculatorOf(b) {
    b.options("Option1", {"a", "b"}).optionTooltip(2, "fuori");
  }
};

TEST(OptionTooltips, AnOptionsOwnTooltipIsKeptByItsIndexBesideTheGroups) {
  auto f = build<OwnTips>("frmprova");
  const auto& st = f->state(f->find("Option1"));
  EXPECT_EQ(st.tooltip, "del gruppo");
  ASSERT_EQ(st.optionTooltips.size(), 3u);
  EXPECT_EQ(st.optionTooltips[0], "");
  EXPECT_EQ(st.optionTooltips[1], "della seconda");
  EXPECT_EQ(st.optionTooltips[2], "");
}

TEST(OptionTooltips, ATooltipForAnOptionTheGroupDoesNotHaveIsAProgrammingError) {
  EXPECT_THROW(build<TipOfNoOption>("frmprova"), std::logic_error);
}

}  // namespace
}  // namespace vm
