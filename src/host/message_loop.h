#pragma once

#include <cstdint>
#include <functional>

namespace tessaly::host {

using TimerId = std::uintptr_t;

// The host's user-interface thread: timers fire from it and pending messages can be
// processed on request. Everything the add-in does runs inside one of its callbacks.
class MessageLoop {
 public:
  virtual ~MessageLoop() = default;
  // Returns the timer's identity, 0 when refused.
  virtual TimerId SetTimer(std::uint32_t interval_ms, std::function<void()> callback,
                           TimerId requested_id) = 0;
  virtual bool KillTimer(TimerId timer) = 0;
  virtual void DoEvents() = 0;
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace tessaly::host
