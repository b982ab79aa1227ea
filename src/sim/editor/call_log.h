#pragma once

// Every member call the add-in makes on the simulated object model passes through one log, so
// tests can count calls (a tool that reads each line twice shows up) and make any member
// refuse, as the real editor may refuse any call.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/host_error.h"
#include "host/refusal_log.h"

namespace tessaly::sim {

class CallLog {
 public:
  // Counts one call of `member` ("Interface.Member"); throws HostError when it is refused.
  // Members are named by string literals (see by_literal_).
  template <std::size_t N>
  void Enter(const char16_t (&member)[N]) {
    EnterLiteral(std::u16string_view(member, N - 1));
  }
  std::int64_t Calls(std::u16string_view member) const;
  std::int64_t TotalCalls() const;
  // The members called since the last reset, in no particular order.
  std::vector<std::u16string> CalledMembers() const;
  void Reset();

  // Every later call of the member is refused until Allow, with the editor's own description
  // (UTF-8) when one is given.
  void Refuse(std::u16string_view member, std::string description = {});
  void Allow(std::u16string_view member);

  // A refusal as the editor raises one: the step that absorbs it writes it to the editor's
  // refusal log.
  host::HostError Refused(const std::string& description, const std::string& member = {}) const;
  host::RefusalLog& Refusals() const { return *refusals_; }
  // What the refusals left in the log, one line each: the place in our code, then the refusal.
  const std::vector<std::string>& RefusalLines() const { return *refusal_lines_; }

  // Event subscriptions made and not yet released, over the editor's whole life: a reset of
  // the call counts leaves them alone.
  void ConnectionMade() { ++live_connections_; }
  void ConnectionReleased() { --live_connections_; }
  std::int64_t LiveConnections() const { return live_connections_; }

 private:
  struct Entry {
    std::int64_t calls = 0;
    bool refused = false;
    std::string description;
  };
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const {
      return std::hash<std::u16string_view>{}(name);
    }
  };

  void EnterLiteral(std::u16string_view member);
  Entry& Find(std::u16string_view member);

  std::unordered_map<std::u16string, Entry, NameHash, std::equal_to<>> entries_;
  // Tools make a call per line of modules of tens of thousands of lines: a literal's address
  // finds its entry without hashing or comparing text. Entries are never erased, so the
  // pointers stay valid.
  std::unordered_map<const char16_t*, Entry*> by_literal_;
  std::int64_t live_connections_ = 0;
  std::shared_ptr<std::vector<std::string>> refusal_lines_ =
      std::make_shared<std::vector<std::string>>();
  std::shared_ptr<host::RefusalLog> refusals_ = std::make_shared<host::RefusalLog>(
      [lines = refusal_lines_](const std::source_location& where, const std::string& what) {
        lines->push_back(std::string(where.file_name()) + ":" + std::to_string(where.line()) + " " +
                         what);
      });
};

}  // namespace tessaly::sim
