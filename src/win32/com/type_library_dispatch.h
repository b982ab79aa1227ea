#pragma once

// IDispatch of one of our dual interfaces, answered by the type library embedded in QWIX.dll:
// names and DISPIDs, argument counts, coercions and refusals are the type library's, and the
// call reaches the vtable method, so script clients and the editors meet the same code. A
// method that fails reaches a script client as DISP_E_EXCEPTION with its HRESULT in scode.

#include "win32/windows_headers.h"

#include "win32/com/server.h"
#include "win32/com_barrier.h"

namespace tessaly::win32 {

template <class Dual>
class TypeLibraryDispatch : public Dual {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return Barrier([&] {
      auto type_info = TypeInfoOf(__uuidof(Dual));
      if (!type_info) return TYPE_E_ELEMENTNOTFOUND;
      *info = type_info.Detach();
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (!names || !ids) return E_POINTER;
    return Barrier([&] {
      auto type_info = TypeInfoOf(__uuidof(Dual));
      if (!type_info) return TYPE_E_ELEMENTNOTFOUND;
      return type_info->GetIDsOfNames(names, count, ids);
    });
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* bad_argument) override {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return Barrier([&] {
      auto type_info = TypeInfoOf(__uuidof(Dual));
      if (!type_info) return TYPE_E_ELEMENTNOTFOUND;
      // The type library checks the arguments against the declaration; a call without any is
      // one with none.
      DISPPARAMS none{};
      return type_info->Invoke(static_cast<Dual*>(this), id, flags, parameters ? parameters : &none,
                               result, exception, bad_argument);
    });
  }
};

}  // namespace tessaly::win32
