// In-place activation: the control's window lives in the container's window, where the site
// says, and follows the strip's changes while it exists.

#include "win32/com/tab_control_object.h"

#include "win32/com_barrier.h"
#include "win32/failed_call.h"

namespace tessaly::win32 {

HRESULT TabControlObject::ActivateInPlace(ComPtr<IOleInPlaceSite> in_place_site, HWND parent,
                                          LPCRECT place) {
  if (window_.Handle()) return S_OK;
  if (!in_place_site) return E_NOINTERFACE;
  if (in_place_site->CanInPlaceActivate() != S_OK) return E_FAIL;
  LogIfFailed(in_place_site->OnInPlaceActivate(), "IOleInPlaceSite.OnInPlaceActivate");

  HWND site_window = nullptr;
  if (SUCCEEDED(in_place_site->GetWindow(&site_window)) && site_window) parent = site_window;
  RECT position = place ? *place : RECT{};
  RECT clip{};
  OLEINPLACEFRAMEINFO frame_info{};
  frame_info.cb = sizeof(frame_info);
  ComPtr<IOleInPlaceFrame> frame;
  ComPtr<IOleInPlaceUIWindow> ui_window;
  LogIfFailed(in_place_site->GetWindowContext(frame.Receive(), ui_window.Receive(), &position,
                                              &clip, &frame_info),
              "IOleInPlaceSite.GetWindowContext");
  if (!parent || !window_.Create(parent, position)) {
    LogIfFailed(in_place_site->OnInPlaceDeactivate(), "IOleInPlaceSite.OnInPlaceDeactivate");
    return E_FAIL;
  }
  in_place_site_ = std::move(in_place_site);
  frame_ = std::move(frame);
  ui_window_ = std::move(ui_window);
  document_->TabStrip1.SetChangeListener([this] { window_.ShowTabs(document_->TabStrip1); });
  window_.ShowTabs(document_->TabStrip1);
  return S_OK;
}

HRESULT TabControlObject::ActivateUi() {
  if (ui_active_ || !in_place_site_) return S_OK;
  ui_active_ = true;
  LogIfFailed(in_place_site_->OnUIActivate(), "IOleInPlaceSite.OnUIActivate");
  auto* self = static_cast<IOleInPlaceActiveObject*>(this);
  if (frame_)
    LogIfFailed(frame_->SetActiveObject(self, nullptr), "IOleInPlaceFrame.SetActiveObject");
  if (ui_window_)
    LogIfFailed(ui_window_->SetActiveObject(self, nullptr), "IOleInPlaceUIWindow.SetActiveObject");
  return S_OK;
}

void TabControlObject::DeactivateUi() {
  if (!ui_active_) return;
  ui_active_ = false;
  if (ui_window_)
    LogIfFailed(ui_window_->SetActiveObject(nullptr, nullptr),
                "IOleInPlaceUIWindow.SetActiveObject");
  if (frame_)
    LogIfFailed(frame_->SetActiveObject(nullptr, nullptr), "IOleInPlaceFrame.SetActiveObject");
  if (in_place_site_)
    LogIfFailed(in_place_site_->OnUIDeactivate(FALSE), "IOleInPlaceSite.OnUIDeactivate");
}

void TabControlObject::DeactivateInPlace() {
  DeactivateUi();
  // The document outlives the window: it must stop calling into it.
  document_->TabStrip1.SetChangeListener(nullptr);
  window_.Destroy();
  frame_.Reset();
  ui_window_.Reset();
  if (auto site = std::move(in_place_site_))
    LogIfFailed(site->OnInPlaceDeactivate(), "IOleInPlaceSite.OnInPlaceDeactivate");
}

HRESULT TabControlObject::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_.Handle();
  return *window ? S_OK : E_FAIL;
}

HRESULT TabControlObject::ContextSensitiveHelp(BOOL) {
  return E_NOTIMPL;
}

HRESULT TabControlObject::InPlaceDeactivate() {
  return Barrier([&] {
    DeactivateInPlace();
    return S_OK;
  });
}

HRESULT TabControlObject::UIDeactivate() {
  return Barrier([&] {
    DeactivateUi();
    return S_OK;
  });
}

HRESULT TabControlObject::SetObjectRects(LPCRECT place, LPCRECT) {
  if (!place) return E_POINTER;
  return Barrier([&] {
    window_.Place(*place);
    return S_OK;
  });
}

HRESULT TabControlObject::ReactivateAndUndo() {
  return E_NOTIMPL;
}

HRESULT TabControlObject::TranslateAccelerator(LPMSG) {
  return S_FALSE;
}

HRESULT TabControlObject::OnFrameWindowActivate(BOOL) {
  return S_OK;
}

HRESULT TabControlObject::OnDocWindowActivate(BOOL) {
  return S_OK;
}

HRESULT TabControlObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
  return S_OK;
}

HRESULT TabControlObject::EnableModeless(BOOL) {
  return S_OK;
}

}  // namespace tessaly::win32
