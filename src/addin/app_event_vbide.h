#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "host/editor.h"

namespace tessaly::addin {

// Receives the clicks of one add-in button and hands its caption to the function menu's
// dispatcher. Only the member of the host's kind is set. The editor holds the receiving sink
// until this object lets go of its subscription (Unadvise, or its destruction), so dropping
// it is all it takes to disconnect the button; the sink then no longer reaches the
// dispatcher's owner.
class AppEventVBIDE {
 public:
  using Dispatcher = std::function<void(const std::u16string& caption)>;

  explicit AppEventVBIDE(Dispatcher dispatcher);
  ~AppEventVBIDE();
  AppEventVBIDE(const AppEventVBIDE&) = delete;
  AppEventVBIDE& operator=(const AppEventVBIDE&) = delete;

  // Subscribes to whichever of the two members is set; throws HostError when refused.
  void Advise();
  void Unadvise();
  // Clicks from now on are ignored, even one the editor delivers after the add-in is gone to
  // a sink it still holds: the dispatcher's owner may be half torn down or freed.
  void Detach();

  std::shared_ptr<host::ClickSource> VB6ButtonEvent;  // the VB6 IDE's events object
  std::shared_ptr<host::ClickSource> VBAButtonEvent;  // the Office button's own events

 private:
  class Sink;

  std::shared_ptr<Sink> sink_;
  std::unique_ptr<host::EventConnection> connection_;
};

// The subscriptions of the function menu's buttons, from the bar's build until unload: the
// menu makes them, Connect lets them go. Created on first use; replaced whole when the menu is
// built.
using ButtonSinks = std::optional<std::vector<std::shared_ptr<AppEventVBIDE>>>;

// Wires one button the way the host mode needs and keeps its subscription in sinks.
// Throws HostError when the host refuses (for example CommandBarEvents in a VBA editor).
void HookButton(const Connection& connection, ButtonSinks& sinks, host::CommandBarControl& button,
                const AppEventVBIDE::Dispatcher& dispatcher);

// Unadvises every button's sink and empties the sinks.
void ReleaseButtonSinks(ButtonSinks& sinks);
// Every button's sink ignores clicks from now on (see AppEventVBIDE::Detach).
void DetachButtonSinks(ButtonSinks& sinks);

}  // namespace tessaly::addin
