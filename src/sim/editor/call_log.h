#pragma once

// Every member call the add-in makes on the simulated object model passes through one log, so
// tests can count calls (a tool that reads each line twice shows up) and make any member
// refuse, as the real editor may refuse any call.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace tessaly::sim {

class CallLog {
 public:
  // Counts one call of `member` ("Interface.Member"); throws HostError when it is refused.
  void Enter(std::u16string_view member);
  std::int64_t Calls(std::u16string_view member) const;
  std::int64_t TotalCalls() const;
  void Reset();

  // Every later call of the member is refused until Allow.
  void Refuse(std::u16string_view member);
  void Allow(std::u16string_view member);

 private:
  std::map<std::u16string, std::int64_t, std::less<>> counts_;
  std::set<std::u16string, std::less<>> refused_;
};

}  // namespace tessaly::sim
