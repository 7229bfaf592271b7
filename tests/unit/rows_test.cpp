// The row runner itself: a row that holds passes, and every kind of
// difference is reported at the row's own line.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "support/rows.h"

namespace vm::test {
namespace {

TEST(Rows, ARowThatHoldsPasses) {
  play(Row("frmbobine", {"txtinput=1", "txtdiametro=20", "txtlunghezza=20", "click:cmdcalcola"})
           .why("a 1 uH coil, 20 mm by 20 mm")
           .text("lbloutput", "8,5 spire in aria, filo con diametro massimo di mm. 2,35")
           .shown({"lbloutput", "lbllunghezzafilo"})
           .selected("Option1", 0)
           .focus("cmdcalcola"));
  play(Row("frmbobine", {"txtinput=0", "click:cmdcalcola"})
           .message("MANCANO DATI|MESSAGGIO DI ERRORE")
           .hidden({"lbloutput"})
           .focus("txtinput"));
  play(Row("frmbobine", {"click:cmdchiamaawg"}).effects({"move 180 180", "open frmawg modeless 4100 3000"}));
  play(Row("frmbobine", {"click:cmdesci"}).effects({"close"}).open(false));
}

TEST(Rows, EveryDifferenceIsReported) {
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {}).text("lbll", "M")), "lbll shows \"L\"");
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {"txtinput=0", "click:cmdcalcola"})), "MANCANO DATI");
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {}).focus("txtinput")), "focus on \"Option1(0)\"");
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {"click:nessuno"})), "unknown control");
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {"!txtinput=1"})), "was taken");
  EXPECT_NONFATAL_FAILURE(play(Row("frmbobine", {}).shown({"lbloutput"})), "lbloutput is hidden");
  EXPECT_NONFATAL_FAILURE(play(Row("frmnessuna", {})), "no such window");
}

}  // namespace
}  // namespace vm::test
