#include "win32/fake_host/control_container.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaly::fake_host {

namespace {

constexpr wchar_t kWindowClass[] = L"TessalyFakeMainWindow";
constexpr wchar_t kToolWindowClass[] = L"TessalyFakeToolWindow";

ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = name;
  return RegisterClassExW(&window_class);
}

// The editor's main window, which its tool windows dock in. Made once and kept for the whole
// run: a top-level window that is hidden or destroyed costs Wine up to two seconds without a
// window manager.
HWND MainWindow() {
  static const HWND main = [] {
    RegisterWindowClass(kWindowClass, DefWindowProcW);
    return CreateWindowExW(0, kWindowClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800,
                           600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }();
  return main;
}

// The window size that gives the client area asked for.
SIZE FrameSize(int width, int height, DWORD style) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT ClientArea(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return area;
}

}  // namespace

using ConversationRecord = std::shared_ptr<std::vector<std::string>>;

// The editor's frame window as an in-place object meets it: it holds on to the object that says
// it is the active one, as the editors do, until the object says that none is.
class ControlContainer::Frame final : public RefCounted<IOleInPlaceFrame> {
 public:
  Frame(HWND window, IUnknown* control, ConversationRecord conversation)
      : window_(window), control_(control), conversation_(std::move(conversation)) {}
  bool HoldsActiveObject() const { return static_cast<bool>(active_); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    return Offer(iid, {IID_IUnknown, IID_IOleWindow, IID_IOleInPlaceUIWindow, IID_IOleInPlaceFrame},
                 this, object)
               ? S_OK
               : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
    return INPLACE_E_NOTOOLSPACE;
  }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override {
    active_ = ComPtr<IOleInPlaceActiveObject>(object);
    const auto identity = active_.As<IUnknown>(IID_IUnknown);
    conversation_->push_back(!object                      ? "SetActiveObject(none)"
                             : identity.Get() == control_ ? "SetActiveObject(control)"
                                                          : "SetActiveObject(other)");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  HWND window_;
  IUnknown* control_;  // the identity only: the container holds the control
  ConversationRecord conversation_;
  ComPtr<IOleInPlaceActiveObject> active_;
};

// The site: the container's window for the control, whose whole client area it gets; in a
// document container also the document's site.
class ControlContainer::Site final
    : public RefCounted<IOleClientSite, IOleInPlaceSite, IOleDocumentSite> {
 public:
  Site(HWND window, Frame* frame, const LiveCount& live, ControlContainer* document_container,
       ConversationRecord conversation)
      : window_(window),
        frame_(frame),
        alive_(live),
        document_container_(document_container),
        conversation_(std::move(conversation)) {}
  // The container is going; the document can no longer ask it for anything.
  void Leave() { document_container_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    const bool found = Offer(iid, {IID_IUnknown, IID_IOleClientSite},
                             static_cast<IOleClientSite*>(this), object) ||
                       Offer(iid, {IID_IOleWindow, IID_IOleInPlaceSite},
                             static_cast<IOleInPlaceSite*>(this), object) ||
                       (document_container_ && Offer(iid, {IID_IOleDocumentSite},
                                                     static_cast<IOleDocumentSite*>(this), object));
    return found ? S_OK : E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ActivateMe(IOleDocumentView* view) override {
    return document_container_ ? document_container_->ActivateDocument(view) : E_UNEXPECTED;
  }

  HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return Note("OnInPlaceActivate"); }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return Note("OnUIActivate"); }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT place,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    Note("GetWindowContext");
    frame_->AddRef();
    *frame = frame_.Get();
    *document = nullptr;
    *place = *clip = ClientArea(window_);
    *info = {info->cb, FALSE, window_, nullptr, 0};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return Note("OnUIDeactivate"); }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return Note("OnInPlaceDeactivate"); }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

 private:
  HRESULT Note(const char* call) {
    conversation_->push_back(call);
    return S_OK;
  }

  HWND window_;
  ComPtr<Frame> frame_;
  LiveCount alive_;
  ControlContainer* document_container_;
  ConversationRecord conversation_;
};

