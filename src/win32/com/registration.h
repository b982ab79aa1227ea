#pragma once

// Registering QWIX.dll: the classes machine-wide when the user may write there, otherwise for
// the current user alone (which needs no administrator); the editors' add-in keys always for
// the current user.

#include "win32/windows_headers.h"

#include <string>

namespace tessaly::win32 {

HRESULT RegisterServer(const std::wstring& dll_path);
// Removes the keys registration writes, from both places, and nothing else.
HRESULT UnregisterServer();

}  // namespace tessaly::win32
