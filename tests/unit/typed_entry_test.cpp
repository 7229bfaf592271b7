// Which entry of a list typing finds.
#include <gtest/gtest.h>

#include "calculators/registry.h"
#include "framework/headless.h"
#include "framework/typed_entry.h"

namespace vm {
namespace {

const std::vector<std::string> kValves{" AL 1", " AL 4", " ECL 80", " EL 84", " EL 85"};

TEST(TypedEntry, FindsAnEntryWrittenAfterBlanks) {
  EXPECT_EQ(typedEntry(kValves, "EL 84"), 3);
  EXPECT_EQ(typedEntry(kValves, "el 8"), 3);
  EXPECT_EQ(typedEntry(kValves, "  EL 85"), 4);
}

TEST(TypedEntry, GoesOnFromTheEntryItIsToldAndRoundAgain) {
  EXPECT_EQ(typedEntry(kValves, "E", 3), 3);
  EXPECT_EQ(typedEntry(kValves, "E", 4), 4);
  EXPECT_EQ(typedEntry(kValves, "A", 4), 0);
}

TEST(TypedEntry, FindsNothingForBlanksOrAnAbsentName) {
  EXPECT_EQ(typedEntry(kValves, " "), -1);
  EXPECT_EQ(typedEntry(kValves, "EL 99"), -1);
  EXPECT_EQ(typedEntry({}, "E"), -1);
}

TEST(TypedEntry, FindsTheValveOfTheOutputTransformerWindow) {
  auto form = makeForm("frmtrasfuscita");
  ASSERT_NE(form, nullptr);
  HeadlessHost host;
  form->open(host, Regional::italian(), false);
  for (int id = 0; id < form->count(); ++id) {
    const auto& entries = form->state(id).entries;
    const int i = typedEntry(entries, "EL 84");
    if (i >= 0) {
      EXPECT_EQ(entries[static_cast<std::size_t>(i)], " EL 84");
      return;
    }
  }
  ADD_FAILURE() << "no list of frmtrasfuscita holds EL 84";
}

}  // namespace
}  // namespace vm
