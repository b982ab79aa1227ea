#include "tabs/tab_process_state.h"

#include <limits>

namespace tessaly::tabs {

std::int32_t TabProcessState::NextRecycledTab() {
  const std::int32_t position = tab_replace_counter_ % kTabsBeforeRecycling;
  constexpr std::int32_t kWrap =
      std::numeric_limits<std::int32_t>::max() / kTabsBeforeRecycling * kTabsBeforeRecycling;
  tab_replace_counter_ = tab_replace_counter_ + 1 == kWrap ? 0 : tab_replace_counter_ + 1;
  return position;
}

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
