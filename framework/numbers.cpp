#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vm {

Regional Regional::english() {
  Regional r;
  r.decimal = ".";
  r.group = ",";
  r.dateOrder = 'M';
  return r;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// |x| to `sig` significant digits: value = d0.d1d2... x 10^exp.
// std::to_chars is exact and independent of any C locale.
struct Decimal {
  std::string digits;
  int exp = 0;
};

Decimal decompose(double ax, int sig) {
  std::array<char, 64> buf{};
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), ax, std::chars_format::scientific, sig - 1);
  std::string_view s(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  Decimal d;
  std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (isDigit(s[i])) d.digits += s[i];
  int ex = 0;
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), ex);
  d.exp = ex;
  return d;
}

void increment(std::string& r) {
  for (std::size_t i = r.size(); i-- > 0;) {
    if (r[i] == '9') {
      r[i] = '0';
    } else {
      ++r[i];
      return;
    }
  }
  r.insert(r.begin(), '1');
}

// |x| rounded to n decimals, halves away from zero, judged on its
// 15-significant-digit form; returned as the digits of |x| * 10^n.
std::string scaledDigits(double ax, int n) {
  if (ax == 0) return "0";
  Decimal d = decompose(ax, 15);
  int keep = d.exp + 1 + n;
  if (keep <= 0) return (keep == 0 && d.digits[0] >= '5') ? "1" : "0";
  std::string r;
  if (keep >= static_cast<int>(d.digits.size())) {
    r = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
  } else {
    r = d.digits.substr(0, static_cast<std::size_t>(keep));
    if (d.digits[static_cast<std::size_t>(keep)] >= '5') increment(r);
  }
  return r;
}

bool allZero(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c == '0'; });
}

// Splits scaled digits into an integer part (no leading zeros, may be empty)
// and exactly n decimals.
void split(std::string r, int n, std::string& intPart, std::string& frac) {
  auto un = static_cast<std::size_t>(n);
  if (r.size() < un + 1) r.insert(0, un + 1 - r.size(), '0');
  intPart = r.substr(0, r.size() - un);
  frac = r.substr(r.size() - un);
  std::size_t nz = intPart.find_first_not_of('0');
  intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

std::string grouped(const std::string& digits, const Regional& r) {
  if (r.groupSize <= 0 || r.group.empty()) return digits;
  const auto first = static_cast<std::size_t>(r.groupSize);
  const auto higher = static_cast<std::size_t>(r.groupHigher > 0 ? r.groupHigher : r.groupSize);
  // a separator goes before the digit that has `left` digits to its right
  auto separatorBefore = [&](std::size_t left) {
    return left >= first && (left - first) % higher == 0;
  };
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && separatorBefore(digits.size() - i)) out += r.group;
    out += digits[i];
  }
  return out;
}

void requireFinite(double x) {
  if (!std::isfinite(x)) throw ArithmeticFailure("not a finite number");
}

double parseScaled(bool negative, const std::string& r, int n) {
  std::string intPart, frac;
  split(r, n, intPart, frac);
  std::string s = (negative ? "-" : "") + (intPart.empty() ? std::string("0") : intPart);
  if (n > 0) s += "." + frac;
  double v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v == 0 ? 0.0 : v;
}

struct Pattern {
  int decimals = 0;         // digit places after the point
  int requiredDecimals = 0; // "0" places after the point
  int minInteger = 0;       // "0" places before the point
  bool grouping = false;
  bool point = false;
};

Pattern parsePattern(std::string_view p) {
  Pattern pat;
  std::size_t dot = p.find('.');
  std::string_view ip = p.substr(0, dot);
  for (char c : ip) {
    if (c == '0') ++pat.minInteger;
    if (c == ',') pat.grouping = true;
  }
  if (dot != std::string_view::npos) {
    pat.point = true;
    for (char c : p.substr(dot + 1)) {
      if (c == '0') ++pat.requiredDecimals;
      if (c == '0' || c == '#') ++pat.decimals;
    }
  }
  return pat;
}

}  // namespace

namespace {

// The reading itself; `taken` is how much of the blank-free text it used.
double readLeading(std::string_view text, std::size_t& taken, std::size_t& length) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
  length = s.size();
  std::size_t i = 0;
  if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    double v = 0;
    for (i = 2; i < s.size(); ++i) {
      char c = s[i];
      int d = -1;
      if (isDigit(c)) d = c - '0';
      else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0 || d >= base) break;
      v = v * base + d;
    }
    taken = i;
    return v;
  }
  std::string clean;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool seenPoint = false, seenDigit = false;
  int significantBeforePoint = 0;
  bool leading = true;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (isDigit(c)) {
      seenDigit = true;
      clean += c;
      if (!seenPoint) {
        if (c != '0') leading = false;
        if (!leading) ++significantBeforePoint;
      }
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      clean += c;
    } else {
      break;
    }
  }
  taken = i;
  if (!seenDigit) return 0;
  int exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
    if (j < s.size() && isDigit(s[j])) {
      long e = 0;
      for (; j < s.size() && isDigit(s[j]); ++j) e = std::min(e * 10 + (s[j] - '0'), 100000L);
      exponent = static_cast<int>(expNegative ? -e : e);
      clean += "e" + std::to_string(exponent);
      taken = j;
    }
  }
  double v = 0;
  auto res = std::from_chars(clean.data(), clean.data() + clean.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    v = (significantBeforePoint + exponent > 0) ? HUGE_VAL : 0.0;
  }
  return negative ? -v : v;
}

}  // namespace

