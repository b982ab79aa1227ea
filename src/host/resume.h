#pragma once

#include <utility>

#include "host/host_error.h"

namespace tessaly::host {

// Runs one step of a handler the way the editor's add-ins expect: a refused host call skips
// the step and the next one runs. Returns whether the step completed. Only HostError is
// absorbed, so a genuine fault still surfaces.
template <class Step>
bool Resume(Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (const HostError&) {
    return false;
  }
}

// Same, for a step that yields a value: the fallback stands in when the host refuses.
template <class T, class Step>
T ResumeOr(T fallback, Step&& step) {
  try {
    return std::forward<Step>(step)();
  } catch (const HostError&) {
    return fallback;
  }
}

}  // namespace tessaly::host
