#include "addin/app_event_vbide.h"

#include "host/host_error.h"
#include "host/resume.h"

namespace tessaly::addin {

class AppEventVBIDE::Sink : public host::ClickSink {
 public:
  explicit Sink(Dispatcher dispatcher) : dispatcher_(std::move(dispatcher)) {}

  void OnClick(host::CommandBarControl& control, bool& /*handled*/, bool& cancel_default) override {
    if (!dispatcher_) return;
    // A copy runs: the click may release this sink (a menu filled again from its own button).
    const Dispatcher dispatcher = dispatcher_;
    // The editor must not run an action of its own for our buttons, even when ours fails.
    host::Resume([&] { dispatcher(control.Caption()); });
    cancel_default = true;
  }
  void Detach() { dispatcher_ = nullptr; }

 private:
  Dispatcher dispatcher_;
};

AppEventVBIDE::AppEventVBIDE(Dispatcher dispatcher)
    : sink_(std::make_shared<Sink>(std::move(dispatcher))) {}

AppEventVBIDE::~AppEventVBIDE() {
  Detach();
}

void AppEventVBIDE::Unadvise() {
  Detach();
  connection_.reset();
}

void AppEventVBIDE::Detach() {
  sink_->Detach();
}

void AppEventVBIDE::Advise() {
  auto& source = VB6ButtonEvent ? VB6ButtonEvent : VBAButtonEvent;
  if (!source) throw host::HostError("no click source to subscribe to");
  connection_ = source->Advise(sink_);
}

void HookButton(const Connection& connection, ButtonSinks& sinks, host::CommandBarControl& button,
                const AppEventVBIDE::Dispatcher& dispatcher) {
  auto events = std::make_shared<AppEventVBIDE>(dispatcher);
  if (connection.IsVb6()) {
    events->VB6ButtonEvent = connection.HostApplication->Events()->CommandBarEvents(button);
  } else {
    events->VBAButtonEvent = button.ButtonEvents();
  }
  events->Advise();
  if (!sinks) sinks.emplace();
  sinks->push_back(std::move(events));
}

void DetachButtonSinks(ButtonSinks& sinks) {
  if (!sinks) return;
  for (const auto& events : *sinks)
    events->Detach();
}

void ReleaseButtonSinks(ButtonSinks& sinks) {
  if (!sinks) return;
  for (const auto& events : *sinks)
    events->Unadvise();
  sinks->clear();
}

}  // namespace tessaly::addin
