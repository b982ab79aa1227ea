#pragma once

// Keeps the one About form of a loaded add-in. Every way of opening it (the VB6 Add-Ins
// entry, and the captions "关于程序", "TessalyAid" and "Tessaly" through the function menu)
// ends in Show: the first call loads the form, later ones show the same form again without
// loading it anew, until the user closes it.

#include <functional>
#include <memory>

#include "about/about_frm.h"
#include "addin/connection.h"
#include "addin/features.h"
#include "host/os.h"
#include "host/window_system.h"

namespace tessaly::about {

// The window a form draws into, made and removed by the face that displays it. Without a
// maker the form is a model only.
struct FormWindowFactory {
  std::function<host::WindowHandle()> create;
  std::function<void(host::WindowHandle)> destroy;
  // Runs once the form exists and before it loads, so the window follows it from its first
  // change (SetChangeListener) and raises its events.
  std::function<void(host::WindowHandle, AboutFrm&)> attach = {};
};

class AboutFormHost {
 public:
  AboutFormHost(const addin::Connection& connection, addin::Features& features, host::Os os,
                FormWindowFactory windows = {});
  AboutFormHost(const AboutFormHost&) = delete;
  AboutFormHost& operator=(const AboutFormHost&) = delete;

  // Modeless, without an owner.
  void Show();
  bool IsLoaded() const { return form_ && form_->IsLoaded(); }
  // The loaded form; throws std::logic_error when there is none.
  AboutFrm& Form();

 private:
  const addin::Connection& connection_;
  addin::Features& features_;
  host::Os os_;
  FormWindowFactory windows_;
  std::unique_ptr<AboutFrm> form_;
};

}  // namespace tessaly::about
