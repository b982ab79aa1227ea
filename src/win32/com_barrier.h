#pragma once

// The one barrier every entry point from the editor or the system passes through: COM methods,
// window procedures, timer callbacks. No C++ exception may leave the DLL: on x86 the unwinder
// cannot cross the editor's or user32's frames, and the editor would end. What it catches is
// written to the failure log with the entry point it reached, so that a menu that does nothing
// can be explained.

#include "win32/windows_headers.h"

#include <exception>
#include <new>
#include <source_location>

#include "win32/failure_log.h"

namespace tessaly::win32 {

template <class Body>
HRESULT Barrier(Body&& body,
                std::source_location where = std::source_location::current()) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    ReportFailure(where, "out of memory");
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    ReportFailure(where, error.what());
    return E_UNEXPECTED;
  } catch (...) {
    ReportFailure(where, "an exception of unknown type");
    return E_UNEXPECTED;
  }
}

// For callbacks that return nothing to report.
template <class Body>
void QuietBarrier(Body&& body,
                  std::source_location where = std::source_location::current()) noexcept {
  Barrier(
      [&] {
        body();
        return S_OK;
      },
      where);
}

}  // namespace tessaly::win32
