// From coordinates in degrees, minutes and seconds to the six-character
// World Wide Locator of their subsquare. Opened beside the reverse
// conversion.
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

constexpr int kWidth = 5880, kHeight = 3180;

// The character of a Windows-1252 code, in UTF-8. Codes the code page leaves
// undefined stand for the control characters of the same value.
std::string cp1252(int code) {
  static const char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  const unsigned u = code >= 0x80 && code < 0xA0 ? kHigh[code - 0x80] : static_cast<unsigned>(code);
  std::string s;
  if (u < 0x80) {
    s += static_cast<char>(u);
  } else if (u < 0x800) {
    s += static_cast<char>(0xC0 | (u >> 6));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
  return s;
}

// A character code of the locator; one outside the code page cannot be shown.
int code(double base, double offset) {
  const double c = base + offset;
  if (!(c >= 0 && c <= 255)) throw ArithmeticFailure("no such character");
  return static_cast<int>(c);
}

class CoordinatesToLocator final : public CalculatorOf<CoordinatesToLocator> {
 public:
  explicit CoordinatesToLocator(FormBuilder& b) : CalculatorOf(b) {
    b.caption("  da  COORDINATE   a    W W LOCATOR");
    b.size(kWidth, kHeight);
    b.label("Label6", "DA COORDINATE SESSAGESIMALI A WORLD WIDE LOCATOR");
    const Label degrees = b.label("Label3", "GRADI");
    const Label minutes = b.label("Label4", "PRIMI");
    const Label seconds = b.label("Label5", "SECONDI");
    const Label longitude = b.label("Label1", "LONGITUDINE");
    lonD_ = b.input("txtlongr");
    lonM_ = b.input("txtlonpr");
    lonS_ = b.input("txtlonse");
    const Label latitude = b.label("Label2", "LATITUDINE");
    latD_ = b.input("txtlatgr");
    latM_ = b.input("txtlatpr");
    latS_ = b.input("txtlatse");
    b.grid({longitude, latitude}, {degrees, minutes, seconds}, {{lonD_, lonM_, lonS_}, {latD_, latM_, latS_}});
    out_ = b.result("lblwwl");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onLoad([this] { moveTo((form().host().screenSize().first - kWidth) / 2, 1335); });
  }

 private:
  void compute() {
    read_[0] = number(lonD_), read_[1] = number(lonM_), read_[2] = number(lonS_);
    read_[3] = number(latD_), read_[4] = number(latM_), read_[5] = number(latS_);
    // minutes and seconds are always added, also to a negative degree
    lon_ = read_[0] + (60 * read_[1] + read_[2]) / 3600;
    lat_ = single(read_[3] + (60 * read_[4] + read_[5]) / 3600);
    lon_ = (180 + lon_) / 20;
    lat_ = single((static_cast<double>(lat_) + 90) / 10);
    const double a = Int(lon_);
    const double bb = Int(static_cast<double>(lat_));
    lon_ = 10 * (lon_ - a);
    lat_ = single(10 * (static_cast<double>(lat_) - bb));
    const double c = Int(lon_);
    const double d = Int(static_cast<double>(lat_));
    const double e = Int(24 * (lon_ - c));
    const double f = Int(static_cast<double>(single(24 * (static_cast<double>(lat_) - d))));
    const int codes[6] = {code(65, a), code(65, bb), code(48, c), code(48, d), code(65, e), code(65, f)};
    locator_.clear();
    for (int k : codes) locator_ += cp1252(k);
    setText(out_, "il WORLD WIDE LOCATOR è :  " + locator_);
  }

  Input lonD_, lonM_, lonS_, latD_, latM_, latS_;
  Label out_;
  double read_[6] = {};
  double lon_ = 0;
  float lat_ = 0;
  std::string locator_;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmwwl, CoordinatesToLocator)
