#include "headless.h"

namespace vm {

void HeadlessHost::message(Form&, const std::string& prompt, const std::string& title, Icon icon) {
  HostEvent e;
  e.type = HostEvent::Type::Message;
  e.prompt = prompt;
  e.title = title;
  e.icon = icon;
  events.push_back(std::move(e));
}

void HeadlessHost::open(Form&, const std::string& formName, OpenHow how, std::optional<std::pair<int, int>> at) {
  HostEvent e;
  e.type = HostEvent::Type::Open;
  e.form = formName;
  e.how = how;
  if (at) {
    e.left = at->first;
    e.top = at->second;
  }
  events.push_back(std::move(e));
}

void HeadlessHost::move(Form&, int left, int top) {
  HostEvent e;
  e.type = HostEvent::Type::Move;
  e.left = left;
  e.top = top;
  events.push_back(std::move(e));
}

void HeadlessHost::resize(Form&, int width, int height) {
  HostEvent e;
  e.type = HostEvent::Type::Resize;
  e.width = width;
  e.height = height;
  events.push_back(std::move(e));
}

void HeadlessHost::print(Form&) {
  HostEvent e;
  e.type = HostEvent::Type::Print;
  events.push_back(std::move(e));
}

void HeadlessHost::close(Form&) {
  HostEvent e;
  e.type = HostEvent::Type::Close;
  events.push_back(std::move(e));
}

}  // namespace vm
