// The window tests run offscreen: no display is needed, no box waits for a user.
#include <gtest/gtest.h>

#include <QApplication>

#include "offscreen.h"

int main(int argc, char** argv) {
  vm::ui::testing::useDesignScreen();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
