#include "sim/editor/sim_window.h"

#include "host/host_error.h"

namespace tessaly::sim {

SimWindow::SimWindow(std::u16string caption, std::int32_t type, bool visible,
                     std::shared_ptr<CallLog> calls)
    : caption_(std::move(caption)), type_(type), visible_(visible), calls_(std::move(calls)) {}

std::u16string SimWindow::Caption() {
  calls_->Enter(u"Window.Caption");
  return caption_;
}

std::int32_t SimWindow::Type() {
  calls_->Enter(u"Window.Type");
  return type_;
}

bool SimWindow::Visible() {
  calls_->Enter(u"Window.Visible");
  return visible_;
}

void SimWindow::SetVisible(bool visible) {
  calls_->Enter(u"Window.SetVisible");
  visible_ = visible;
  if (visible) BringToFront();
}

std::shared_ptr<host::Window> SimWindow::LinkedWindowFrame() {
  calls_->Enter(u"Window.LinkedWindowFrame");
  return frame_;
}

std::int32_t SimWindow::Left() {
  calls_->Enter(u"Window.Left");
  return left_;
}

std::int32_t SimWindow::Top() {
  calls_->Enter(u"Window.Top");
  return top_;
}

void SimWindow::SetHeight(std::int32_t height) {
  calls_->Enter(u"Window.SetHeight");
  height_ = height;
}

void SimWindow::SetFocus() {
  calls_->Enter(u"Window.SetFocus");
  ++focus_count_;
  BringToFront();
}

host::WindowHandle SimWindow::HWnd() {
  calls_->Enter(u"Window.HWnd");
  if (handle_ == 0) throw calls_->Refused("the window gives no handle");
  return handle_;
}

void SimWindow::BringToFront() {
  if (brought_to_front_) brought_to_front_();
}

}  // namespace tessaly::sim
