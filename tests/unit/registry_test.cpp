// Properties every registered window shares.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "shell/catalogue.h"

namespace vm {
namespace {

// Windows whose definition selects nothing and whose tab order starts with
// an option: they open with that option selected and its reaction run.
const std::map<std::string, int> kOpenWithOption = {
    {"frmdB", 0}, {"frmdBmicrovolt", 0}, {"frmvoltwatt", 1}, {"frmcorralternata", 0}, {"frmleggediohm", 0},
    {"frmvolt", 0}, {"frmaltreconversioni", 0}, {"frmmils", 0}, {"frmfrequenzametri", 0}, {"frmradianti", 0},
    {"frmresistenzadc", 0}, {"frmresistenzarf", 0}, {"frmbobine", 0}, {"frmmicrobobine", 0},
    {"frmbobinamulticircolare", 0}, {"frmreattanza", 0}, {"frmvalinduttanza", 0}, {"frmBalunUnUn", 0},
    {"frmcostantetemporc", 0}, {"frmcostantetemporl", 0}, {"frmadattatori", 0}, {"frmbaluncoax1quarto", 0},
    {"frmbaluncoax3quarti", 0}, {"frmesempiadattatori", 0}, {"frmimpedenza", 0}, {"frmlungelettrica", 0},
    {"frmantpresacalcolata", 0}, {"frmgradi", 0}, {"frmridimensiona", 0}, {"frmantcoaxmulti", 0},
    {"frmantmultigamma", 0}, {"frmcapantvert", 0}, {"frmantcollineare", 0}, {"frmantenna58", 0}, {"frmloop", 0},
    {"frmlooprettangolare", 0}, {"frmERP", 0}, {"frmcapcondcilindrico", 0}, {"frmcostruzionecondensatori", 0},
    {"frm78xx", 0}, {"frm78xxbis", 0}, {"frmled", 0}, {"frmreszener", 0}, {"frmtrasformatori", 0},
    {"frmimpanodica", 0}, {"frmtrasfuscita", 0},
};

// Of those, windows whose opening reaction itself sends the focus on (an
// emptied input that is live takes it): the control that ends with it.
const std::map<std::string, std::string> kFocusMovedOnOpening = {
    {"frmmils", "txtinput"},
    {"frmfrequenzametri", "txtinput"},
    {"frmlooprettangolare", "txtfrequenza"},
};

// Windows that no menu command opens: only other windows do.
const std::set<std::string> kCompanionsOnly = {
    "frmavvertenza", "frmhelpcondensatore", "frminfoloop", "frmaltreconversioni", "frmwwl", "frmuniel",
};

TEST(Registry, NamesAreUniqueAndMatchTheirWindows) {
  std::set<std::string> seen;
  for (const auto& e : calculators()) {
    EXPECT_TRUE(seen.insert(std::string(e.form)).second) << e.form;
    auto f = e.make();
    EXPECT_EQ(f->name(), e.form);
    EXPECT_FALSE(f->caption().empty()) << e.form;
  }
}

TEST(Registry, EveryWindowIsReachableFromTheMenuOrACompanion) {
  for (const auto& e : calculators()) {
    if (kCompanionsOnly.count(std::string(e.form))) continue;
    EXPECT_TRUE(catalogueMode(e.form).has_value()) << e.form << " has no menu command";
  }
}

TEST(Registry, TheFocusRuleOnOpening) {
  for (const auto& e : calculators()) {
    HeadlessHost host;
    auto f = e.make();
    // the design state, before opening
    int first = -1;
    for (int i = 0; i < f->count(); ++i)
      if (f->takesFocus(i)) {
        first = i;
        break;
      }
    bool startsUnselected = first >= 0 && f->def(first).kind == Kind::Options && f->state(first).selected < 0;
    f->open(host, Regional::italian(), false);
    auto it = kOpenWithOption.find(std::string(e.form));
    if (it == kOpenWithOption.end()) {
      EXPECT_FALSE(startsUnselected) << e.form << " starts with an unselected option group";
      continue;
    }
    ASSERT_TRUE(startsUnselected) << e.form << " should start with an unselected option group";
    EXPECT_EQ(f->state(first).selected, it->second) << e.form;
    if (auto moved = kFocusMovedOnOpening.find(std::string(e.form)); moved != kFocusMovedOnOpening.end())
      EXPECT_EQ(f->focus(), (Focus{f->find(moved->second), -1})) << e.form;
    else
      EXPECT_EQ(f->focus(), (Focus{first, it->second})) << e.form;
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

// Windows that are one picture and close only with their own close box.
const std::set<std::string> kClosedByTheCloseBox = {"frmconduttori"};

// Every window has exactly one close button, and it closes the window
// without asking anything else of the world.
TEST(Registry, EveryWindowClosesWithItsCloseButton) {
  for (const auto& e : calculators()) {
    HeadlessHost host;
    auto f = e.make();
    f->open(host, Regional::italian(), false);
    host.events.clear();
    std::vector<int> closers;
    for (int i = 0; i < f->count(); ++i)
      if (f->def(i).closes) closers.push_back(i);
    if (kClosedByTheCloseBox.count(std::string(e.form))) {
      EXPECT_TRUE(closers.empty()) << e.form << " has no close button";
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
