#include "tabs/tab_strip.h"

#include <string>

#include "host/host_error.h"

namespace tessaly::tabs {

TabStrip::TabStrip() : tabs_{Tab{u"Tab1", u"Tab1"}} {}

void TabStrip::RequireIndex(std::int32_t index) const {
  if (index < 0 || index >= Count()) {
    throw host::HostError("TabStrip: no tab at index " + std::to_string(index));
  }
}

const Tab& TabStrip::Item(std::int32_t index) const {
  RequireIndex(index);
  return tabs_[static_cast<std::size_t>(index)];
}

void TabStrip::SetCaption(std::int32_t index, const std::u16string& caption) {
  RequireIndex(index);
  auto& shown = tabs_[static_cast<std::size_t>(index)].Caption;
  if (shown == caption) return;
  shown = caption;
  Changed();
}

std::int32_t TabStrip::Add(const std::u16string& name) {
  tabs_.push_back(Tab{name, u""});
  Changed();
  return Count() - 1;
}

void TabStrip::SetSelectedIndex(std::int32_t index) {
  RequireIndex(index);
  if (selected_ == index) return;
  selected_ = index;
  Changed();
}

void TabStrip::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  if (left_ == left && top_ == top && width_ == width && height_ == height) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void TabStrip::UserClick(std::int32_t index) {
  SetSelectedIndex(index);
  if (on_click_) on_click_(index);
}

}  // namespace tessaly::tabs
