#include "about/about_form_host.h"

#include <stdexcept>

namespace tessaly::about {

AboutFormHost::AboutFormHost(const addin::Connection& connection, addin::Features& features,
                             host::Os os, FormWindowFactory windows)
    : connection_(connection), features_(features), os_(os), windows_(std::move(windows)) {}

void AboutFormHost::Show() {
  if (!IsLoaded()) {
    const host::WindowHandle window = windows_.create ? windows_.create() : 0;
    auto on_unload = [destroy = windows_.destroy, window] {
      if (destroy && window != 0) destroy(window);
    };
    form_ = std::make_unique<AboutFrm>(connection_, features_, os_, window, on_unload);
    if (windows_.attach && window != 0) windows_.attach(window, *form_);
    form_->Form_Load();
  }
  form_->Show();
}

AboutFrm& AboutFormHost::Form() {
  if (!IsLoaded()) throw std::logic_error("the About form is not loaded");
  return *form_;
}

}  // namespace tessaly::about
