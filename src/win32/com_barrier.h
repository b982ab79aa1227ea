#pragma once

// The one barrier every entry point from the editor or the system passes through: COM methods,
// window procedures, timer callbacks. No C++ exception may leave the DLL: on x86 the unwinder
// cannot cross the editor's or user32's frames, and the editor would end.

#include "win32/windows_headers.h"

#include <new>

namespace tessaly::win32 {

template <class Body>
HRESULT Barrier(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// For callbacks that return nothing to report.
template <class Body>
void QuietBarrier(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace tessaly::win32
