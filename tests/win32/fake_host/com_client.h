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
VARIANT Text(const wchar_t* text);  // the caller frees it (VariantClear)

// The `custom` argument of _IDTExtensibility2 as a script passes it: an empty array of Variants,
// by reference.
class CustomArgument {
 public:
  CustomArgument() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  ~CustomArgument() { SafeArrayDestroy(array_); }
  CustomArgument(const CustomArgument&) = delete;
  CustomArgument& operator=(const CustomArgument&) = delete;
  VARIANT Get();

 private:
  SAFEARRAY* array_;
};
// DllCanUnloadNow of the loaded QWIX.dll; S_OK when it is not loaded at all.
HRESULT CanUnloadNow();

}  // namespace tessaly::fake_host::client
