#include "sim/editor/call_log.h"

#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::sim {

CallLog::Entry& CallLog::Find(std::u16string_view member) {
  auto it = entries_.find(member);
  if (it == entries_.end()) it = entries_.emplace(std::u16string(member), Entry{}).first;
  return it->second;
}

void CallLog::EnterLiteral(std::u16string_view member) {
  auto known = by_literal_.find(member.data());
  Entry* entry = known != by_literal_.end() ? known->second : nullptr;
  if (!entry) {
    entry = &Find(member);
    by_literal_.emplace(member.data(), entry);
  }
  ++entry->calls;
  if (entry->refused) {
    throw Refused(entry->description.empty() ? "the editor refused " + text::ToUtf8(member)
                                             : entry->description,
                  text::ToUtf8(member));
  }
}

host::HostError CallLog::Refused(const std::string& description, const std::string& member) const {
  // E_FAIL: the simulated editor gives no code of its own.
  return host::HostError(host::Refusal{member, 0x80004005, description}, refusals_);
}

std::int64_t CallLog::Calls(std::u16string_view member) const {
  auto it = entries_.find(member);
  return it == entries_.end() ? 0 : it->second.calls;
}

std::int64_t CallLog::TotalCalls() const {
  std::int64_t total = 0;
  for (const auto& [member, entry] : entries_)
    total += entry.calls;
  return total;
}

std::vector<std::u16string> CallLog::CalledMembers() const {
  std::vector<std::u16string> called;
  for (const auto& [member, entry] : entries_) {
    if (entry.calls > 0) called.push_back(member);
  }
  return called;
}

void CallLog::Reset() {
  for (auto& [member, entry] : entries_)
    entry.calls = 0;
}

void CallLog::Refuse(std::u16string_view member, std::string description) {
  auto& entry = Find(member);
  entry.refused = true;
  entry.description = std::move(description);
}

void CallLog::Allow(std::u16string_view member) {
  Find(member).refused = false;
}

}  // namespace tessaly::sim
