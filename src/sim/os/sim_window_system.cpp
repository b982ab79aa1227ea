#include "sim/os/sim_window_system.h"
#include "text/ascii_case.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tessaly::sim {

namespace {

// Window class names compare without regard to case, as the system compares them.
std::u16string FoldCase(std::u16string_view text) {
  return text::AsciiUppercased(std::u16string(text));
}

bool Contains(const host::Rect& rect, host::Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

}  // namespace

SimWindowSystem::Window* SimWindowSystem::Find(host::WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const std::vector<host::WindowHandle>* SimWindowSystem::Siblings(host::WindowHandle parent) const {
  if (parent == 0) return &z_order_;
  const auto it = windows_.find(parent);
  return it == windows_.end() ? nullptr : &it->second.children;
}

host::WindowHandle SimWindowSystem::FindWindow(const std::optional<std::u16string>& class_name,
                                               const std::optional<std::u16string>& title) {
  return FindWindowEx(0, 0, class_name, title);
}

host::WindowHandle SimWindowSystem::FindWindowEx(host::WindowHandle parent,
                                                 host::WindowHandle child_after,
                                                 const std::optional<std::u16string>& class_name,
                                                 const std::optional<std::u16string>& title) {
  const auto* siblings = Siblings(parent);
  if (!siblings) return 0;
  auto it = siblings->begin();
  if (child_after != 0) {
    it = std::find(siblings->begin(), siblings->end(), child_after);
    if (it == siblings->end()) return 0;
    ++it;
  }
  for (; it != siblings->end(); ++it) {
    const auto& params = windows_.at(*it).params;
    // Another program's windows of the same kind cannot be hooked from here: only this
    // process's are found.
    if (params.process.value_or(current_process_) != current_process_) continue;
    if (class_name && FoldCase(*class_name) != FoldCase(params.class_name)) continue;
    if (title && *title != params.title) continue;
    return *it;
  }
  return 0;
}

host::WindowHandle SimWindowSystem::NextWindow(host::WindowHandle window) {
  const Window* found = Find(window);
  if (!found) return 0;
  const auto& siblings = *Siblings(found->params.parent);
  const auto it = std::find(siblings.begin(), siblings.end(), window);
  return (it == siblings.end() || it + 1 == siblings.end()) ? 0 : *(it + 1);
}

std::u16string SimWindowSystem::ClassName(host::WindowHandle window) {
  const Window* found = Find(window);
  return found ? found->params.class_name : std::u16string();
}

std::u16string SimWindowSystem::WindowText(host::WindowHandle window) {
  const Window* found = Find(window);
  return found ? found->params.title : std::u16string();
}

std::uint32_t SimWindowSystem::WindowStyle(host::WindowHandle window) {
  const Window* found = Find(window);
  return found ? found->params.style : 0;
}

host::Rect SimWindowSystem::WindowRect(host::WindowHandle window) {
  const Window* found = Find(window);
  return found ? found->params.rect : host::Rect{};
}

std::uint32_t SimWindowSystem::WindowProcessId(host::WindowHandle window) {
  const Window* found = Find(window);
  return found ? found->params.process.value_or(current_process_) : 0;
}

host::WindowHandle SimWindowSystem::DeepestAt(host::WindowHandle window, host::Point point) const {
  for (const auto child : windows_.at(window).children) {
    const auto& params = windows_.at(child).params;
    if (params.visible && Contains(params.rect, point)) return DeepestAt(child, point);
  }
  return window;
}

host::WindowHandle SimWindowSystem::WindowFromPoint(host::Point point) {
  for (const auto window : z_order_) {
    const auto& params = windows_.at(window).params;
    if (params.visible && Contains(params.rect, point)) return DeepestAt(window, point);
  }
  return 0;
}

void SimWindowSystem::Shift(host::WindowHandle window, std::int32_t dx, std::int32_t dy) {
  for (const auto child : windows_.at(window).children) {
    auto& rect = windows_.at(child).params.rect;
    rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    Shift(child, dx, dy);
  }
}

bool SimWindowSystem::MoveWindow(host::WindowHandle window, std::int32_t x, std::int32_t y,
                                 std::int32_t width, std::int32_t height, bool /*repaint*/) {
  Window* found = Find(window);
  if (!found) return false;
  moves_.push_back({window, x, y, width, height});
  if (const Window* parent = Find(found->params.parent)) {
    x += parent->params.rect.left;
    y += parent->params.rect.top;
  }
  auto& rect = found->params.rect;
  Shift(window, x - rect.left, y - rect.top);
  rect = {x, y, x + width, y + height};
  return true;
}

void SimWindowSystem::BringToFront(host::WindowHandle window) {
  std::erase(z_order_, window);
  const bool topmost = windows_.at(window).topmost;
  // Ordinary windows stay behind every topmost one.
  auto it = z_order_.begin();
  if (!topmost) {
    while (it != z_order_.end() && windows_.at(*it).topmost)
      ++it;
  }
  z_order_.insert(it, window);
}

bool SimWindowSystem::SetTopmost(host::WindowHandle window, bool topmost) {
  Window* found = Find(window);
  if (!found || found->params.parent != 0) return false;
  found->topmost = topmost;
  BringToFront(window);
  return true;
}

host::WindowProcId SimWindowSystem::AddProcedure(host::WindowProc procedure) {
  const auto id = next_procedure_;
  next_procedure_ += 0x10;
  procedures_.emplace(id, std::move(procedure));
  return id;
}

host::WindowProcId SimWindowSystem::RegisterWindowProc(host::WindowProc procedure) {
  if (!procedure) return 0;
  const auto id = AddProcedure(std::move(procedure));
  seam_procedures_.insert(id);
  return id;
}

void SimWindowSystem::UnregisterWindowProc(host::WindowProcId procedure) {
  if (!seam_procedures_.contains(procedure)) return;
  for (const auto& [handle, window] : windows_) {
    if (window.procedure == procedure) {
      throw std::logic_error("unregistering a window procedure that is still installed");
    }
  }
  seam_procedures_.erase(procedure);
  procedures_.erase(procedure);
  unregistered_.insert(procedure);
}

host::WindowProcId SimWindowSystem::SetWindowProc(host::WindowHandle window,
                                                  host::WindowProcId procedure) {
  Window* found = Find(window);
  if (!found || !procedures_.contains(procedure)) return 0;
  return std::exchange(found->procedure, procedure);
}

std::intptr_t SimWindowSystem::CallWindowProc(host::WindowProcId procedure,
                                              host::WindowHandle window, std::uint32_t message,
                                              std::uintptr_t w_param, std::intptr_t l_param) {
  if (unregistered_.contains(procedure)) {
    throw std::logic_error("calling a window procedure after it was unregistered");
  }
  const auto it = procedures_.find(procedure);
  if (it == procedures_.end()) return 0;
  // A copy, so a procedure that registers others while it runs stays intact.
  const host::WindowProc call = it->second;
  return call(window, message, w_param, l_param);
}

std::vector<host::WindowHandle> SimWindowSystem::WindowsWithRegisteredProc() const {
  std::vector<host::WindowHandle> hooked;
  for (const auto& [handle, window] : windows_) {
    if (seam_procedures_.contains(window.procedure)) hooked.push_back(handle);
  }
  return hooked;
}

bool SimWindowSystem::PostMessage(host::WindowHandle window, std::uint32_t message,
                                  std::uintptr_t w_param, std::intptr_t l_param) {
  if (!Find(window)) return false;
  posted_.push_back({window, message, w_param, l_param, {}});
  return true;
}

void SimWindowSystem::RegisterClass(const std::u16string& class_name, host::WindowProc procedure) {
  class_procedures_[FoldCase(class_name)] = AddProcedure(std::move(procedure));
}

host::WindowProcId SimWindowSystem::ClassProcedure(const std::u16string& class_name) {
  auto& id = class_procedures_[FoldCase(class_name)];
  if (id == 0) {
    id = AddProcedure([this](host::WindowHandle window, std::uint32_t message,
                             std::uintptr_t w_param, std::intptr_t l_param) {
      default_log_.push_back({window, message, w_param, l_param, keyboard_});
      return std::intptr_t{0};
    });
  }
  return id;
}

host::WindowHandle SimWindowSystem::CreateWindow(const WindowParams& params) {
  if (params.parent != 0 && !Find(params.parent)) return 0;
  const auto handle = next_handle_;
  next_handle_ += 2;
  windows_.emplace(handle, Window{params, ClassProcedure(params.class_name), false, {}});
  if (params.parent != 0) {
    windows_.at(params.parent).children.push_back(handle);
  } else {
    BringToFront(handle);
  }
  return handle;
}

bool SimWindowSystem::DestroyWindow(host::WindowHandle window) {
  Window* found = Find(window);
  if (!found) return false;
  for (const auto child : std::vector<host::WindowHandle>(found->children))
    DestroyWindow(child);
  if (Window* parent = Find(found->params.parent)) {
    std::erase(parent->children, window);
  } else {
    std::erase(z_order_, window);
  }
  if (foreground_ == window) foreground_ = 0;
  windows_.erase(window);
  return true;
}

void SimWindowSystem::SetForeground(host::WindowHandle window) {
  const Window* found = Find(window);
  if (!found) return;
  foreground_ = window;
  if (found->params.parent == 0) BringToFront(window);
}

void SimWindowSystem::SetWindowText(host::WindowHandle window, const std::u16string& title) {
  if (Window* found = Find(window)) found->params.title = title;
}

void SimWindowSystem::SetVisible(host::WindowHandle window, bool visible) {
  if (Window* found = Find(window)) found->params.visible = visible;
}

host::WindowProcId SimWindowSystem::WindowProc(host::WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.procedure;
}

std::intptr_t SimWindowSystem::SendMessage(host::WindowHandle window, std::uint32_t message,
                                           std::uintptr_t w_param, std::intptr_t l_param) {
  const Window* found = Find(window);
  if (!found) return 0;
  return CallWindowProc(found->procedure, window, message, w_param, l_param);
}

std::size_t SimWindowSystem::DeliverPostedMessages() {
  std::size_t delivered = 0;
  for (auto count = posted_.size(); count > 0; --count) {
    auto message = posted_.front();
    posted_.pop_front();
    if (!Find(message.window)) continue;
    message.keyboard = keyboard_;
    delivered_.push_back(message);
    SendMessage(message.window, message.message, message.w_param, message.l_param);
    ++delivered;
  }
  return delivered;
}

std::vector<host::WindowHandle> SimWindowSystem::Children(host::WindowHandle parent) const {
  const auto* siblings = Siblings(parent);
  return siblings ? *siblings : std::vector<host::WindowHandle>();
}

}  // namespace tessaly::sim
