#pragma once

#include <source_location>
#include <utility>

#include "host/host_error.h"

namespace tessaly::host {

// Runs one step of a handler the way the editor's add-ins expect: a refused host call skips
// the step and the next one runs. Returns whether the step completed. Only HostError is
// absorbed, so a genuine fault still surfaces. A refusal of the editor is written to its log
// with this call's place in our code: that is how a dead button in a user's editor is traced.
template <class Step>
bool Resume(Step&& step, std::source_location where = std::source_location::current()) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (const HostError& error) {
    error.Report(where);
    return false;
  }
}

// Same, for a step that yields a value: the fallback stands in when the host refuses.
template <class T, class Step>
T ResumeOr(T fallback, Step&& step, std::source_location where = std::source_location::current()) {
  try {
    return std::forward<Step>(step)();
  } catch (const HostError& error) {
    error.Report(where);
    return fallback;
  }
}

// For a question whose refusal is its answer (is there a bar of this name yet?): the fallback
// stands in and nothing is written.
template <class T, class Step>
T ProbeOr(T fallback, Step&& step) {
  try {
    return std::forward<Step>(step)();
  } catch (const HostError&) {
    return fallback;
  }
}

}  // namespace tessaly::host
