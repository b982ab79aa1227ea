#include "sim/editor/sim_click_source.h"

#include "host/host_error.h"

namespace tessaly::sim {

namespace {

class SimEventConnection : public host::EventConnection {
 public:
  SimEventConnection(std::weak_ptr<SimCommandBarControl> control, SinkKind kind,
                     std::uint64_t cookie, std::shared_ptr<CallLog> calls)
      : control_(std::move(control)), kind_(kind), cookie_(cookie), calls_(std::move(calls)) {
    calls_->ConnectionMade();
  }
  ~SimEventConnection() override {
    if (auto control = control_.lock()) control->Disconnect(kind_, cookie_);
    calls_->ConnectionReleased();
  }
  SimEventConnection(const SimEventConnection&) = delete;
  SimEventConnection& operator=(const SimEventConnection&) = delete;

 private:
  std::weak_ptr<SimCommandBarControl> control_;
  SinkKind kind_;
  std::uint64_t cookie_;
  std::shared_ptr<CallLog> calls_;
};

}  // namespace

SimClickSource::SimClickSource(std::weak_ptr<SimCommandBarControl> control, SinkKind kind,
                               std::shared_ptr<CallLog> calls)
    : control_(std::move(control)), kind_(kind), calls_(std::move(calls)) {}

std::unique_ptr<host::EventConnection> SimClickSource::Advise(
    std::shared_ptr<host::ClickSink> sink) {
  calls_->Enter(u"ClickSource.Advise");
  auto control = control_.lock();
  if (!control || control->IsDeleted()) throw calls_->Refused("Advise: the control is gone");
  if (!sink) throw calls_->Refused("Advise: no sink");
  const auto cookie = control->Connect(kind_, std::move(sink));
  return std::make_unique<SimEventConnection>(control, kind_, cookie, calls_);
}

}  // namespace tessaly::sim
