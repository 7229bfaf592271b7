#include <gtest/gtest.h>

#include "framework/registry.h"

TEST(Registry, HasCoil) { EXPECT_NE(vm::makeForm("frmbobine"), nullptr); }
