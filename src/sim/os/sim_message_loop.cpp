#include "sim/os/sim_message_loop.h"

#include <algorithm>

namespace tessaly::sim {

namespace {

// The system raises shorter intervals to this minimum.
constexpr std::uint32_t kMinimumInterval = 10;

}  // namespace

host::TimerId SimMessageLoop::SetTimer(std::uint32_t interval_ms, std::function<void()> callback,
                                       host::TimerId requested_id) {
  if (!callback) return 0;
  host::TimerId id = requested_id;
  if (id == 0 || timers_.contains(id)) {
    while (timers_.contains(next_id_))
      ++next_id_;
    id = next_id_++;
  }
  const auto interval = std::max(interval_ms, kMinimumInterval);
  timers_[id] = Timer{interval, now_ + interval, next_order_++, std::move(callback)};
  return id;
}

bool SimMessageLoop::KillTimer(host::TimerId timer) {
  return timers_.erase(timer) == 1;
}

void SimMessageLoop::DoEvents() {
  ++do_events_count_;
  windows_.DeliverPostedMessages();
  Advance(do_events_ms_);
}

void SimMessageLoop::RunModal(std::uint64_t ms) {
  windows_.DeliverPostedMessages();
  Advance(ms);
}

void SimMessageLoop::Advance(std::uint64_t ms) {
  const auto end = now_ + ms;
  while (true) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (it->second.due > end) continue;
      if (next == timers_.end() || it->second.due < next->second.due ||
          (it->second.due == next->second.due && it->second.order < next->second.order)) {
        next = it;
      }
    }
    if (next == timers_.end()) break;
    now_ = next->second.due;
    next->second.due += next->second.interval;
    // A copy: the callback may kill its own timer.
    const auto callback = next->second.callback;
    callback();
  }
  // A callback that pumped messages may have moved the clock past this call's end already.
  now_ = std::max(now_, end);
}

std::uint32_t SimMessageLoop::TimerInterval(host::TimerId timer) const {
  const auto it = timers_.find(timer);
  return it == timers_.end() ? 0 : it->second.interval;
}

}  // namespace tessaly::sim
