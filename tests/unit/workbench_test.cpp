// What the workbench adds around the windows: regional digit groups, the
// hint of a number read in part, the copied results, the command search and
// the sweep of one input.
#include <gtest/gtest.h>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "framework/numbers.h"
#include "framework/steps.h"
#include "framework/summary.h"
#include "shell/search.h"
#include "shell/sweep.h"

namespace vm {
namespace {

Regional indian() {
  Regional r = Regional::english();
  r.groupHigher = 2;  // three digits next to the point, then twos
  return r;
}

TEST(Grouping, ThreeThenTwoAsInIndia) {
  const Regional r = indian();
  EXPECT_EQ(formatFixed(1000000, 0, r), "10,00,000");
  EXPECT_EQ(formatFixed(100000, 0, r), "1,00,000");
  EXPECT_EQ(formatFixed(99999, 0, r), "99,999");
  EXPECT_EQ(formatFixed(999, 2, r), "999.00");
  EXPECT_EQ(formatFixed(-1234567.5, 1, r), "-12,34,567.5");
  EXPECT_EQ(formatPattern(123456789.25, "#,##0.#", r), "12,34,56,789.3");
  // a pattern without grouping stays ungrouped
  EXPECT_EQ(formatPattern(1234567, "0", r), "1234567");
}

TEST(Grouping, UniformGroupsAsBefore) {
  EXPECT_EQ(formatFixed(1234567.891, 2, Regional::italian()), "1.234.567,89");
  Regional swiss = Regional::english();
  swiss.group = "\u2019";
  EXPECT_EQ(formatFixed(1234567.891, 2, swiss), "1\u2019234\u2019567.89");
}

TEST(ReadingHint, OnlyWhenCharactersWereIgnored) {
  EXPECT_EQ(partlyRead("7,1"), 7.0);  // the comma ends the number
  EXPECT_EQ(partlyRead("7.5x"), 7.5);
  EXPECT_EQ(partlyRead("abc"), 0.0);
  EXPECT_EQ(partlyRead("1e"), 1.0);
  EXPECT_EQ(partlyRead("&H1G"), 1.0);
  EXPECT_EQ(partlyRead("12..5"), 12.0);
  EXPECT_FALSE(partlyRead("7"));
  EXPECT_FALSE(partlyRead(" 7 . 5 "));  // blanks are ignored by the reading itself
  EXPECT_FALSE(partlyRead("1e5"));
  EXPECT_FALSE(partlyRead("-"));
  EXPECT_FALSE(partlyRead(""));
  EXPECT_FALSE(partlyRead("&HFF"));
}

std::unique_ptr<Form> opened(const char* name, HeadlessHost& host, std::initializer_list<const char*> steps) {
  auto f = makeForm(name);
  f->open(host, Regional::italian(), false);
  for (const char* s : steps) EXPECT_TRUE(applyStep(*f, s)) << s;
  return f;
}

TEST(CopyResults, CaptionInputsChoicesAndVisibleResults) {
  HeadlessHost host;
  auto f = opened("frmbobine", host,
                  {"click:Option1:1", "txtinput=10", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"});
  const std::string text = resultsText(*f);
  EXPECT_EQ(text.substr(0, text.find('\n')), f->caption().substr(0, f->caption().find_last_not_of(' ') + 1));
  EXPECT_NE(text.find("numero di spire : 10\n"), std::string::npos) << text;
  EXPECT_NE(text.find("µHenry :   1,38\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Trovare il valore dell'Induttanza\n"), std::string::npos) << text;
  // before the computation the results are hidden, and left out
  HeadlessHost fresh;
  auto g = opened("frmbobine", fresh, {"txtinput=1"});
  EXPECT_EQ(resultsText(*g).find("µHenry"), std::string::npos);
  EXPECT_EQ(resultsText(*g).find("spire in aria"), std::string::npos);
}

TEST(CommandSearch, FoldsCaseAndAccents) {
  EXPECT_EQ(CommandSearch::fold("CAPACITÀ Induttanza"), "capacita induttanza");
  EXPECT_EQ(CommandSearch::fold("&Decibel"), "decibel");
  EXPECT_EQ(CommandSearch::fold("µH"), "uh");
}

TEST(CommandSearch, CaptionWordsComeFirstAndEveryWordMustMatch) {
  const CommandSearch index;
  auto hits = index.find("decibel");
  ASSERT_FALSE(hits.empty());
  EXPECT_EQ(hits.front().entry->form, "frmdB");
  EXPECT_EQ(hits.front().path, "Volt > Decibel > Decibel");
  // a word that begins a caption word is enough, in any case, with or without accents
  auto prefix = index.find("DECIB");
  ASSERT_FALSE(prefix.empty());
  EXPECT_EQ(prefix.front().entry->form, "frmdB");
  EXPECT_TRUE(index.find("decibel zzzz").empty());
  // singular and plural, masculine and feminine
  auto toroids = index.find("bobina toroidale");
  ASSERT_FALSE(toroids.empty());
  EXPECT_NE(CommandSearch::fold(toroids.front().path).find("toroid"), std::string::npos) << toroids.front().path;
  EXPECT_TRUE(index.find("   ").empty());
  for (const auto& h : index.find("notch")) EXPECT_NE(CommandSearch::fold(h.path + " " + h.windowCaption).find("notch"), std::string::npos);
}

TEST(Sweep, ShownNumbersInTheRegionalFormat) {
  EXPECT_EQ(shownNumber("L' IMPEDENZA E'  1.234,5 Ohm", Regional::italian()), 1234.5);
  EXPECT_EQ(shownNumber("µHenry :   -0,38", Regional::italian()), -0.38);
  EXPECT_EQ(shownNumber("68, Ohm", Regional::italian()), 68.0);
  EXPECT_EQ(shownNumber("1,5E-05", Regional::italian()), 1.5e-5);
  EXPECT_EQ(shownNumber("12,34,567.5 pF", indian()), 1234567.5);
  EXPECT_FALSE(shownNumber("DATI NON VALIDI", Regional::italian()));
  EXPECT_FALSE(shownNumber("", Regional::italian()));
}

TEST(Sweep, StepsOfAnOpenWindow) {
  HeadlessHost host;
  auto f = opened("frmbobine", host, {"click:Option1:1", "txtinput=10", "txtdiametro=20"});
  EXPECT_EQ(stepsOf(*f, "txtinput"),
            (std::vector<std::string>{"click:Option1:1", "txtdiametro=20", "click:cmdcalcola"}));
}

std::string csv(const SweepRequest& q) { return sweepCsv(q, sweep(q, Regional::italian(), Date{2026, 12, 9})); }

TEST(Sweep, InductanceAgainstTurns) {
  SweepRequest q{"frmbobine", "txtinput", 0, 20, 3, "lbloutput",
                 {"click:Option1:1", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"}};
  // no turns: the window warns, a gap; then 20 n^2 / 1450 µH
  EXPECT_EQ(csv(q), "txtinput,lbloutput\n0,\n10,1.38\n20,5.52\n");
}

TEST(Sweep, SeriesImpedanceAgainstFrequency) {
  SweepRequest q{"frmRLCserie", "txtf", 10, 20, 5, "lblimp", {"txtr=50", "txtl=1", "txtC=100", "click:cmdcalcola"}};
  EXPECT_EQ(csv(q), "txtf,lblimp\n10,108.5\n12.5,69.9\n15,51.4\n17.5,53.5\n20,68\n");
}

TEST(Sweep, LoadAgainstSwrInALiveWindow) {
  SweepRequest q{"frmros", "txtros", 0.5, 2.5, 5, "lblimpedenza", {}};
  // below 1 the results are hidden: a gap, not a zero
  EXPECT_EQ(csv(q), "txtros,lblimpedenza\n0.5,\n1,50\n1.5,75\n2,100\n2.5,125\n");
}

TEST(Sweep, TheValueReplacesAStepThatTypesIntoTheInput) {
  SweepRequest q{"frmRLCserie", "txtf", 10, 10, 1, "lblimp",
                 {"txtf=999", "txtr=50", "txtl=1", "txtC=100", "click:cmdcalcola"}};
  EXPECT_EQ(csv(q), "txtf,lblimp\n10,108.5\n");
}

TEST(Sweep, UnknownNamesAreErrorsNotGaps) {
  EXPECT_THROW(sweep({"frmnessuna", "txtf", 0, 1, 2, "lblimp", {}}, Regional::italian(), Date{}), std::invalid_argument);
  EXPECT_THROW(sweep({"frmRLCserie", "txtx", 0, 1, 2, "lblimp", {}}, Regional::italian(), Date{}), std::invalid_argument);
  EXPECT_THROW(sweep({"frmRLCserie", "txtf", 0, 1, 2, "lblnulla", {}}, Regional::italian(), Date{}), std::invalid_argument);
  EXPECT_THROW(sweep({"frmRLCserie", "txtf", 0, 1, 2, "lblimp", {"click:nulla"}}, Regional::italian(), Date{}),
               StepError);
}

}  // namespace
}  // namespace vm
