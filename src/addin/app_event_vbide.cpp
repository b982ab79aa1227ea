#include "addin/app_event_vbide.h"

#include "host/resume.h"

namespace tessaly::addin {

void AppEventVBIDE::OnClick(host::CommandBarControl& control, bool& /*handled*/,
                            bool& cancel_default) {
  // The editor must not run an action of its own for our buttons, even when ours fails.
  host::Resume([&] { dispatcher_(control.Caption()); });
  cancel_default = true;
}

void HookButton(Connection& connection, host::CommandBarControl& button,
                const AppEventVBIDE::Dispatcher& dispatcher) {
  auto sink = std::make_shared<AppEventVBIDE>(dispatcher);
  if (connection.IsVb6()) {
    sink->VB6ButtonEvent = connection.HostApplication->Events()->CommandBarEvents(button);
    sink->VB6ButtonEvent->Advise(sink);
  } else {
    sink->VBAButtonEvent = button.ButtonEvents();
    sink->VBAButtonEvent->Advise(sink);
  }
  if (!connection.ButtonSinks) connection.ButtonSinks.emplace();
  connection.ButtonSinks->push_back(std::move(sink));
}

}  // namespace tessaly::addin
