#pragma once

#include <cstdint>
#include <memory>
#include <source_location>
#include <stdexcept>
#include <string>

namespace tessaly::host {

class RefusalLog;

// What the editor said when it refused a member: the member as our code called it, the
// HRESULT, and the editor's own description (UTF-8, in the user's language).
struct Refusal {
  std::string member;
  std::uint32_t code = 0;
  std::string description;

  // "CommandBars.Item refused (0x80020009): 无效的过程调用或参数"
  std::string Text() const;
};

// The one error a host or OS call raises when it refuses: no such object, a value out of
// range, an access denied. Features absorb it step by step (see resume.h); any other
// exception is a bug and must reach the tests. A refusal of the editor itself carries the log
// it is to be written to; errors of our own carry none and are never written.
class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& what) : std::runtime_error(what) {}
  HostError(const Refusal& refusal, std::shared_ptr<RefusalLog> log);

  // What the editor said, for a refusal of the editor; else what().
  std::string Description() const { return refusal_ ? refusal_->description : what(); }

  // Writes the refusal, with the place in our code that met it, to the log it carries.
  void Report(const std::source_location& where) const noexcept;

 private:
  std::shared_ptr<const Refusal> refusal_;
  std::shared_ptr<RefusalLog> log_;
};

}  // namespace tessaly::host
