#include "addin/subclass_proc.h"

#include "host/resume.h"

namespace tessaly::addin {

SubclassProc::SubclassProc(host::WindowSystem& windows, host::WindowProc handler)
    : windows_(windows), relay_(std::make_shared<Relay>()) {
  relay_->handler = std::move(handler);
  relay_->windows = &windows_;
}

SubclassProc::~SubclassProc() {
  if (!passing_on_) Unregister();
}

host::WindowProcId SubclassProc::Id() {
  if (id_ != 0 || passing_on_) return id_;
  id_ = host::ResumeOr<host::WindowProcId>(0, [&] {
    return windows_.RegisterWindowProc([relay = relay_](host::WindowHandle window,
                                                        std::uint32_t message,
                                                        std::uintptr_t w_param,
                                                        std::intptr_t l_param) -> std::intptr_t {
      if (relay->handler) return relay->handler(window, message, w_param, l_param);
      return host::ResumeOr<std::intptr_t>(0, [&] {
        return relay->windows->CallWindowProc(relay->previous, window, message, w_param, l_param);
      });
    });
  });
  return id_;
}

bool SubclassProc::Uninstall(host::WindowHandle window, host::WindowProcId previous) {
  if (id_ == 0) return true;
  const auto installed =
      host::ResumeOr<host::WindowProcId>(0, [&] { return windows_.InstalledWindowProc(window); });
  if (installed == 0) return true;
  if (installed != id_) return false;
  return host::Resume([&] { windows_.SetWindowProc(window, previous); });
}

void SubclassProc::Unregister() {
  if (id_ == 0) return;
  host::Resume([&] { windows_.UnregisterWindowProc(id_); });
  id_ = 0;
}

void SubclassProc::PassOnForever(host::WindowProcId previous) {
  relay_->previous = previous;
  relay_->handler = nullptr;
  passing_on_ = true;
}

}  // namespace tessaly::addin
