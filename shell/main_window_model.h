#pragma once
// The state of the main window: its texts, the title's colour and the blink.
#include <string_view>

#include "framework/drawing.h"

namespace vm {

class MainWindowModel {
 public:
  static constexpr std::string_view kName = "FRMVELMORANTE";
  static constexpr std::string_view kCaption = "VELMORANTE    -   IL FOLVARIO";
  static constexpr std::string_view kTitle = "VELMORANTE";
  static constexpr std::string_view kTitleTooltip = "clicca per fermare";
  static constexpr std::string_view kVersion = " vers. 2.15";
  static constexpr std::string_view kVersionTooltip = "maggio 2002";
  static constexpr std::string_view kResolution = "RISOLUZIONE 1280 x 1024";
  static constexpr std::string_view kExitTooltip = "CHIUDI TUTTO";
  static constexpr Color kRed = 0xFF0000;
  static constexpr Color kBlue = 0x0000FF;
  static constexpr Color kVersionColor = 0x0000FF;
  // Client area of the window, in twips, and the title's place.
  static constexpr int kWidth = 8505, kHeight = 5910;
  static constexpr int kTitleLeft = 360, kTitleTop = 240;

  // Load: the timer runs from now on, once a second.
  void load() { running_ = true; }
  // One timer tick: pure red becomes pure blue, any other colour pure red.
  void tick() {
    if (!running_) return;
    title_ = title_ == kRed ? kBlue : kRed;
  }
  // A click on the title stops the blink for good, in its current colour.
  void clickTitle() { running_ = false; }

  Color titleColor() const { return title_; }
  bool timerRunning() const { return running_; }
  int intervalMs() const { return 1000; }

 private:
  Color title_ = kRed;
  bool running_ = false;
};

}  // namespace vm
