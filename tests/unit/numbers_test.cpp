// Reading and writing numbers: what the user types and what every window shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/numbers.h"

namespace {

using vm::Regional;

const Regional it = Regional::italian();
const Regional en = Regional::english();

struct ReadCase {
  const char* text;
  double value;
};

TEST(ReadNumber, ReadsWhatTheUserTypes) {
  const ReadCase cases[] = {
      {"", 0},           {"12.5", 12.5},     {"12,5", 12},       {" 7 .5", 7.5},     {"3e2", 300},
      {"abc", 0},        {"-4", -4},         {".25", 0.25},      {"1D3", 1000},      {"1d-2", 0.01},
      {"1 000", 1000},   {"\t1\n2", 12},     {"+.5", 0.5},       {"-", 0},           {"+", 0},
      {".", 0},          {"1.2.3", 1.2},     {"1e", 1},          {"1e+", 1},         {"2E-", 2},
      {"12abc", 12},     {",5", 0},          {"&H1F", 31},       {"&hff", 255},      {"&O17", 15},
      {"&H", 0},         {"&O9", 0},         {"-0", 0},          {"0.000001", 1e-6}, {"1.5e3x", 1500},
      {"- 3", -3},       {"3-", 3},          {"1e-999", 0},      {"00012", 12},      {"5.", 5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(vm::readNumber(c.text), c.value) << "text: [" << c.text << "]";
}

TEST(ReadNumber, HugeExponentsAndLongTexts) {
  EXPECT_TRUE(std::isinf(vm::readNumber("1e999")));
  EXPECT_LT(vm::readNumber("-1e999"), 0);
  EXPECT_TRUE(std::isinf(vm::readNumber("-1e999")));
  EXPECT_DOUBLE_EQ(vm::readNumber(std::string(300, '9')), 1e300);
  EXPECT_DOUBLE_EQ(vm::readNumber("1" + std::string(400, '0')), HUGE_VAL);
  EXPECT_DOUBLE_EQ(vm::readNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_DOUBLE_EQ(vm::readNumber("1e99999999999999"), HUGE_VAL);
}

struct FixedCase {
  double x;
  int n;
  const char* shown;
};

TEST(FormatFixed, ItalianSetting) {
  const FixedCase cases[] = {
      {1234.5, 2, "1.234,50"},   {0.125, 2, "0,13"},      {2.5, 0, "3"},
      {-2.5, 0, "-3"},           {1.005, 2, "1,01"},      {2.675, 2, "2,68"},
      {999.995, 2, "1.000,00"},  {-1234.5, 1, "-1.234,5"}, {0, 3, "0,000"},
      {12345678, 0, "12.345.678"}, {1234567.891, 2, "1.234.567,89"}, {0.5, 2, "0,50"},
      {-0.001, 2, "0,00"},       {-0.005, 2, "-0,01"},    {8.5, 1, "8,5"},
      {100, 2, "100,00"},        {999, 0, "999"},         {1000, 0, "1.000"},
      {0.0004, 3, "0,000"},      {0.0005, 3, "0,001"},    {123456.789e3, 1, "123.456.789,0"},
      {1e20, 0, "100.000.000.000.000.000.000"},           {0.1 + 0.2, 15, "0,300000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(vm::formatFixed(c.x, c.n, it), c.shown) << c.x << " with " << c.n;
}

TEST(FormatFixed, RegionalDefaultsAndOtherSettings) {
  EXPECT_EQ(vm::formatFixed(2.345, it), "2,35");
  Regional three = it;
  three.decimals = 3;
  EXPECT_EQ(vm::formatFixed(2.3456, three), "2,346");
  EXPECT_EQ(vm::formatFixed(1234.5, 2, en), "1,234.50");
  Regional noGroup = it;
  noGroup.groupSize = 0;
  EXPECT_EQ(vm::formatFixed(1234.5, 2, noGroup), "1234,50");
  Regional odd = it;
  odd.minus = "\u2212";
  EXPECT_EQ(vm::formatFixed(-1.5, 1, odd), "\u22121,5");
}

struct GeneralCase {
  double x;
  const char* shown;
};

TEST(FormatGeneral, DoublePrecision) {
  const GeneralCase cases[] = {
      {1.5, "1,5"},
      {0.00001, "1E-05"},
      {1e15, "1E+15"},
      {1.0 / 3, "0,333333333333333"},
      {1.5e16, "1,5E+16"},
      {0.0001, "0,0001"},
      {123456789012345, "123456789012345"},
      {-0.25, "-0,25"},
      {12, "12"},
      {100, "100"},
      {0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0,3"},
      {-1.5e-7, "-1,5E-07"},
      {1e100, "1E+100"},
      {2.0 / 3, "0,666666666666667"},
      {999999999999999.9, "1E+15"},
      {12345.678, "12345,678"},
  };
  for (const auto& c : cases) EXPECT_EQ(vm::formatGeneral(c.x, it), c.shown) << c.x;
  EXPECT_EQ(vm::formatGeneral(1234.5, en), "1234.5");
}

TEST(FormatGeneral, SinglePrecisionShowsSevenDigits) {
  EXPECT_EQ(vm::formatGeneral(0.1f, it), "0,1");
  EXPECT_EQ(vm::formatGeneral(1.0f / 3, it), "0,3333333");
  EXPECT_EQ(vm::formatGeneral(1e7f, it), "1E+07");
  EXPECT_EQ(vm::formatGeneral(1234567.0f, it), "1234567");
  EXPECT_EQ(vm::formatGeneral(60.0f, it), "60");
  EXPECT_EQ(vm::formatGeneral(static_cast<float>(2 * 3.3), it), "6,6");
}

struct PatternCase {
  double x;
  const char* pattern;
  const char* shown;
};

TEST(FormatPattern, Patterns) {
  const PatternCase cases[] = {
      {1234.567, "#,##0.##", "1.234,57"},
      {0.25, "#0.#", "0,3"},
      {1234567, "####,###", "1.234.567"},
      {12, "#,##0.##", "12,"},
      {0.4, "####,###", ""},
      {12.5, "#0.#", "12,5"},
      {0.5, "##0.##", "0,5"},
      {-3.14159, "#0.###", "-3,142"},
      {1000, "##0.##", "1000,"},
      {0, "#,##0.###", "0,"},
      {1.9953, "#,##0.###", "1,995"},
      {10, "#,##0.###", "10,"},
      {100, "#,##0.###", "100,"},
      {3.98107, "#,##0.###", "3,981"},
      {9.542425, "#0.##", "9,54"},
      {20, "#0.##", "20,"},
      {0.004, "#0.##", "0,"},
      {-0.004, "#0.##", "0,"},
      {10000000, "#,##0.###", "10.000.000,"},
      {2.05, "#0.0#", "2,05"},
      {2.5, "#0.0#", "2,5"},
      {2, "#0.0#", "2,0"},
  };
  for (const auto& c : cases) EXPECT_EQ(vm::formatPattern(c.x, c.pattern, it), c.shown) << c.x << " " << c.pattern;
  EXPECT_EQ(vm::formatPattern(1234.5, "#,##0.##", en), "1,234.5");
}

TEST(Rounding, GivesTheShownValueAsANumber) {
  EXPECT_DOUBLE_EQ(vm::roundFixed(8.514693, 1), 8.5);
  EXPECT_DOUBLE_EQ(vm::roundFixed(1.005, 2), 1.01);
  EXPECT_DOUBLE_EQ(vm::roundFixed(-2.5, 0), -3);
  EXPECT_DOUBLE_EQ(vm::roundFixed(1414.0, 2), 1414);  // never the shown text read back
  EXPECT_DOUBLE_EQ(vm::roundPattern(1.99526, "#,##0.###"), 1.995);
  EXPECT_DOUBLE_EQ(vm::roundPattern(1234567.4, "####,###"), 1234567);
  EXPECT_THROW(vm::roundFixed(std::numeric_limits<double>::infinity(), 2), vm::ArithmeticFailure);
}

TEST(Integers, IntAndSixteenBits) {
  EXPECT_EQ(vm::Int(-2.5), -3);
  EXPECT_EQ(vm::Int(2.9), 2);
  EXPECT_EQ(vm::toInt16(2.5), 2);
  EXPECT_EQ(vm::toInt16(3.5), 4);
  EXPECT_EQ(vm::toInt16(-2.5), -2);
  EXPECT_EQ(vm::toInt16(32767.4), 32767);
  EXPECT_EQ(vm::toInt16(-32768.5), -32768);
  EXPECT_THROW(vm::toInt16(32767.5), vm::ArithmeticFailure);
  EXPECT_THROW(vm::toInt16(-32769), vm::ArithmeticFailure);
  EXPECT_THROW(vm::toInt16(std::nan("")), vm::ArithmeticFailure);
}

TEST(Failures, NonFiniteNumbersAreNeverShown) {
  const double bad[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                        std::nan("")};
  for (double x : bad) {
    EXPECT_THROW(vm::formatFixed(x, 2, it), vm::ArithmeticFailure);
    EXPECT_THROW(vm::formatGeneral(x, it), vm::ArithmeticFailure);
    EXPECT_THROW(vm::formatGeneral(static_cast<float>(x), it), vm::ArithmeticFailure);
    EXPECT_THROW(vm::formatPattern(x, "#0.##", it), vm::ArithmeticFailure);
  }
}

TEST(Dates, ShortDateInTheRegionalOrder) {
  EXPECT_EQ(vm::formatDate({2026, 12, 9}, it), "09/12/2026");
  EXPECT_EQ(vm::formatDate({2026, 12, 9}, en), "12/09/2026");
}

}  // namespace
