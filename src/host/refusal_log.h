#pragma once

// Where the editor's refusals are written, so that a button that does nothing in a user's
// editor can be traced to the member that editor refused. Each place in our code writes once
// per member and load of the add-in: a refusal met for every line of a module costs one line,
// a second member refused at the same place still shows, and the log stays within its bound
// however long the editor runs.

#include <cstdint>
#include <functional>
#include <set>
#include <source_location>
#include <string>
#include <tuple>

#include "host/host_error.h"

namespace tessaly::host {

class RefusalLog {
 public:
  using Writer = std::function<void(const std::source_location& where, const std::string& what)>;

  explicit RefusalLog(Writer writer) : writer_(std::move(writer)) {}

  void Record(const Refusal& refusal, const std::source_location& where);
  // The add-in was loaded again: every place may write once more.
  void NewLoad() { written_.clear(); }

 private:
  using PlaceAndMember =
      std::tuple<std::string, std::uint_least32_t, std::uint_least32_t, std::string>;

  Writer writer_;
  std::set<PlaceAndMember> written_;
};

}  // namespace tessaly::host
