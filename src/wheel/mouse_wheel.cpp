#include "wheel/mouse_wheel.h"

namespace tessaly::wheel {

MouseWheel::MouseWheel(const addin::Connection& connection, host::WindowSystem& windows,
                       host::MessageLoop& loop, host::SettingsStore& settings)
    : connection_(connection),
      windows_(windows),
      loop_(loop),
      hook_(connection, windows, settings) {}

void MouseWheel::LoadWheel() {
  if (!form_) form_ = std::make_unique<VBIDEMouse>(hook_, connection_, windows_, loop_);
}

void MouseWheel::UnloadWheel() {
  if (!form_) return;
  form_->QueryUnload();
  form_->Unload();
  form_.reset();
}

}  // namespace tessaly::wheel
