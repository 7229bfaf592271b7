#pragma once
// A Host that records what a window asks of the world and answers every
// message box with OK at once. Used by the command-line driver and tests.
#include <optional>
#include <string>
#include <vector>

#include "form.h"

namespace vm {

struct HostEvent {
  enum class Type { Message, Open, Move, Resize, Print, Close };
  Type type = Type::Message;
  std::string prompt, title;  // Message
  Icon icon = Icon::Warning;  // Message
  std::string form;           // Open
  OpenHow how = OpenHow::Modeless;
  std::optional<int> left, top;  // Open (placed), Move
  int width = 0, height = 0;     // Resize
};

class HeadlessHost : public Host {
 public:
  void message(Form&, const std::string& prompt, const std::string& title, Icon icon) override;
  void open(Form&, const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at) override;
  void move(Form&, int left, int top) override;
  void resize(Form&, int width, int height) override;
  void print(Form&) override;
  void close(Form&) override;
  Date today() const override { return date; }

  std::vector<HostEvent> events;
  Date date{2026, 1, 1};
};

}  // namespace vm
