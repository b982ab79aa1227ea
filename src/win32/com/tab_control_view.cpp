// Drawing on request (a container that paints the control into its own device context) and
// the persistent state, which is empty: the tabs come from the editor's windows each run.

#include "win32/com/tab_control_object.h"

#include "qwix_idl.h"
#include "win32/com_barrier.h"

namespace tessaly::win32 {

HRESULT TabControlObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target,
                               LPCRECTL bounds, LPCRECTL, WINBOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                               ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!target || !bounds) return E_INVALIDARG;
  return Barrier([&] {
    const RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
    FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
    window_.PrintTo(target, {area.left, area.top});
    return S_OK;
  });
}

HRESULT TabControlObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                      LOGPALETTE** colors) {
  if (colors) *colors = nullptr;
  return S_FALSE;
}

HRESULT TabControlObject::Freeze(DWORD, LONG, void*, DWORD*) {
  return E_NOTIMPL;
}

HRESULT TabControlObject::Unfreeze(DWORD) {
  return E_NOTIMPL;
}

HRESULT TabControlObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  view_aspects_ = aspects;
  view_flags_ = flags;
  view_sink_ = ComPtr<IAdviseSink>(sink);
  return S_OK;
}

HRESULT TabControlObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = view_aspects_;
  if (flags) *flags = view_flags_;
  if (sink) *sink = ComPtr<IAdviseSink>(view_sink_).Detach();
  return S_OK;
}

HRESULT TabControlObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

HRESULT TabControlObject::GetClassID(CLSID* class_id) {
  if (!class_id) return E_POINTER;
  *class_id = CLSID_VBIDETab;
  return S_OK;
}

HRESULT TabControlObject::IsDirty() {
  return S_FALSE;
}

HRESULT TabControlObject::Load(LPSTREAM) {
  return S_OK;
}

HRESULT TabControlObject::Save(LPSTREAM, BOOL) {
  return S_OK;
}

HRESULT TabControlObject::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  size->QuadPart = 0;
  return S_OK;
}

HRESULT TabControlObject::InitNew() {
  return S_OK;
}

}  // namespace tessaly::win32
