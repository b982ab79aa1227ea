#include "sim/editor/call_log.h"

#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::sim {

void CallLog::Enter(std::u16string_view member) {
  auto it = counts_.find(member);
  if (it == counts_.end()) it = counts_.emplace(std::u16string(member), 0).first;
  ++it->second;
  if (refused_.contains(member)) {
    throw host::HostError("the editor refused " + text::ToUtf8(member));
  }
}

std::int64_t CallLog::Calls(std::u16string_view member) const {
  auto it = counts_.find(member);
  return it == counts_.end() ? 0 : it->second;
}

std::int64_t CallLog::TotalCalls() const {
  std::int64_t total = 0;
  for (const auto& [member, count] : counts_)
    total += count;
  return total;
}

void CallLog::Reset() {
  counts_.clear();
}

void CallLog::Refuse(std::u16string_view member) {
  refused_.emplace(member);
}

void CallLog::Allow(std::u16string_view member) {
  auto it = refused_.find(member);
  if (it != refused_.end()) refused_.erase(it);
}

}  // namespace tessaly::sim
