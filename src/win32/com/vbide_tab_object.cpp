#include "win32/com/vbide_tab_object.h"

#include "tabs/vbide_tab.h"
#include "win32/com_barrier.h"
#include "win32/variant.h"

namespace tessaly::win32 {

namespace {

enum : DISPID { kTabInitialize = 1, kCodeClick = 2 };

}  // namespace

HRESULT VBIDETabObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID__VBIDETab)) {
    *object = static_cast<_VBIDETab*>(this);
  } else if (IsEqualIID(iid, kIidCoreDocument)) {
    *object = static_cast<ICoreDocument*>(this);
  } else if (void* control = ControlInterface(iid)) {
    *object = control;
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG VBIDETabObject::AddRef() {
  return InterlockedIncrement(&references_);
}

ULONG VBIDETabObject::Release() {
  const ULONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return left;
}

HRESULT VBIDETabObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT VBIDETabObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return Barrier([&] {
    auto type_info = server_.TypeInfo(IID__VBIDETab);
    if (!type_info) return TYPE_E_ELEMENTNOTFOUND;
    *info = type_info.Detach();
    return S_OK;
  });
}

HRESULT VBIDETabObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    if (i == 0 && names[i] && _wcsicmp(names[i], L"TabInitialize") == 0) ids[i] = kTabInitialize;
    if (i == 0 && names[i] && _wcsicmp(names[i], L"Code_Click") == 0) ids[i] = kCodeClick;
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT VBIDETabObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO*, UINT*) {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (result) VariantInit(result);
  switch (id) {
    case kTabInitialize:
      return TabInitialize();
    case kCodeClick: {
      if (!parameters || parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;
      return Barrier([&] {
        Variant name;
        if (FAILED(VariantCopyInd(name.Get(), &parameters->rgvarg[0]))) return DISP_E_TYPEMISMATCH;
        const auto text = name.ToString();
        BSTR bstr = ToBstr(text);
        const HRESULT status = Code_Click(bstr);
        SysFreeString(bstr);
        return status;
      });
    }
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT VBIDETabObject::TabInitialize() {
  return Barrier([&] {
    if (auto* document = dynamic_cast<tabs::VBIDETab*>(Document().get())) document->TabInitialize();
    return S_OK;
  });
}

HRESULT VBIDETabObject::Code_Click(BSTR tabName) {
  return Barrier([&] {
    if (auto* document = dynamic_cast<tabs::VBIDETab*>(Document().get())) {
      document->Code_Click(FromBstr(tabName));
    }
    return S_OK;
  });
}

}  // namespace tessaly::win32
