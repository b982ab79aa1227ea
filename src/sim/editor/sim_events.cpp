#include "sim/editor/sim_events.h"

#include "host/host_error.h"
#include "sim/editor/sim_click_source.h"
#include "sim/editor/sim_command_bar_control.h"

namespace tessaly::sim {

SimEvents::SimEvents(bool vb6_host, std::shared_ptr<CallLog> calls)
    : vb6_host_(vb6_host), calls_(std::move(calls)) {}

std::shared_ptr<host::ClickSource> SimEvents::CommandBarEvents(host::CommandBarControl& control) {
  calls_->Enter(u"Events.CommandBarEvents");
  if (!vb6_host_) throw calls_->Refused("CommandBarEvents: not offered by this editor");
  auto* sim_control = dynamic_cast<SimCommandBarControl*>(&control);
  if (!sim_control) throw calls_->Refused("CommandBarEvents: not a control of this editor");
  sim_control->RequireAlive("CommandBarEvents");
  return std::make_shared<SimClickSource>(sim_control->weak_from_this(),
                                          SinkKind::kCommandBarEvents, calls_);
}

}  // namespace tessaly::sim
