// From a six-character World Wide Locator to the coordinates of the centre of
// its subsquare, in degrees, minutes and seconds. Opens the reverse
// conversion beside itself.
#include <cstdint>
#include <string>

#include "framework/registry.h"

namespace vm {
namespace {

constexpr int kWidth = 5880, kHeight = 3180;

// The characters of a UTF-8 text (a character may take several bytes).
std::vector<std::string> characters(const std::string& s) {
  std::vector<std::string> out;
  for (unsigned char c : s) {
    if ((c & 0xC0) == 0x80 && !out.empty()) out.back() += static_cast<char>(c);
    else out.emplace_back(1, static_cast<char>(c));
  }
  return out;
}

class LocatorToCoordinates final : public CalculatorOf<LocatorToCoordinates> {
 public:
  explicit LocatorToCoordinates(FormBuilder& b) : CalculatorOf(b) {
    b.caption("  da  W W LOCATOR  a  COORDINATE");
    b.size(kWidth, kHeight);
    b.label("Label6", "DA  WORLD WIDE LOCATOR A COORDINATE SESSAGESIMALI");
    locator_ = b.input("txtwwl").label("lblwwl", "WORLD WIDE LOCATOR : ");
    lon_ = b.result("lbllong");
    lat_ = b.result("lbllat");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { compute(); });
    b.closeButton("cmdesci", "E S C I");
    b.onLoad([this] {
      moveTo((form().host().screenSize().first - kWidth) / 2, 4905);
      openCompanion("frmwwl");
    });
  }

 private:
  void compute() {
    const auto chars = characters(text(locator_));
    if (chars.size() != 6) {
      warn("il WWL deve essere di 6 caratteri", "DATI MANCANTI", {}, Icon::Critical);
      return;
    }
    std::string t;
    for (const auto& c : chars) {
      char ch = c.size() == 1 ? c[0] : '?';
      if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
      t += ch;
    }
    // a mistyped locator would convert to a plausible but false position
    auto in = [&](int i, char lo, char hi) { return t[static_cast<std::size_t>(i)] >= lo && t[static_cast<std::size_t>(i)] <= hi; };
    if (!(in(0, 'A', 'R') && in(1, 'A', 'R') && in(2, '0', '9') && in(3, '0', '9') && in(4, 'A', 'X') &&
          in(5, 'A', 'X'))) {
      warn("il WWL contiene caratteri non validi", "DATI MANCANTI", {}, Icon::Critical);
      return;
    }
    upper_ = t;
    for (int i = 0; i < 6; ++i) codes_[i] = static_cast<std::int16_t>(t[static_cast<std::size_t>(i)]);

    // the centre of the subsquare: its 5-minute column and 2.5-minute row
    const int lonDegrees = (codes_[0] - 65) * 20 + (codes_[2] - 48) * 2 - 180;
    lon_value_ = (codes_[4] - 64.5) / 12 + lonDegrees;
    const int latDegrees = (codes_[1] - 65) * 10 - 90 + (codes_[3] - 48);
    lat_value_ = static_cast<float>((codes_[5] - 64.5) / 24 + latDegrees);

    lonD_ = Int(lon_value_);
    const double lonMr = 60 * (lon_value_ - lonD_);
    lonM_ = Int(lonMr);
    lonS_ = Int(60 * (lonMr - lonM_));

    // the latitude parts are worked out in single precision
    latD_ = static_cast<float>(Int(lat_value_));
    const float latMr = 60.0f * (lat_value_ - latD_);
    latM_ = static_cast<float>(Int(latMr));
    latS_ = static_cast<float>(Int(60.0f * (latMr - latM_)));

    setText(lon_, "LONGITUDINE = " + general(lonD_) + "°  " + general(lonM_) + "'  " + general(lonS_) + "\"");
    setText(lat_, "LATITUDINE    = " + general(latD_) + "°  " + general(latM_) + "'  " + general(latS_) + "\"");
  }

  Input locator_;
  Label lon_, lat_;
  std::string upper_;  // the locator in capitals
  std::int16_t codes_[6] = {};
  double lon_value_ = 0, lonD_ = 0, lonM_ = 0, lonS_ = 0;
  float lat_value_ = 0, latD_ = 0, latM_ = 0, latS_ = 0;
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmcoordinate, LocatorToCoordinates)
