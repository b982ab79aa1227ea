#pragma once

// Calls whose failure the caller can do nothing about where it meets it (a destructor, an
// unload, a value it can do without) still leave a trace: the failure is written as the
// editor's refusals are, with the member, the code and the system's own words for it, once per
// place in our code per load, and the caller goes on.

#include "win32/windows_headers.h"

#include <source_location>

namespace tessaly::win32 {

// Whether `result` succeeded; a failure is written first.
bool LogIfFailed(HRESULT result, const char* member,
                 std::source_location where = std::source_location::current()) noexcept;
// For the calls that answer FALSE or null and leave the reason in GetLastError.
bool LogIfFalse(bool succeeded, const char* member,
                std::source_location where = std::source_location::current()) noexcept;

}  // namespace tessaly::win32