double readNumber(std::string_view text) {
  std::size_t taken = 0, length = 0;
  return readLeading(text, taken, length);
}

std::optional<double> partlyRead(std::string_view text) {
  std::size_t taken = 0, length = 0;
  const double v = readLeading(text, taken, length);
  if (taken >= length) return std::nullopt;
  return v;
}

std::string formatFixed(double x, int n, const Regional& r) {
  requireFinite(x);
  n = std::clamp(n, 0, 40);
  std::string digits = scaledDigits(std::fabs(x), n);
  std::string intPart, frac;
  bool negative = x < 0 && !allZero(digits);
  split(digits, n, intPart, frac);
  if (intPart.empty()) intPart = "0";
  std::string out = negative ? r.minus : std::string();
  out += grouped(intPart, r);
  if (n > 0) out += r.decimal + frac;
  return out;
}

namespace {
std::string general(double x, int sig, const Regional& r) {
  requireFinite(x);
  if (x == 0) return "0";
  Decimal d = decompose(std::fabs(x), sig);
  std::size_t last = d.digits.find_last_not_of('0');
  d.digits.resize(last + 1);
  std::string out = x < 0 ? "-" : "";
  if (d.exp < -4 || d.exp >= sig) {
    out += d.digits[0];
    if (d.digits.size() > 1) out += r.decimal + d.digits.substr(1);
    out += "E";
    out += d.exp < 0 ? "-" : "+";
    std::string e = std::to_string(std::abs(d.exp));
    if (e.size() < 2) e.insert(0, "0");
    return out + e;
  }
  if (d.exp < 0) {
    return out + "0" + r.decimal + std::string(static_cast<std::size_t>(-d.exp - 1), '0') + d.digits;
  }
  auto intLen = static_cast<std::size_t>(d.exp + 1);
  if (d.digits.size() <= intLen) return out + d.digits + std::string(intLen - d.digits.size(), '0');
  return out + d.digits.substr(0, intLen) + r.decimal + d.digits.substr(intLen);
}
}  // namespace

std::string formatGeneral(double x, const Regional& r) { return general(x, 15, r); }
std::string formatGeneral(float x, const Regional& r) { return general(static_cast<double>(x), 7, r); }

std::string formatPattern(double x, std::string_view pattern, const Regional& r) {
  requireFinite(x);
  Pattern p = parsePattern(pattern);
  std::string digits = scaledDigits(std::fabs(x), p.decimals);
  bool negative = x < 0 && !allZero(digits);
  std::string intPart, frac;
  split(digits, p.decimals, intPart, frac);
  if (intPart.size() < static_cast<std::size_t>(p.minInteger))
    intPart.insert(0, static_cast<std::size_t>(p.minInteger) - intPart.size(), '0');
  if (p.grouping) intPart = grouped(intPart, r);
  while (frac.size() > static_cast<std::size_t>(p.requiredDecimals) && frac.back() == '0') frac.pop_back();
  std::string out = negative ? r.minus : std::string();
  out += intPart;
  if (p.point) out += r.decimal + frac;
  return out;
}

double roundFixed(double x, int n) {
  requireFinite(x);
  n = std::clamp(n, 0, 40);
  return parseScaled(x < 0, scaledDigits(std::fabs(x), n), n);
}

double roundPattern(double x, std::string_view pattern) {
  return roundFixed(x, parsePattern(pattern).decimals);
}

double Int(double x) { return std::floor(x); }

std::int16_t toInt16(double x) {
  requireFinite(x);
  if (x < -32768.5 || x > 32767.5) throw ArithmeticFailure("16-bit overflow");
  // nearest, ties to even, whatever the floating-point rounding mode
  const double below = std::floor(x);
  const double rest = x - below;
  double v = below;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0)) v = below + 1;
  if (v < -32768.0 || v > 32767.0) throw ArithmeticFailure("16-bit overflow");
  return static_cast<std::int16_t>(v);
}

double finite(double x) {
  requireFinite(x);
  return x;
}

std::string formatDate(const Date& d, const Regional& r) {
  auto two = [](int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
  };
  std::string y = std::to_string(d.year), m = two(d.month), dd = two(d.day);
  const std::string& s = r.dateSeparator;
  if (r.dateOrder == 'M') return m + s + dd + s + y;
  if (r.dateOrder == 'Y') return y + s + m + s + dd;
  return dd + s + m + s + y;
}

}  // namespace vm
