#include "win32/failed_call.h"

#include <cstdint>

#include "host/refusal_log.h"
#include "win32/late_bound.h"
#include "win32/system_message.h"

namespace tessaly::win32 {

bool LogIfFailed(HRESULT result, const char* member, std::source_location where) noexcept {
  if (SUCCEEDED(result)) return true;
  try {
    const host::Refusal refusal{member, static_cast<std::uint32_t>(result),
                                SystemMessage(static_cast<DWORD>(result))};
    EditorRefusalLog()->Record(refusal, where);
  } catch (...) {
    // The log must never turn a failure the caller survives into one it does not.
  }
  return false;
}

bool LogIfFalse(bool succeeded, const char* member, std::source_location where) noexcept {
  if (succeeded) return true;
  // A call that fails without saying why still failed.
  const DWORD error = GetLastError();
  return LogIfFailed(error ? HRESULT_FROM_WIN32(error) : E_FAIL, member, where);
}

}  // namespace tessaly::win32