std::unique_ptr<ControlContainer> ControlContainer::Host(IDispatch* control, const wchar_t* caption,
                                                         int width, int height,
                                                         const LiveCount& live, Kind kind) {
  auto object = ComPtr<IDispatch>(control).As<IOleObject>(IID_IOleObject);
  if (!object) return nullptr;
  static const ATOM tool_window_class = RegisterWindowClass(kToolWindowClass, ToolWindowProcedure);
  if (!tool_window_class) return nullptr;
  const DWORD style = WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  const SIZE frame = FrameSize(width, height, style);
  HWND window =
      CreateWindowExW(WS_EX_TOOLWINDOW, kToolWindowClass, caption, style, 40, 40, frame.cx,
                      frame.cy, MainWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  std::unique_ptr<ControlContainer> container(new ControlContainer(object, window, live, kind));
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(container.get()));
  object->SetClientSite(container->site_.Get());
  RECT area = ClientArea(window);
  // A document asks its document site to activate it (ActivateMe) when told to show.
  if (kind == Kind::kControl) {
    object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, container->site_.Get(), 0, window, &area);
  }
  object->DoVerb(OLEIVERB_SHOW, nullptr, container->site_.Get(), 0, window, &area);
  return container;
}

ControlContainer::ControlContainer(ComPtr<IOleObject> control, HWND window, const LiveCount& live,
                                   Kind kind)
    : control_(std::move(control)),
      window_(window),
      conversation_(std::make_shared<std::vector<std::string>>()),
      frame_(ComPtr<Frame>::Adopt(
          new Frame(MainWindow(), control_.As<IUnknown>(IID_IUnknown).Get(), conversation_))),
      site_(ComPtr<IOleClientSite>::Adopt(new Site(
          window, frame_.Get(), live, kind == Kind::kDocument ? this : nullptr, conversation_))) {}

ControlContainer::~ControlContainer() {
  Close();
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK ControlContainer::ToolWindowProcedure(HWND window, UINT message, WPARAM w_param,
                                                       LPARAM l_param) {
  auto* container = reinterpret_cast<ControlContainer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_SIZE && container) container->Layout();
  return DefWindowProcW(window, message, w_param, l_param);
}

HRESULT ControlContainer::ActivateDocument(IOleDocumentView* view) {
  ComPtr<IOleDocumentView> shown(view);
  if (!shown) {
    auto document = control_.As<IOleDocument>(IID_IOleDocument);
    auto in_place_site = site_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    if (!document ||
        FAILED(document->CreateView(in_place_site.Get(), nullptr, 0, shown.Receive())) || !shown) {
      return E_FAIL;
    }
  }
  view_ = shown;
  RECT area = ClientArea(window_);
  if (FAILED(view_->UIActivate(TRUE)) || FAILED(view_->SetRect(&area))) return E_FAIL;
  return view_->Show(TRUE);
}

void ControlContainer::Layout() {
  RECT area = ClientArea(window_);
  if (view_) {
    view_->SetRect(&area);
  } else if (auto in_place = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject)) {
    in_place->SetObjectRects(&area, &area);
  }
}

void ControlContainer::Resize(int width, int height) {
  // The window's WM_SIZE tells the document.
  const SIZE frame = FrameSize(width, height, GetWindowLongW(window_, GWL_STYLE));
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER);
}

std::size_t ControlContainer::DrawnColours() const {
  auto view = control_.As<IViewObject>(IID_IViewObject);
  if (!view) return 0;
  const RECT area = ClientArea(window_);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const RECTL bounds{0, 0, area.right, area.bottom};
  std::set<COLORREF> colours;
  if (SUCCEEDED(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds,
                           nullptr, nullptr, 0))) {
    for (int y = 0; y < area.bottom; ++y)
      for (int x = 0; x < area.right; ++x)
        colours.insert(GetPixel(memory, x, y));
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours.size();
}

void ControlContainer::Close() {
  if (!control_) return;
  if (auto view = std::move(view_)) {
    view->UIActivate(FALSE);
    view->Show(FALSE);
    view->CloseView(0);
    view->SetInPlaceSite(nullptr);
  }
  static_cast<Site*>(site_.Get())->Leave();
  control_->Close(OLECLOSE_NOSAVE);
  conversation_->push_back("SetClientSite(null)");
  control_->SetClientSite(nullptr);
  LetGo();
  // An object that leaves itself active in the frame is held by the editor after it is closed.
  EXPECT_FALSE(frame_->HoldsActiveObject()) << "the closed object is still the frame's active one";
}

void ControlContainer::LetGo() {
  if (site_) static_cast<Site*>(site_.Get())->Leave();
  control_.Reset();
  site_.Reset();
}

}  // namespace tessaly::fake_host
