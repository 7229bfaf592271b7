// The headless driver seen from outside: its output and its exit codes.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct Result {
  int code;
  std::string out;
};

Result run(const std::string& args) {
  std::string cmd = std::string(VELMORANTE_CLI) + " " + args + " 2>/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 4096> buf{};
  while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p)) out.append(buf.data(), n);
  int status = pclose(p);
  return {WEXITSTATUS(status), out};
}

TEST(Cli, ListNamesEveryWindowWithItsCaption) {
  Result r = run("list");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("frmbobine\tCALCOLO BOBINE  HF  MONOSTRATO IN ARIA      FORMULA DI WHEELER - BENZ\n"),
            std::string::npos);
  EXPECT_NE(r.out.find("frminduttanzafilodiritto\t"), std::string::npos);
}

TEST(Cli, RunComputesTheHfCoil) {
  Result r = run("run --locale it_IT frmbobine txtinput=1 txtdiametro=20 txtlunghezza=20 click:cmdcalcola");
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("\"lbloutput\":{\"kind\":\"label\",\"text\":\"8,5 spire in aria, filo con diametro massimo "
                       "di mm. 2,35\",\"visible\":true}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"focus\":\"cmdcalcola\""), std::string::npos);
  EXPECT_EQ(r.out.back(), '\n');
}

TEST(Cli, DumpsAndEvents) {
  Result r = run("run --locale it_IT frmbobine dump click:cmdcalcola click:cmdchiamaawg");
  ASSERT_EQ(r.code, 0);
  auto nl = r.out.find('\n');
  ASSERT_NE(nl, std::string::npos);
  std::string first = r.out.substr(0, nl), second = r.out.substr(nl + 1);
  EXPECT_NE(first.find("\"focus\":\"Option1(0)\""), std::string::npos) << first;
  EXPECT_NE(first.find("\"events\":[]"), std::string::npos);
  EXPECT_NE(second.find("\"events\":[{\"message\":{\"prompt\":\"MANCANO DATI\",\"title\":\"MESSAGGIO DI "
                        "ERRORE\",\"icon\":\"warning\"}},{\"move\":{\"left\":180,\"top\":180}},{\"open\":{\"form\":"
                        "\"frmawg\",\"how\":\"modeless\",\"left\":4100,\"top\":3000}}]"),
            std::string::npos)
      << second;
}

TEST(Cli, OptionsAndArrays) {
  Result r = run("run --locale it_IT frmbobine click:Option1:1 dump 'click:Option1(0)'");
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("\"lblinput\":{\"kind\":\"label\",\"text\":\"numero di spire :\""), std::string::npos);
  EXPECT_NE(r.out.find("\"selected\":1"), std::string::npos);
}

TEST(Cli, BadStepsExitTwoWithNothingOnStdout) {
  for (const char* args : {"run nosuchform", "run --locale it_IT frmbobine txtnessuno=1",
                           "run frmbobine click:Option1:7", "run frmbobine lbloutput=3", "run frmbobine bogus",
                           "run frmbobine pick:Option1:0", "nosuchcommand", "run"}) {
    Result r = run(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_EQ(r.out, "") << args;
  }
}

TEST(Cli, MenuIsTheCatalogueTree) {
  Result r = run("menu");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out.rfind("[{\"caption\":\"Volt\",\"name\":\"mnuvolt\",\"form\":null,\"mode\":null,\"children\":[", 0),
            0u);
  EXPECT_NE(r.out.find("{\"caption\":\"Leggimi\",\"name\":\"mnuinfo\",\"form\":\"frmabaut\",\"mode\":\"modal\","
                       "\"children\":[]}]\n"),
            std::string::npos);
}



// The same window in each regional format: 159.154.976,2 ohm of a series
// circuit far below its resonance, and a wire diameter rounded to the
// format's default count of decimals.
std::string impedanceIn(const std::string& locale) {
  Result r = run("run --locale " + locale + " frmRLCserie txtr=1 txtl=1 txtC=1 txtf=0.001 click:cmdcalcola");
  const std::string key = "\"lblimp\":{\"kind\":\"label\",\"text\":\"";
  const auto at = r.out.find(key);
  if (r.code != 0 || at == std::string::npos) return "(no result: " + r.out + ")";
  const auto from = at + key.size();
  return r.out.substr(from, r.out.find('"', from) - from);
}

TEST(CliRegional, GroupsAndDecimalsFollowTheLocale) {
  EXPECT_EQ(impedanceIn("it_IT"), "L' IMPEDENZA E'  159.154.976,2 Ohm");
  EXPECT_EQ(impedanceIn("en_US"), "L' IMPEDENZA E'  159,154,976.2 Ohm");
  EXPECT_EQ(impedanceIn("de_DE"), "L' IMPEDENZA E'  159.154.976,2 Ohm");
  EXPECT_EQ(impedanceIn("fr_FR"), "L' IMPEDENZA E'  159\u202F154\u202F976,2 Ohm");  // narrow no-break spaces
  EXPECT_EQ(impedanceIn("de_CH"), "L' IMPEDENZA E'  159\u2019154\u2019976.2 Ohm");
  EXPECT_EQ(impedanceIn("en_IN"), "L' IMPEDENZA E'  15,91,54,976.2 Ohm");  // three, then twos
}

