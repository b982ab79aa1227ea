// Embedding: the editor sets a client site, activates the control by verb and closes it.

#include "win32/com/tab_control_object.h"

#include "qwix_idl.h"
#include "win32/com_barrier.h"
#include "win32/failed_call.h"

namespace tessaly::win32 {

namespace {

constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                              OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                              OLEMISC_SETCLIENTSITEFIRST;

}  // namespace

TabControlObject::TabControlObject(HINSTANCE module, std::shared_ptr<tabs::VBIDETab> document)
    : document_(std::move(document)),
      window_(module, [this](int index) { UserClickedTab(index); }) {}

TabControlObject::~TabControlObject() {
  // An editor that released the control without closing it.
  QuietBarrier([&] { DeactivateInPlace(); });
}

HRESULT TabControlObject::SetClientSite(IOleClientSite* site) {
  return Barrier([&] {
    // A container that takes its site away without closing first.
    if (!site) DeactivateInPlace();
    client_site_ = ComPtr<IOleClientSite>(site);
    return S_OK;
  });
}

HRESULT TabControlObject::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = ComPtr<IOleClientSite>(client_site_).Detach();
  return S_OK;
}

HRESULT TabControlObject::SetHostNames(LPCOLESTR, LPCOLESTR) {
  return S_OK;
}

HRESULT TabControlObject::Close(DWORD) {
  return Barrier([&] {
    DeactivateInPlace();
    view_site_.Reset();
    if (advise_holder_) LogIfFailed(advise_holder_->SendOnClose(), "IOleAdviseHolder.SendOnClose");
    // Whoever still holds a sink here would keep the container alive.
    advise_holder_.Reset();
    view_sink_.Reset();
    return S_OK;
  });
}

HRESULT TabControlObject::SetMoniker(DWORD, IMoniker*) {
  return E_NOTIMPL;
}

HRESULT TabControlObject::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT TabControlObject::InitFromData(IDataObject*, BOOL, DWORD) {
  return E_NOTIMPL;
}

HRESULT TabControlObject::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT TabControlObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                 LPCRECT place) {
  return Barrier([&]() -> HRESULT {
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_SHOW:
      case OLEIVERB_INPLACEACTIVATE:
      case OLEIVERB_UIACTIVATE: {
        auto* client = site ? site : client_site_.Get();
        // A document container activates its documents itself, through their views.
        if (auto document_site =
                ComPtr<IOleClientSite>(client).As<IOleDocumentSite>(IID_IOleDocumentSite)) {
          return document_site->ActivateMe(nullptr);
        }
        const HRESULT status = ActivateInPlace(
            ComPtr<IOleClientSite>(client).As<IOleInPlaceSite>(IID_IOleInPlaceSite), parent, place);
        if (FAILED(status)) return status;
        window_.Show(true);
        return verb == OLEIVERB_UIACTIVATE ? ActivateUi() : S_OK;
      }
      case OLEIVERB_HIDE:
        window_.Show(false);
        return S_OK;
      default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
  });
}

HRESULT TabControlObject::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs) *verbs = nullptr;
  return OLE_S_USEREG;
}

HRESULT TabControlObject::Update() {
  return S_OK;
}

HRESULT TabControlObject::IsUpToDate() {
  return S_OK;
}

HRESULT TabControlObject::GetUserClassID(CLSID* class_id) {
  return GetClassID(class_id);
}

HRESULT TabControlObject::GetUserType(DWORD, LPOLESTR* type) {
  if (type) *type = nullptr;
  return OLE_S_USEREG;
}

HRESULT TabControlObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  extent_ = *size;
  return S_OK;
}

HRESULT TabControlObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

HRESULT TabControlObject::Advise(IAdviseSink* sink, DWORD* connection) {
  if (!sink || !connection) return E_POINTER;
  return Barrier([&] {
    if (!advise_holder_) {
      const HRESULT made = CreateOleAdviseHolder(advise_holder_.Receive());
      if (FAILED(made)) return made;
    }
    return advise_holder_->Advise(sink, connection);
  });
}

HRESULT TabControlObject::Unadvise(DWORD connection) {
  if (!advise_holder_) return OLE_E_NOCONNECTION;
  return advise_holder_->Unadvise(connection);
}

HRESULT TabControlObject::EnumAdvise(IEnumSTATDATA** advises) {
  if (!advises) return E_POINTER;
  *advises = nullptr;
  return advise_holder_ ? advise_holder_->EnumAdvise(advises) : S_OK;
}

HRESULT TabControlObject::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

HRESULT TabControlObject::SetColorScheme(LOGPALETTE*) {
  return E_NOTIMPL;
}

void TabControlObject::UserClickedTab(int index) {
  document_->TabStrip1.UserClick(index);
}

}  // namespace tessaly::win32
