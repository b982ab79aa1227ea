#pragma once

// What a COM client that knows only the published interfaces does with QWIX.dll: create a
// class by ProgID, call members by name, ask whether the DLL may unload.

#include "win32/windows_headers.h"

#include <vector>

#include "win32/com_ptr.h"

namespace tessaly::fake_host::client {

win32::ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id);
// Arguments in the order written in code.
HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments);
VARIANT Object(IDispatch* object);
VARIANT Long(LONG number);
VARIANT Empty();
// DllCanUnloadNow of the loaded QWIX.dll; S_OK when it is not loaded at all.
HRESULT CanUnloadNow();

}  // namespace tessaly::fake_host::client
