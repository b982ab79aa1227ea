#include "sim/editor/sim_click_source.h"

#include "host/host_error.h"

namespace tessaly::sim {

SimClickSource::SimClickSource(std::weak_ptr<SimCommandBarControl> control, SinkKind kind,
                               std::shared_ptr<CallLog> calls)
    : control_(std::move(control)), kind_(kind), calls_(std::move(calls)) {}

void SimClickSource::Advise(const std::shared_ptr<host::ClickSink>& sink) {
  calls_->Enter(u"ClickSource.Advise");
  auto control = control_.lock();
  if (!control || control->IsDeleted()) throw host::HostError("Advise: the control is gone");
  if (!sink) throw host::HostError("Advise: no sink");
  control->Connect(kind_, sink);
}

}  // namespace tessaly::sim
