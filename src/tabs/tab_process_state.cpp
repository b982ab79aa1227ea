#include "tabs/tab_process_state.h"

namespace tessaly::tabs {

void TabProcessState::StartPendingTabTimer(std::function<void()> check) {
  StopPendingTabTimer();
  pending_tab_timer_ = loop_.SetTimer(kPendingTabCheckMs, std::move(check), 0);
}

void TabProcessState::StopPendingTabTimer() {
  if (pending_tab_timer_ == 0) return;
  loop_.KillTimer(pending_tab_timer_);
  pending_tab_timer_ = 0;
}

}  // namespace tessaly::tabs
