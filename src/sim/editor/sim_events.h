#pragma once

// The application's Events object. Only the stand-alone VB6 editor hands out a click source
// per control; the Office editors have none, so the call fails there.

#include <memory>

#include "host/editor.h"
#include "sim/editor/call_log.h"

namespace tessaly::sim {

class SimEvents : public host::Events {
 public:
  SimEvents(bool vb6_host, std::shared_ptr<CallLog> calls);

  std::shared_ptr<host::ClickSource> CommandBarEvents(host::CommandBarControl& control) override;

 private:
  bool vb6_host_;
  std::shared_ptr<CallLog> calls_;
};

}  // namespace tessaly::sim
