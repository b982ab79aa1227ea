#pragma once

// What the tab feature remembers for as long as the add-in is loaded, shared by the tab
// document attached to it and the project-explorer hook. One object per loaded add-in, owned
// by whoever owns the features.

#include <cstdint>
#include <functional>
#include <string>

#include "host/message_loop.h"

namespace tessaly::tabs {

// The strip grows to this many tabs through Code_Click; past it, positions are reused.
inline constexpr std::int32_t kTabsBeforeRecycling = 11;
inline constexpr std::uint32_t kPendingTabCheckMs = 150;

class TabProcessState {
 public:
  explicit TabProcessState(host::MessageLoop& loop) : loop_(loop) {}
  // A check left running would call into an add-in that is gone.
  ~TabProcessState() { StopPendingTabTimer(); }
  TabProcessState(const TabProcessState&) = delete;
  TabProcessState& operator=(const TabProcessState&) = delete;

  // Starting a check stops the one before it, so no timer is ever left without its identity.
  void StartPendingTabTimer(std::function<void()> check);
  void StopPendingTabTimer();
  host::TimerId PendingTabTimer() const { return pending_tab_timer_; }

  std::u16string CaptionAtDoubleClick;

 private:
  host::MessageLoop& loop_;
  host::TimerId pending_tab_timer_ = 0;
};

}  // namespace tessaly::tabs
