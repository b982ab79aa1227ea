#pragma once

// VARIANT and BSTR as values: owned, copied and cleared like the editor's own variants, with
// the conversions the late-bound calls need. A conversion the value cannot make is a refusal
// of the host (HostError), as the editor's runtime would raise a type mismatch.

#include "win32/windows_headers.h"

#include <cstdint>
#include <string>

#include "win32/com_ptr.h"
#include "win32/failed_call.h"
#include "win32/unique_handle.h"

namespace tessaly::win32 {

std::u16string FromBstr(BSTR text);
// Throws std::bad_alloc when none can be made.
UniqueBstr ToBstr(const std::u16string& text);

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  explicit Variant(const std::u16string& text);
  explicit Variant(std::int32_t number);
  explicit Variant(bool flag);
  explicit Variant(IDispatch* object);  // takes a reference of its own
  // An optional argument left out, as a call that names only later arguments passes it.
  static Variant Missing();
  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  ~Variant() { LogIfFailed(VariantClear(&value_), "VariantClear"); }

  VARIANT* Get() { return &value_; }
  const VARIANT* Get() const { return &value_; }
  VARTYPE Type() const { return value_.vt; }

  std::u16string ToString() const;
  std::int32_t ToInt32() const;
  bool ToBool() const;
  // Null for Nothing, Empty or an object without IDispatch.
  ComPtr<IDispatch> ToDispatch() const;
  // Any object, with IDispatch or without; null for Nothing or a value that is no object.
  ComPtr<IUnknown> ToUnknown() const;

 private:
  VARIANT value_;
};

}  // namespace tessaly::win32
