#include "win32/fake_host/control_container.h"

#include <set>

namespace tessaly::fake_host {

namespace {

constexpr wchar_t kWindowClass[] = L"TessalyFakeToolWindow";

void RegisterWindowClass() {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);
}

// The editor's main window, which its tool windows dock in. Made once and kept for the whole
// run: a top-level window that is hidden or destroyed costs Wine up to two seconds without a
// window manager.
HWND MainWindow() {
  static const HWND main =
      CreateWindowExW(0, kWindowClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800, 600,
                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return main;
}

RECT ClientArea(HWND window) {
  RECT area{};
  GetClientRect(window, &area);
  return area;
}

}  // namespace

// The site: the container's window for the control, whose whole client area it gets.
class ControlContainer::Site final : public IOleClientSite, public IOleInPlaceSite {
 public:
  Site(HWND window, LiveCount& live) : window_(window), live_(live) { live_.Up(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
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
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT place,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
    *frame = nullptr;
    *document = nullptr;
    *place = *clip = ClientArea(window_);
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

 private:
  ~Site() { live_.Down(); }
  HWND window_;
  LiveCount& live_;
  ULONG references_ = 1;
};

std::unique_ptr<ControlContainer> ControlContainer::Host(IDispatch* control, const wchar_t* caption,
                                                         int width, int height, LiveCount& live) {
  auto object = ComPtr<IDispatch>(control).As<IOleObject>(IID_IOleObject);
  if (!object) return nullptr;
  RegisterWindowClass();
  RECT frame{0, 0, width, height};
  const DWORD style = WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOOLWINDOW);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, caption, style, 40, 40,
                                frame.right - frame.left, frame.bottom - frame.top, MainWindow(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  std::unique_ptr<ControlContainer> container(new ControlContainer(object, window, live));
  object->SetClientSite(container->site_.Get());
  RECT area = ClientArea(window);
  object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, container->site_.Get(), 0, window, &area);
  object->DoVerb(OLEIVERB_SHOW, nullptr, container->site_.Get(), 0, window, &area);
  return container;
}

ControlContainer::ControlContainer(ComPtr<IOleObject> control, HWND window, LiveCount& live)
    : control_(std::move(control)),
      window_(window),
      site_(ComPtr<IOleClientSite>::Adopt(new Site(window, live))) {}

ControlContainer::~ControlContainer() {
  Close();
  DestroyWindow(window_);
}

void ControlContainer::Resize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, GetWindowLongW(window_, GWL_STYLE), FALSE, WS_EX_TOOLWINDOW);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
  auto in_place = control_.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  const RECT area = ClientArea(window_);
  if (in_place) in_place->SetObjectRects(&area, &area);
}

void ControlContainer::Show(bool visible) {
  ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
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
  control_->Close(OLECLOSE_NOSAVE);
  control_->SetClientSite(nullptr);
  control_.Reset();
  site_.Reset();
}

}  // namespace tessaly::fake_host
