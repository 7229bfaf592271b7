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

}  // namespace
