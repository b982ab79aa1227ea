#pragma once

#include <memory>

#include "host/host_error.h"

namespace tessaly::menu {

// An object the editor did not hand out (a failed creation, no such bar) refuses every call,
// as a member call on Nothing fails in the editor; the resumed step is then skipped.
template <class T>
T& Required(const std::shared_ptr<T>& object) {
  if (!object) throw host::HostError("no such object");
  return *object;
}

}  // namespace tessaly::menu
