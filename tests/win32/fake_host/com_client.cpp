#include "win32/fake_host/com_client.h"

#include <algorithm>

#include "win32/variant.h"

namespace tessaly::fake_host::client {

win32::ComPtr<IDispatch> CreateByProgId(const wchar_t* prog_id) {
  CLSID class_id{};
  win32::ComPtr<IDispatch> object;
  if (FAILED(CLSIDFromProgID(prog_id, &class_id))) return object;
  CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                   reinterpret_cast<void**>(object.Receive()));
  return object;
}

HRESULT CallByName(IDispatch* object, const wchar_t* name, std::vector<VARIANT> arguments,
                   WORD flags, VARIANT* result, UINT* argument_error) {
  UINT refused = 99;
  if (!argument_error) argument_error = &refused;
  *argument_error = 99;
  DISPID id = DISPID_UNKNOWN;
  auto* member = const_cast<LPOLESTR>(name);
  const HRESULT found = object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(found)) return found;
  std::reverse(arguments.begin(), arguments.end());
  DISPID put_id = DISPID_PROPERTYPUT;
  const bool put = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS parameters{arguments.data(), put ? &put_id : nullptr,
                        static_cast<UINT>(arguments.size()), put ? 1u : 0u};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, nullptr,
                        argument_error);
}

// Copies that own nothing: the caller keeps the object alive for the call.
VARIANT Object(IDispatch* object) {
  return *win32::Variant(object).Get();
}

VARIANT Long(LONG number) {
  return *win32::Variant(std::int32_t{number}).Get();
}

VARIANT Empty() {
  return *win32::Variant().Get();
}

VARIANT Text(const wchar_t* text) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocString(text);
  return value;
}

VARIANT CustomArgument::Get() {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_ARRAY | VT_VARIANT | VT_BYREF;
  value.pparray = &array_;
  return value;
}

HRESULT CanUnloadNow() {
  HMODULE dll = GetModuleHandleW(L"QWIX.dll");
  if (!dll) return S_OK;
  auto query = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  return query ? query() : E_FAIL;
}

}  // namespace tessaly::fake_host::client
