#include "wheel/mouse_wheel.h"

namespace tessaly::wheel {

MouseWheel::MouseWheel(addin::Connection& connection, host::Os& os)
    : connection_(connection), os_(os), hook_(connection, os) {}

void MouseWheel::LoadWheel() {
  if (!form_) form_ = std::make_unique<VBIDEMouse>(hook_, connection_, os_);
}

void MouseWheel::UnloadWheel() {
  if (!form_) return;
  form_->QueryUnload();
  form_->Unload();
  form_.reset();
}

}  // namespace tessaly::wheel
