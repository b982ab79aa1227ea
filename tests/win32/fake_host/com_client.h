#pragma once

// What a COM client that knows only the published interfaces does with QWIX.dll: create a
// class by ProgID, call members by name, ask whether the DLL may unload.

#include "win32/windows_headers.h"

#include <vector>

#include "win32/com_ptr.h"

namespace tessaly::fake_host::client {

win32::ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id);
// Arguments in the order written in code; a put passes the last one as the assigned value.
// `argument_error` gets the rgvarg index of an argument refused, 99 when none was.
HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments,
                   WORD flags = DISPATCH_METHOD, VARIANT* result = nullptr,
                   UINT* argument_error = nullptr);
VARIANT Object(IDispatch* object);
VARIANT Long(LONG number);
VARIANT Empty();
VARIANT Text(const wchar_t* text);  // the caller frees it (VariantClear)

// The `custom` argument of _IDTExtensibility2: an empty array of Variants, by reference as a
// script passes it (Get), or as the editors do (Reference).
class CustomArgument {
 public:
  CustomArgument() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  ~CustomArgument() { SafeArrayDestroy(array_); }
  CustomArgument(const CustomArgument&) = delete;
  CustomArgument& operator=(const CustomArgument&) = delete;
  VARIANT Get();
  SAFEARRAY** Reference() { return &array_; }

 private:
  SAFEARRAY* array_;
};
// DllCanUnloadNow of the loaded QWIX.dll; S_OK when it is not loaded at all.
HRESULT CanUnloadNow();

}  // namespace tessaly::fake_host::client
