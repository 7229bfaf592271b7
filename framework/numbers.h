#pragma once
// Reading numbers as the user types them and writing them in the user's
// regional number format. Every function takes the format explicitly: there
// is no global locale anywhere in the program.
#include <cstdint>
#include <stdexcept>
#include <optional>
#include <string>
#include <string_view>

namespace vm {

// The user's regional number format.
struct Regional {
  std::string decimal = ",";   // decimal separator
  std::string group = ".";     // digit grouping separator
  int groupSize = 3;           // digits in the group next to the decimal separator (0: no grouping)
  int groupHigher = 0;         // digits in each group further left (0: as groupSize)
  int decimals = 2;            // default count of decimals
  std::string minus = "-";     // negative sign of fixed and pattern formats
  char dateOrder = 'D';        // 'D' day/month/year, 'M' month/day/year, 'Y' year/month/day
  std::string dateSeparator = "/";

  static Regional italian() { return Regional{}; }
  static Regional english();
};

// Thrown by the helpers when a computation would show a number that is not
// finite, or overflow a 16-bit integer. The form restores its state when a
// reaction throws it (see Form).
struct ArithmeticFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The number at the start of a text, read with the decimal point; blanks are
// ignored, a comma ends the number, no number reads as 0, &H and &O prefixes
// read hexadecimal and octal whole numbers.
double readNumber(std::string_view text);

// When the reading of `text` stopped before its end (blanks apart), so
// that some characters were ignored: the number it read. None when the
// whole text was taken.
std::optional<double> partlyRead(std::string_view text);

// x with exactly n decimals, halves away from zero, grouped.
std::string formatFixed(double x, int n, const Regional& r);
inline std::string formatFixed(double x, const Regional& r) { return formatFixed(x, r.decimals, r); }

// The plain text of a number: 15 significant digits (7 for single precision),
// no grouping, no trailing zeros, exponent form outside 1E-4 .. 1E15.
std::string formatGeneral(double x, const Regional& r);
std::string formatGeneral(float x, const Regional& r);

// x laid out by a digit pattern such as "#,##0.##" or "####,###".
std::string formatPattern(double x, std::string_view pattern, const Regional& r);

// The value that formatFixed / formatPattern would show, as a number.
double roundFixed(double x, int n);
double roundPattern(double x, std::string_view pattern);

// The largest whole number not above x.
double Int(double x);
// Conversion to a 16-bit integer: nearest, ties to even; throws when out of range.
std::int16_t toInt16(double x);
// Throws ArithmeticFailure unless x is finite; returns x.
double finite(double x);

// A short date in the regional order ("09/12/2026" in the Italian setting).
struct Date { int year = 2000, month = 1, day = 1; };
std::string formatDate(const Date& d, const Regional& r);

}  // namespace vm
