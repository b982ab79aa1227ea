#pragma once

// The click source of one control: the VB6 editor's events object or the Office button's
// event. The control holds each sink it is given until the connection Advise returns is
// released, whoever else still holds the sink.

#include <memory>

#include "host/editor.h"
#include "sim/editor/call_log.h"
#include "sim/editor/sim_command_bar_control.h"

namespace tessaly::sim {

class SimClickSource : public host::ClickSource {
 public:
  SimClickSource(std::weak_ptr<SimCommandBarControl> control, SinkKind kind,
                 std::shared_ptr<CallLog> calls);

  [[nodiscard]] std::unique_ptr<host::EventConnection> Advise(
      std::shared_ptr<host::ClickSink> sink) override;

  SinkKind Kind() const { return kind_; }

 private:
  std::weak_ptr<SimCommandBarControl> control_;
  SinkKind kind_;
  std::shared_ptr<CallLog> calls_;
};

}  // namespace tessaly::sim
