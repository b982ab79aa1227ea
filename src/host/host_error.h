#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::host {

// The one error a host or OS call raises when it refuses: no such object, a value out of
// range, an access denied. Features absorb it step by step (see resume.h); any other
// exception is a bug and must reach the tests.
class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace tessaly::host
