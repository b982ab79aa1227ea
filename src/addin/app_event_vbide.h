#pragma once

#include <functional>
#include <memory>
#include <string>

#include "addin/connection.h"
#include "host/editor.h"

namespace tessaly::addin {

// Receives the click of one add-in button and hands its caption to the function menu's
// dispatcher. One sink serves one button; only the member of the host's kind is set.
class AppEventVBIDE : public host::ClickSink {
 public:
  using Dispatcher = std::function<void(const std::u16string& caption)>;

  explicit AppEventVBIDE(Dispatcher dispatcher) : dispatcher_(std::move(dispatcher)) {}

  void OnClick(host::CommandBarControl& control, bool& handled, bool& cancel_default) override;

  std::shared_ptr<host::ClickSource> VB6ButtonEvent;  // the VB6 IDE's events object
  std::shared_ptr<host::ClickSource> VBAButtonEvent;  // the Office button's own events

 private:
  Dispatcher dispatcher_;
};

// Wires one button the way the host mode needs and keeps the sink alive in ButtonSinks.
// Throws HostError when the host refuses (for example CommandBarEvents in a VBA editor).
void HookButton(Connection& connection, host::CommandBarControl& button,
                const AppEventVBIDE::Dispatcher& dispatcher);

}  // namespace tessaly::addin
