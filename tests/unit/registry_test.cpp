// Properties every registered window shares.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "shell/catalogue.h"

namespace vm {
namespace {

TEST(Registry, NamesAreUniqueAndMatchTheirWindows) {
  std::set<std::string> seen;
  for (const auto& e : calculators()) {
    EXPECT_TRUE(seen.insert(std::string(e.form)).second) << e.form;
    auto f = e.make();
    EXPECT_EQ(f->name(), e.form);
    EXPECT_FALSE(f->caption().empty()) << e.form;
  }
}

TEST(Registry, AnUnknownNameFailsLoudly) {
  EXPECT_EQ(findCalculator("frmnessuna"), nullptr);
  EXPECT_THROW(makeForm("frmnessuna"), std::logic_error);
  ASSERT_FALSE(calculators().empty());
  EXPECT_EQ(findCalculator(calculators().back().form), &calculators().back());
}

TEST(Registry, EveryMenuCommandOpensARegisteredWindow) {
  for (const auto& e : menuCatalogue()) {
    if (e.isCommand()) {
      EXPECT_NE(findCalculator(e.form), nullptr) << e.name << " opens " << e.form;
    }
  }
}

// Opens a window as every test here does: Italian format, modeless.
void open(Form& f, Host& host) { f.open(host, Regional::italian(), false); }

// Every window a window opens: found by pressing each of its buttons,
// clickable labels and pictures on a fresh window, in the load state and
// after a first move (choosing an option of a group, or pressing one of
// them), each with and without a value typed in every input.
std::set<std::string> companionsOf(const CalculatorEntry& e) {
  auto pressable = [](const ControlDef& d) { return d.kind == Kind::Button || d.clickable; };
  std::vector<std::function<void(Form&)>> firsts = {[](Form&) {}};
  {
    HeadlessHost host;
    auto f = e.make();
    open(*f, host);
    for (int i = 0; i < f->count(); ++i) {
      if (f->def(i).kind == Kind::Options)
        for (std::size_t k = 0; k < f->state(i).captions.size(); ++k)
          firsts.push_back([i, o = f->def(i).firstIndex + static_cast<int>(k)](Form& g) { g.click(i, o); });
      if (pressable(f->def(i))) firsts.push_back([i](Form& g) { g.click(i); });
    }
  }
  auto typeEverywhere = [](Form& g) {
    for (int i = 0; i < g.count(); ++i)
      if (g.def(i).kind == Kind::Input) g.type(i, "10");
  };
  std::set<std::string> opened;
  const int n = e.make()->count();
  for (const auto& first : firsts)
    for (bool typed : {false, true})
      for (int target = -1; target < n; ++target) {
        HeadlessHost host;
        auto f = e.make();
        if (target >= 0 && !pressable(f->def(target))) continue;
        try {
          open(*f, host);
          first(*f);
          if (typed) typeEverywhere(*f);
          if (target >= 0) f->click(target);
        } catch (const std::exception& x) {
          ADD_FAILURE() << e.form << ": " << x.what();
        }
        for (const auto& ev : host.events)
          if (ev.type == HostEvent::Type::Open) opened.insert(ev.form);
      }
  return opened;
}

// A window names another only if it is registered, and every registered
// window is reached from the menu, directly or through the companions.
TEST(Registry, CompanionsAreRegisteredAndEveryWindowIsReached) {
  std::map<std::string, std::set<std::string>> companions;
  for (const auto& e : calculators()) {
    companions[std::string(e.form)] = companionsOf(e);
    for (const auto& c : companions[std::string(e.form)])
      EXPECT_NE(findCalculator(c), nullptr) << e.form << " opens an unknown window " << c;
  }
  std::set<std::string> reached;
  std::vector<std::string> next;
  for (const auto& e : menuCatalogue())
    if (e.isCommand() && reached.insert(std::string(e.form)).second) next.emplace_back(e.form);
  while (!next.empty()) {
    const std::string form = next.back();
    next.pop_back();
    for (const auto& c : companions[form])
      if (reached.insert(c).second) next.push_back(c);
  }
  for (const auto& e : calculators())
    EXPECT_TRUE(reached.count(std::string(e.form))) << e.form << " is reached neither from the menu nor from a window";
}

// A window that opens on an option says so where the group is declared
// (Ref::opensOn); a window that does not, does not start its tab order on a
// group where nothing is selected.
TEST(Registry, AWindowOpensOnTheOptionItDeclares) {
  for (const auto& e : calculators()) {
    HeadlessHost host;
    auto f = e.make();
    // the design state, before opening
    int first = -1, declared = -1;
    for (int i = 0; i < f->count(); ++i) {
      if (first < 0 && f->takesFocus(i)) first = i;
      if (f->def(i).opensOn < 0) continue;
      EXPECT_EQ(declared, -1) << e.form << " declares two options to open on";
      declared = i;
    }
    bool startsUnselected = first >= 0 && f->def(first).kind == Kind::Options && f->state(first).selected < 0;
    open(*f, host);
    if (declared < 0) {
      EXPECT_FALSE(startsUnselected) << e.form << " starts with an unselected option group";
      continue;
    }
    ASSERT_TRUE(startsUnselected) << e.form << " declares an option to open on but starts elsewhere";
    ASSERT_EQ(first, declared) << e.form;
    const int option = f->def(first).opensOn;
    EXPECT_EQ(f->state(first).selected, option) << e.form;
    // the focus stays on that option unless its reaction sends it on (an
    // emptied live input takes it), just as a click of that option does
    const Focus opened = f->focus();
    if (opened.id == first)
      EXPECT_EQ(opened.option, option) << e.form;
    else
      EXPECT_EQ(f->def(opened.id).kind, Kind::Input) << e.form;
    f->click(first, option);
    EXPECT_EQ(f->focus(), opened) << e.form;
  }
}

TEST(Registry, OpeningShowsNoMessageAndReopeningIsFresh) {
  for (const auto& e : calculators()) {
    HeadlessHost host;
    auto a = e.make();
    a->open(host, Regional::italian(), false);
    for (const auto& ev : host.events) EXPECT_NE(ev.type, HostEvent::Type::Message) << e.form;
    auto b = e.make();
    HeadlessHost other;
    b->open(other, Regional::italian(), false);
    ASSERT_EQ(a->count(), b->count());
    for (int i = 0; i < a->count(); ++i) EXPECT_EQ(a->state(i).text, b->state(i).text) << e.form;
  }
}

// Every window has exactly one close button, and it closes the window
// without asking anything else of the world; a window without one is a
// picture with nothing to press, closed by its close box.
TEST(Registry, EveryWindowClosesWithItsCloseButton) {
  for (const auto& e : calculators()) {
    HeadlessHost host;
    auto f = e.make();
    f->open(host, Regional::italian(), false);
    host.events.clear();
    std::vector<int> closers;
    for (int i = 0; i < f->count(); ++i)
      if (f->def(i).closes) closers.push_back(i);
    if (closers.empty()) {
      for (int i = 0; i < f->count(); ++i) EXPECT_FALSE(f->takesFocus(i)) << e.form << " has no close button";
      f->close();
      EXPECT_FALSE(f->isOpen()) << e.form;
      ASSERT_EQ(host.events.size(), 1u) << e.form;
      EXPECT_EQ(host.events[0].type, HostEvent::Type::Close) << e.form;
      continue;
    }
    ASSERT_EQ(closers.size(), 1u) << e.form << " needs exactly one close button";
    EXPECT_EQ(f->def(closers[0]).kind, Kind::Button) << e.form;
    ASSERT_TRUE(f->click(closers[0])) << e.form;
    EXPECT_FALSE(f->isOpen()) << e.form;
    ASSERT_EQ(host.events.size(), 1u) << e.form;
    EXPECT_EQ(host.events[0].type, HostEvent::Type::Close) << e.form;
  }
}

// A compute button, where a window marks one, is a button of its own.
TEST(Registry, AtMostOneComputeButton) {
  for (const auto& e : calculators()) {
    auto f = e.make();
    int n = 0;
    for (int i = 0; i < f->count(); ++i)
      if (f->def(i).computes) {
        ++n;
        EXPECT_EQ(f->def(i).kind, Kind::Button) << e.form;
        EXPECT_FALSE(f->def(i).closes) << e.form;
      }
    EXPECT_LE(n, 1) << e.form;
  }
}

// Every label placed on a drawing sits inside it, and every mark of a
// drawing names a distinct point.
TEST(Registry, ValueLabelsSitInsideTheirDrawings) {
  for (const auto& e : calculators()) {
    auto f = e.make();
    for (int i = 0; i < f->count(); ++i) {
      const auto& d = f->def(i);
      if (d.kind == Kind::Drawing) {
        std::set<std::string> names;
        for (const auto& m : d.art->marks) EXPECT_TRUE(names.insert(m.name).second) << e.form << " mark " << m.name;
      }
      if (d.drawing < 0) continue;
      const auto& art = f->def(d.drawing);
      ASSERT_EQ(art.kind, Kind::Drawing) << e.form << " " << d.name;
      EXPECT_GE(d.anchorX, 0) << e.form << " " << d.name;
      EXPECT_GE(d.anchorY, 0) << e.form << " " << d.name;
      EXPECT_LE(d.anchorX, art.art->width) << e.form << " " << d.name;
      EXPECT_LE(d.anchorY, art.art->height) << e.form << " " << d.name;
    }
  }
}

}  // namespace
}  // namespace vm
