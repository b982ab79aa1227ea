#pragma once

// The user-interface thread on a virtual clock: time moves when a test calls Advance and
// while the add-in pumps messages, and timers fire then, in the order they fall due. DoEvents
// hands the posted messages to their windows, runs whatever a test queued as further pending
// work, and lets a little time pass, so timers fire inside it as they do on Windows.

#include <cstdint>
#include <functional>
#include <map>

#include "host/message_loop.h"
#include "sim/os/sim_window_system.h"

namespace tessaly::sim {

class SimMessageLoop : public host::MessageLoop {
 public:
  explicit SimMessageLoop(SimWindowSystem& windows) : windows_(windows) {}
  SimMessageLoop(const SimMessageLoop&) = delete;
  SimMessageLoop& operator=(const SimMessageLoop&) = delete;

  // A requested identity that is free is used; otherwise a fresh one is given, so two
  // callers can never share (and so stop) each other's timer.
  host::TimerId SetTimer(std::uint32_t interval_ms, std::function<void()> callback,
                         host::TimerId requested_id) override;
  bool KillTimer(host::TimerId timer) override;
  void DoEvents() override;
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }

  // ---- for tests ----
  // Moves the clock on, firing every timer that falls due on the way; a timer may set or
  // kill timers (itself included), or pump messages, from its callback.
  void Advance(std::uint64_t ms);
  // A modal loop (a message box) open for ms: posted messages and due timers are handled.
  void RunModal(std::uint64_t ms);
  // How long one DoEvents takes; at least 1, so a wait on the tick count ends.
  void SetDoEventsDuration(std::uint32_t ms) { do_events_ms_ = ms == 0 ? 1 : ms; }
  void SetTickCount(std::uint32_t tick) { now_ = tick; }
  std::size_t RunningTimerCount() const { return timers_.size(); }
  bool IsTimerRunning(host::TimerId timer) const { return timers_.contains(timer); }
  std::uint32_t TimerInterval(host::TimerId timer) const;
  std::size_t DoEventsCount() const { return do_events_count_; }

 private:
  struct Timer {
    std::uint32_t interval = 0;
    std::uint64_t due = 0;
    std::uint64_t order = 0;  // timers due together fire in the order they were set
    std::function<void()> callback;
  };

  SimWindowSystem& windows_;
  std::map<host::TimerId, Timer> timers_;
  std::uint64_t now_ = 0;
  std::uint64_t next_order_ = 0;
  host::TimerId next_id_ = 1;
  std::size_t do_events_count_ = 0;
  std::uint32_t do_events_ms_ = 1;
};

}  // namespace tessaly::sim
