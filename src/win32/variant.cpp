#include "win32/variant.h"

#include <new>

#include "host/host_error.h"

namespace tessaly::win32 {

namespace {

void Require(HRESULT result, const char* what) {
  if (FAILED(result)) throw host::HostError(what);
}

}  // namespace

std::u16string FromBstr(BSTR text) {
  if (!text) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

UniqueBstr ToBstr(const std::u16string& text) {
  UniqueBstr result(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                      static_cast<UINT>(text.size())));
  if (!result) throw std::bad_alloc();
  return result;
}

Variant::Variant(const std::u16string& text) : Variant() {
  value_.bstrVal = ToBstr(text).Release();
  value_.vt = VT_BSTR;
}

Variant::Variant(std::int32_t number) : Variant() {
  value_.vt = VT_I4;
  value_.lVal = number;
}

Variant::Variant(bool flag) : Variant() {
  value_.vt = VT_BOOL;
  value_.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(IDispatch* object) : Variant() {
  value_.vt = VT_DISPATCH;
  value_.pdispVal = object;
  if (object) object->AddRef();
}

Variant Variant::Missing() {
  Variant missing;
  missing.value_.vt = VT_ERROR;
  missing.value_.scode = DISP_E_PARAMNOTFOUND;
  return missing;
}

Variant::Variant(const Variant& other) : Variant() {
  Require(VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)), "variant copy refused");
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    LogIfFailed(VariantClear(&value_), "VariantClear");
    Require(VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)), "variant copy refused");
  }
  return *this;
}

std::u16string Variant::ToString() const {
  if (value_.vt == VT_BSTR) return FromBstr(value_.bstrVal);
  VARIANT converted;
  VariantInit(&converted);
  Require(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), VARIANT_ALPHABOOL, VT_BSTR),
          "type mismatch: not a text");
  auto text = FromBstr(converted.bstrVal);
  LogIfFailed(VariantClear(&converted), "VariantClear");
  return text;
}

std::int32_t Variant::ToInt32() const {
  if (value_.vt == VT_I4) return value_.lVal;
  VARIANT converted;
  VariantInit(&converted);
  Require(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4),
          "type mismatch: not a number");
  return converted.lVal;
}

bool Variant::ToBool() const {
  if (value_.vt == VT_BOOL) return value_.boolVal != VARIANT_FALSE;
  VARIANT converted;
  VariantInit(&converted);
  Require(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_BOOL),
          "type mismatch: not a Boolean");
  return converted.boolVal != VARIANT_FALSE;
}

ComPtr<IUnknown> Variant::ToUnknown() const {
  const VARIANT* value = &value_;
  if (value->vt == (VT_VARIANT | VT_BYREF) && value->pvarVal) value = value->pvarVal;
  switch (value->vt) {
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return ComPtr<IUnknown>(value->punkVal);
    default:
      return {};
  }
}

ComPtr<IDispatch> Variant::ToDispatch() const {
  const VARIANT* value = &value_;
  if (value->vt == (VT_VARIANT | VT_BYREF) && value->pvarVal) value = value->pvarVal;
  switch (value->vt) {
    case VT_DISPATCH:
      return ComPtr<IDispatch>(value->pdispVal);
    case VT_DISPATCH | VT_BYREF:
      return value->ppdispVal ? ComPtr<IDispatch>(*value->ppdispVal) : ComPtr<IDispatch>();
    case VT_UNKNOWN:
      return ComPtr<IUnknown>(value->punkVal).As<IDispatch>(IID_IDispatch);
    default:
      return {};
  }
}

}  // namespace tessaly::win32
