#include "win32/com/connect_object.h"

#include <string>

#include "host/resume.h"
#include "win32/com_barrier.h"

namespace tessaly::win32 {

namespace {

// The DISPIDs of _IDTExtensibility2, in its declared order.
constexpr const wchar_t* kMethods[] = {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate",
                                       L"OnStartupComplete", L"OnBeginShutdown"};
enum : DISPID {
  kOnConnection = 1,
  kOnDisconnection,
  kOnAddInsUpdate,
  kOnStartupComplete,
  kOnBeginShutdown
};

// Argument i in the order written in code, or null when the caller passed fewer.
VARIANT* Argument(DISPPARAMS* parameters, UINT index) {
  if (!parameters || index >= parameters->cArgs) return nullptr;
  return &parameters->rgvarg[parameters->cArgs - 1 - index];
}

ComPtr<IDispatch> ObjectArgument(DISPPARAMS* parameters, UINT index) {
  VARIANT* argument = Argument(parameters, index);
  if (!argument) return {};
  Variant copy;
  if (FAILED(VariantCopyInd(copy.Get(), argument))) return {};
  return copy.ToDispatch();
}

// A mode that is missing or not a number counts as an ordinary connection.
LONG NumberArgument(DISPPARAMS* parameters, UINT index) {
  VARIANT* argument = Argument(parameters, index);
  if (!argument) return 0;
  Variant copy;
  if (FAILED(VariantCopyInd(copy.Get(), argument))) return 0;
  return host::ResumeOr<LONG>(0, [&] { return copy.ToInt32(); });
}

}  // namespace

HRESULT ConnectObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID__IDTExtensibility2)) {
    *object = static_cast<_IDTExtensibility2*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG ConnectObject::AddRef() {
  return InterlockedIncrement(&references_);
}

ULONG ConnectObject::Release() {
  const ULONG left = InterlockedDecrement(&references_);
  if (left == 0) {
    // An editor that never disconnected still gets every hook and reference undone.
    QuietBarrier([&] { Disconnect(0); });
    delete this;
  }
  return left;
}

HRESULT ConnectObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT ConnectObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return Barrier([&] {
    auto type_info = server_.TypeInfo(IID__IDTExtensibility2);
    if (!type_info) return TYPE_E_ELEMENTNOTFOUND;
    *info = type_info.Detach();
    return S_OK;
  });
}

HRESULT ConnectObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  HRESULT result = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    if (i > 0 || !names[i]) {
      result = DISP_E_UNKNOWNNAME;
      continue;
    }
    for (DISPID id = kOnConnection; id <= kOnBeginShutdown; ++id) {
      if (_wcsicmp(names[i], kMethods[id - 1]) == 0) ids[i] = id;
    }
    if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT ConnectObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO*, UINT*) {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (parameters && parameters->cNamedArgs > 0) return DISP_E_NONAMEDARGS;
  if (result) VariantInit(result);
  switch (id) {
    case kOnConnection: {
      auto application = ObjectArgument(parameters, 0);
      auto add_in = ObjectArgument(parameters, 2);
      return OnConnection(application.Get(), NumberArgument(parameters, 1), add_in.Get(), nullptr);
    }
    case kOnDisconnection:
      return OnDisconnection(NumberArgument(parameters, 0), nullptr);
    case kOnAddInsUpdate:
      return OnAddInsUpdate(nullptr);
    case kOnStartupComplete:
      return OnStartupComplete(nullptr);
    case kOnBeginShutdown:
      return OnBeginShutdown(nullptr);
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

HRESULT ConnectObject::OnConnection(IDispatch* Application, LONG ConnectMode, IDispatch* AddInInst,
                                    SAFEARRAY**) {
  return Barrier([&] {
    // A host that connects again without disconnecting first gets a clean start.
    Disconnect(0);
    if (!os_) os_ = std::make_unique<WinOs>(server_.Module());
    about_dialogs_ = std::make_unique<AboutDialogMaker>(server_.Module());
    add_in_ = std::make_unique<composition::TessalyAddIn>(os_->Services(), server_.Component(),
                                                          about_dialogs_->Factory());
    add_in_instance_ = std::make_unique<WinAddInInstance>(ComPtr<IDispatch>(AddInInst));
    add_in_->Connect().OnConnection(MakeApplication(ComPtr<IDispatch>(Application)), ConnectMode,
                                    *add_in_instance_);
    return S_OK;
  });
}

HRESULT ConnectObject::OnDisconnection(LONG RemoveMode, SAFEARRAY**) {
  return Barrier([&] {
    Disconnect(RemoveMode);
    return S_OK;
  });
}

HRESULT ConnectObject::OnAddInsUpdate(SAFEARRAY**) {
  return S_OK;
}

HRESULT ConnectObject::OnStartupComplete(SAFEARRAY**) {
  return Barrier([&] {
    if (add_in_) add_in_->Connect().OnStartupComplete();
    return S_OK;
  });
}

HRESULT ConnectObject::OnBeginShutdown(SAFEARRAY**) {
  return S_OK;
}

void ConnectObject::Disconnect(LONG remove_mode) {
  if (!add_in_) return;
  auto add_in = std::move(add_in_);
  add_in->Connect().OnDisconnection(remove_mode);
  about_dialogs_.reset();
  add_in.reset();
  add_in_instance_.reset();
}

}  // namespace tessaly::win32
