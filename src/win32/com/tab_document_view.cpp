// The tab document as an ActiveX document, as VB6's tool windows hold them: the container asks
// the document for a view, gives the view its site, shows and activates it and tells it its
// rectangle. The one view is the object itself, activated in place as a control would be.

#include "win32/com/tab_control_object.h"

#include "win32/com_barrier.h"

namespace tessaly::win32 {

HRESULT TabControlObject::CreateView(IOleInPlaceSite* site, IStream* state, DWORD,
                                     IOleDocumentView** view) {
  if (!view) return E_POINTER;
  *view = nullptr;
  // One view only, and no saved state to restore it from.
  if (view_site_ || state) return E_FAIL;
  view_site_ = ComPtr<IOleInPlaceSite>(site);
  *view = static_cast<IOleDocumentView*>(this);
  (*view)->AddRef();
  return S_OK;
}

HRESULT TabControlObject::GetDocMiscStatus(DWORD* status) {
  if (!status) return E_POINTER;
  *status = DOCMISC_CANTOPENEDIT | DOCMISC_NOFILESUPPORT;
  return S_OK;
}

HRESULT TabControlObject::EnumViews(IEnumOleDocumentViews** views, IOleDocumentView** view) {
  if (!views || !view) return E_POINTER;
  *views = nullptr;
  *view = static_cast<IOleDocumentView*>(this);
  (*view)->AddRef();
  return S_OK;
}

HRESULT TabControlObject::SetInPlaceSite(IOleInPlaceSite* site) {
  return Barrier([&] {
    // A new site, or none: the view leaves the old one first.
    if (view_site_.Get() != site) DeactivateInPlace();
    view_site_ = ComPtr<IOleInPlaceSite>(site);
    return S_OK;
  });
}

HRESULT TabControlObject::GetInPlaceSite(IOleInPlaceSite** site) {
  if (!site) return E_POINTER;
  *site = ComPtr<IOleInPlaceSite>(view_site_).Detach();
  return S_OK;
}

HRESULT TabControlObject::GetDocument(IUnknown** document) {
  if (!document) return E_POINTER;
  return static_cast<IOleObject*>(this)->QueryInterface(IID_IUnknown,
                                                        reinterpret_cast<void**>(document));
}

HRESULT TabControlObject::SetRect(LPRECT view) {
  if (!view) return E_POINTER;
  return Barrier([&] {
    window_.Place(*view);
    return S_OK;
  });
}

HRESULT TabControlObject::GetRect(LPRECT view) {
  if (!view) return E_POINTER;
  if (!window_.Handle()) return E_UNEXPECTED;
  GetWindowRect(window_.Handle(), view);
  MapWindowPoints(nullptr, GetParent(window_.Handle()), reinterpret_cast<POINT*>(view), 2);
  return S_OK;
}

HRESULT TabControlObject::SetRectComplex(LPRECT view, LPRECT, LPRECT, LPRECT) {
  // No scroll bars or size box: the view takes the whole rectangle.
  return SetRect(view);
}

HRESULT TabControlObject::Show(BOOL show) {
  return Barrier([&]() -> HRESULT {
    if (show) {
      if (const HRESULT status = ActivateInPlace(view_site_, nullptr, nullptr); FAILED(status)) {
        return status;
      }
    }
    window_.Show(show != FALSE);
    return S_OK;
  });
}

HRESULT TabControlObject::UIActivate(BOOL activate) {
  return Barrier([&]() -> HRESULT {
    if (!activate) {
      DeactivateUi();
      return S_OK;
    }
    if (const HRESULT status = ActivateInPlace(view_site_, nullptr, nullptr); FAILED(status)) {
      return status;
    }
    return ActivateUi();
  });
}

HRESULT TabControlObject::Open() {
  return E_NOTIMPL;
}

HRESULT TabControlObject::CloseView(DWORD) {
  return Barrier([&] {
    DeactivateInPlace();
    view_site_.Reset();
    return S_OK;
  });
}

HRESULT TabControlObject::SaveViewState(LPSTREAM) {
  return S_OK;
}

HRESULT TabControlObject::ApplyViewState(LPSTREAM) {
  return S_OK;
}

HRESULT TabControlObject::Clone(IOleInPlaceSite*, IOleDocumentView** view) {
  if (view) *view = nullptr;
  return E_NOTIMPL;
}

}  // namespace tessaly::win32
