#pragma once

// The tab document as an ActiveX control and an ActiveX document, so that either editor's
// CreateToolWindow can host it: embedding (IOleObject), in-place activation in the tool window
// (IOleInPlaceObject, IOleInPlaceActiveObject), a document's one view for VB6's document
// container (IOleDocument, IOleDocumentView), drawing on request (IViewObject2) and an empty
// persistent state (IPersistStreamInit). While active in place it shows the core's TabStrip1 in a
// TabStripWindow and hands a user's click on a tab to the core. The COM object made of it offers
// ControlInterfaces among its own.

#include "win32/windows_headers.h"

#include <memory>

#include "host/editor.h"
#include "tabs/vbide_tab.h"
#include "win32/com/tab_strip_window.h"
#include "win32/com_object.h"
#include "win32/com_ptr.h"

namespace tessaly::win32 {

class TabControlObject : public IOleObject,
                         public IOleInPlaceObject,
                         public IOleInPlaceActiveObject,
                         public IViewObject2,
                         public IPersistStreamInit,
                         public IOleDocument,
                         public IOleDocumentView {
 public:
  using ControlInterfaces =
      Offers<Offer<IOleObject>, Offer<IOleInPlaceObject, IOleWindow>,
             Offer<IOleInPlaceActiveObject>, Offer<IViewObject2, IViewObject>,
             Offer<IPersistStreamInit, IPersist>, Offer<IOleDocument>, Offer<IOleDocumentView>>;

  TabControlObject(HINSTANCE module, std::shared_ptr<tabs::VBIDETab> document);
  virtual ~TabControlObject();
  TabControlObject(const TabControlObject&) = delete;
  TabControlObject& operator=(const TabControlObject&) = delete;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR application, LPCOLESTR object) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD save_option) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** data) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index,
                                   HWND parent, LPCRECT place) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* class_id) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* type) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;

  // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT place, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                         BOOL frame) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

  // IViewObject2
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspect_info,
                                 DVTARGETDEVICE* device, HDC device_context, HDC target,
                                 LPCRECTL bounds, LPCRECTL window_bounds,
                                 WINBOOL(STDMETHODCALLTYPE* keep_going)(ULONG_PTR),
                                 ULONG_PTR keep_going_argument) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspect_info,
                                        DVTARGETDEVICE* device, HDC device_context,
                                        LOGPALETTE** colors) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspect_info,
                                   DWORD* freeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                      LPSIZEL size) override;

  // IPersistStreamInit: the control keeps no state of its own.
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* class_id) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clear_dirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;

  // IOleDocument: one view, which is the object itself.
  HRESULT STDMETHODCALLTYPE CreateView(IOleInPlaceSite* site, IStream* state, DWORD,
                                       IOleDocumentView** view) override;
  HRESULT STDMETHODCALLTYPE GetDocMiscStatus(DWORD* status) override;
  HRESULT STDMETHODCALLTYPE EnumViews(IEnumOleDocumentViews** views,
                                      IOleDocumentView** view) override;

  // IOleDocumentView
  HRESULT STDMETHODCALLTYPE SetInPlaceSite(IOleInPlaceSite* site) override;
  HRESULT STDMETHODCALLTYPE GetInPlaceSite(IOleInPlaceSite** site) override;
  HRESULT STDMETHODCALLTYPE GetDocument(IUnknown** document) override;
  HRESULT STDMETHODCALLTYPE SetRect(LPRECT view) override;
  HRESULT STDMETHODCALLTYPE GetRect(LPRECT view) override;
  HRESULT STDMETHODCALLTYPE SetRectComplex(LPRECT view, LPRECT horizontal, LPRECT vertical,
                                           LPRECT box) override;
  HRESULT STDMETHODCALLTYPE Show(BOOL show) override;
  HRESULT STDMETHODCALLTYPE UIActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE Open() override;
  HRESULT STDMETHODCALLTYPE CloseView(DWORD) override;
  HRESULT STDMETHODCALLTYPE SaveViewState(LPSTREAM stream) override;
  HRESULT STDMETHODCALLTYPE ApplyViewState(LPSTREAM stream) override;
  HRESULT STDMETHODCALLTYPE Clone(IOleInPlaceSite* site, IOleDocumentView** view) override;

 protected:
  const std::shared_ptr<tabs::VBIDETab>& Document() const { return document_; }

 private:
  HRESULT ActivateInPlace(ComPtr<IOleInPlaceSite> site, HWND parent, LPCRECT place);
  HRESULT ActivateUi();
  void DeactivateInPlace();
  void DeactivateUi();
  // Called from the window when the user selects a tab.
  void UserClickedTab(int index);

  std::shared_ptr<tabs::VBIDETab> document_;
  TabStripWindow window_;
  ComPtr<IOleClientSite> client_site_;
  ComPtr<IOleInPlaceSite> in_place_site_;
  // The site a document container gave the view, before and while it is active.
  ComPtr<IOleInPlaceSite> view_site_;
  ComPtr<IOleInPlaceFrame> frame_;
  ComPtr<IOleInPlaceUIWindow> ui_window_;
  bool ui_active_ = false;
  ComPtr<IOleAdviseHolder> advise_holder_;
  ComPtr<IAdviseSink> view_sink_;
  DWORD view_aspects_ = 0;
  DWORD view_flags_ = 0;
  // HIMETRIC: a strip of 480 by 24 pixels at 96 dots per inch.
  SIZEL extent_ = {12700, 635};
};

}  // namespace tessaly::win32
