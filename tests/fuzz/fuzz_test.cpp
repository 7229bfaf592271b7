// Every registered window, driven by random events with hostile texts: no
// crash, no exception escaping, never a number that is not a number.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "support/nonsense.h"

namespace vm {
namespace {

const std::vector<std::string>& hostileTexts() {
  static const std::vector<std::string> texts = {
      "", "-0", "0", "1e308", "-1e308", "1e-308", "abc", "1,5", "&HFFFF", "&O777", std::string(300, '9'),
      "1e999", "-", ".", "0.0001", "-1", "7", "14.2", "144", "3.5", "28", "432", "1296", "50", "75",
      "0.5", "-0.0", "+", "1e", "99999", "32768", "-32769", " 1 0 ", "µ", "1.2.3", "2e-9", "100000",
      "70.1", "-120", "121", "0.1", "1000000", "NaN", "inf", "1D5", "\t", "65535"};
  return texts;
}

using test::showsNonsense;

TEST(FuzzCheck, RecognisesNonsense) {
  for (const char* bad : {"nan", "-nan", "inf", "1 -inf", "NaN mm", "valore: Inf"}) EXPECT_TRUE(showsNonsense(bad)) << bad;
  for (const char* good : {"", "INFERIORE", "informazioni", "nano Henry", "200 nanoH", "1,5", "Banane"}) EXPECT_FALSE(showsNonsense(good)) << good;
}

class Fuzz : public ::testing::TestWithParam<std::size_t> {};

TEST_P(Fuzz, RandomEventsNeverBreakAWindow) {
  const CalculatorEntry& e = calculators()[GetParam()];
  const char* seedText = std::getenv("VELMORANTE_FUZZ_SEED");
  std::mt19937 rng(static_cast<unsigned>(seedText ? std::atoi(seedText) : 20261209) +
                   static_cast<unsigned>(GetParam()));
  const auto& texts = hostileTexts();
  const std::size_t total = 100000;
  const std::size_t perWindow = std::max<std::size_t>(total / calculators().size(), 2000);

  HeadlessHost host;
  auto form = e.make();
  // where the host has put the window: it must agree with the model's geometry
  std::optional<int> left, top, width, height;
  auto reset = [&] {
    left = form->geometry().left;
    top = form->geometry().top;
    width = form->geometry().width;
    height = form->geometry().height;
  };
  reset();
  form->open(host, Regional::italian(), false);
  // The user's own input texts may contain anything; only what the window writes is checked.
  auto check = [&](std::size_t step) {
    for (int i = 0; i < form->count(); ++i) {
      const auto& d = form->def(i);
      const auto& s = form->state(i);
      if (d.kind != Kind::Input) {
        ASSERT_FALSE(showsNonsense(s.text)) << e.form << " " << d.name << " [" << s.text << "] at step " << step;
      }
      for (const auto& c : s.captions) ASSERT_FALSE(showsNonsense(c)) << e.form << " " << d.name << " at step " << step;
    }
    for (const auto& ev : host.events) {
      ASSERT_FALSE(ev.type == HostEvent::Type::Message && ev.prompt.empty());
      if (ev.type == HostEvent::Type::Move) {
        left = ev.left;
        top = ev.top;
      } else if (ev.type == HostEvent::Type::Resize) {
        width = ev.width;
        height = ev.height;
      }
    }
    host.events.clear();
    const Geometry& g = form->geometry();
    ASSERT_TRUE(g.left == left && g.top == top && g.width == width && g.height == height)
        << e.form << ": the host and the model disagree on the window's place at step " << step;
  };
  for (std::size_t step = 0; step < perWindow; ++step) {
    if (!form->isOpen()) {
      form = e.make();
      reset();
      form->open(host, Regional::italian(), (step & 1) != 0);
      check(step);
    }
    const int id = static_cast<int>(rng() % static_cast<unsigned>(form->count()));
    const auto& d = form->def(id);
    switch (rng() % 8) {
      case 0:
      case 1:
      case 2:
        form->type(id, texts[rng() % texts.size()]);
        break;
      case 3: {
        // typing character by character, as at the keyboard
        const std::string& t = texts[rng() % texts.size()];
        for (std::size_t n = 0; n <= t.size() && n < 12; ++n) form->type(id, t.substr(0, n));
        break;
      }
      case 4:
      case 5: {
        int option = d.kind == Kind::Options
                         ? d.firstIndex + static_cast<int>(rng() % std::max<std::size_t>(1, form->state(id).captions.size()))
                         : -1;
        // closing is rare, so that windows get deep into their states
        if (d.closes && rng() % 20 != 0) break;
        form->click(id, option);
        break;
      }
      case 6:
        if (d.kind == Kind::List && !form->state(id).entries.empty())
          form->choose(id, static_cast<int>(rng() % form->state(id).entries.size()));
        else
          form->focusByKeyboard(id);
        break;
      default:
        form->tab(rng() % 2 == 0);
        break;
    }
    check(step);
    if (HasFatalFailure()) return;
  }
}

// A test name takes letters, digits and underscores only: an accented form
// name (frmresistività) has its other bytes spelt out in hex.
std::string nameOf(const ::testing::TestParamInfo<std::size_t>& info) {
  std::string out;
  for (unsigned char c : calculators()[info.param].form) {
    if (std::isalnum(c) || c == '_') {
      out += static_cast<char>(c);
    } else {
      static const char* const hex = "0123456789ABCDEF";
      out += '_';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Fuzz, ::testing::Range<std::size_t>(0, calculators().size()), nameOf);

}  // namespace
}  // namespace vm