TEST(CliRegional, TheDefaultCountOfDecimals) {
  const std::string steps = " frmbobine txtinput=1 txtdiametro=20 txtlunghezza=20 click:cmdcalcola";
  Result us = run("run --locale en_US" + steps);
  EXPECT_NE(us.out.find("8.5 spire in aria, filo con diametro massimo di mm. 2.35\""), std::string::npos) << us.out;
  // money in Japan has no decimals: nor has the default format
  Result jp = run("run --locale ja_JP" + steps);
  EXPECT_NE(jp.out.find("8.5 spire in aria, filo con diametro massimo di mm. 2\""), std::string::npos) << jp.out;
}

TEST(CliSearch, FormAndMenuPathPerLine) {
  Result r = run("search decibel");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "frmdB\tVolt > Decibel > Decibel");
  EXPECT_EQ(run("search").code, 2);
  EXPECT_EQ(run("search zzzzqqq").out, "");
}

TEST(CliSweep, CsvOfTheThreeFirstCases) {
  EXPECT_EQ(run("sweep --locale it_IT frmbobine --vary txtinput=10:30:3 --result lbloutput click:Option1:1 "
                "txtdiametro=20 txtlunghezza=20 click:cmdcalcola")
                .out,
            "txtinput,lbloutput\n10,1.38\n20,5.52\n30,12.41\n");
  EXPECT_EQ(run("sweep --locale en_US frmRLCserie --vary txtf=10:20:3 --result lblimp txtr=50 txtl=1 txtC=100 "
                "click:cmdcalcola")
                .out,
            "txtf,lblimp\n10,108.5\n15,51.4\n20,68\n");
  EXPECT_EQ(run("sweep frmros --vary txtros=0:2:3 --result lblimpedenza").out, "txtros,lblimpedenza\n0,\n1,50\n2,100\n");
}

TEST(CliSweep, MistakesExitWithTwo) {
  EXPECT_EQ(run("sweep frmros --result lblimpedenza").code, 2);
  EXPECT_EQ(run("sweep frmros --vary txtros=1:2 --result lblimpedenza").code, 2);
  EXPECT_EQ(run("sweep frmros --vary txtros=1:2:0 --result lblimpedenza").code, 2);
  EXPECT_EQ(run("sweep frmros --vary txtnulla=1:2:3 --result lblimpedenza").code, 2);
  EXPECT_EQ(run("sweep frmnulla --vary txtros=1:2:3 --result lblimpedenza").code, 2);
}

// The lines a command writes on stderr (stdout thrown away).
std::string errors(const std::string& args) {
  std::string cmd = std::string(VELMORANTE_CLI) + " " + args + " 2>&1 >/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 4096> buf{};
  while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p)) out.append(buf.data(), n);
  pclose(p);
  return out;
}

TEST(CliLayout, EveryWindowPrintsItsArrangementAsOneObject) {
  const std::string list = run("list").out;
  int windows = 0;
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t tab = list.find('\t', at), nl = list.find('\n', at);
    ASSERT_NE(tab, std::string::npos);
    const std::string form = list.substr(at, tab - at);
    at = nl + 1;
    Result r = run("layout " + form);
    ASSERT_EQ(r.code, 0) << form;
    EXPECT_EQ(r.out.rfind("{\"form\":\"" + form + "\",", 0), 0u) << form;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << form << ": one line";
    EXPECT_NE(r.out.find("\"boxes\":[{\"kind\":\"window\""), std::string::npos) << form;
    ++windows;
  }
  EXPECT_GT(windows, 150);
}

TEST(CliLayout, TheStepsRunBeforeTheArrangementIsTaken) {
  // a label on the drawing is placed with the text the computation wrote
  const std::string empty = "\"control\":\"lblspazriflettore\",\"piece\":null,\"text\":\"\"";
  EXPECT_NE(run("layout --locale it_IT frmyagi3").out.find(empty), std::string::npos);
  Result r = run("layout --locale it_IT frmyagi3 txtfrequenza=28");
  ASSERT_EQ(r.code, 0);
  EXPECT_EQ(r.out.find(empty), std::string::npos) << r.out;
  EXPECT_NE(run("layout frmwwl").out.find("\"size\":{\"width\":5880,\"height\":3180}"), std::string::npos);
}

TEST(CliLayout, MistakesExitWithTwoAndOneLine) {
  for (const char* args : {"layout frmnulla", "layout", "layout frmwwl click:cmdnulla", "layout --locale xx_YY frmwwl"}) {
    Result r = run(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    const std::string e = errors(args);
    EXPECT_EQ(e.find('\n'), e.size() - 1) << args << ": " << e;
  }
}

}  // namespace
