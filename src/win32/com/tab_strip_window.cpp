#include "win32/com/tab_strip_window.h"

#include <commctrl.h>

#include "win32/com_barrier.h"
#include "win32/failed_call.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"TessalyTabStrip";
constexpr UINT_PTR kTabControlId = 1;

bool RegisterWindowClass(HINSTANCE module, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(module, kWindowClass, &existing)) return true;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.style = CS_HREDRAW | CS_VREDRAW;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = module;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  return RegisterClassExW(&window_class) != 0;
}

void SetCaption(HWND tab_control, int index, const std::u16string& caption, bool insert) {
  std::wstring text = WideCopy(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(tab_control, insert ? TCM_INSERTITEMW : TCM_SETITEMW, index,
               reinterpret_cast<LPARAM>(&item));
}

}  // namespace

bool TabStripWindow::Create(HWND parent, const RECT& place) {
  if (window_) return true;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterWindowClass(module_, Procedure)) return false;
  window_ = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_CLIPCHILDREN, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, parent, nullptr,
                            module_, this);
  if (!window_) return false;
  window_lock_.emplace();
  RECT client{};
  GetClientRect(window_, &client);
  tab_control_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                                 0, client.right, client.bottom, window_,
                                 reinterpret_cast<HMENU>(kTabControlId), module_, nullptr);
  if (!tab_control_) {
    Destroy();
    return false;
  }
  SendMessageW(tab_control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  return true;
}

void TabStripWindow::Destroy() {
  if (!window_) return;
  LogIfFalse(DestroyWindow(window_), "DestroyWindow");
  window_ = nullptr;
  tab_control_ = nullptr;
  shown_.clear();
  // Fails harmlessly while another document's window still uses the class.
  UnregisterClassW(kWindowClass, module_);
  window_lock_.reset();
}

void TabStripWindow::Place(const RECT& place) {
  if (!window_) return;
  MoveWindow(window_, place.left, place.top, place.right - place.left, place.bottom - place.top,
             TRUE);
}

void TabStripWindow::Show(bool visible) {
  if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void TabStripWindow::ShowTabs(const tabs::TabStrip& strip) {
  if (!tab_control_) return;
  const auto& tabs = strip.Tabs();
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    const int index = static_cast<int>(i);
    if (i >= shown_.size()) {
      SetCaption(tab_control_, index, tabs[i].Caption, true);
      shown_.push_back(tabs[i].Caption);
    } else if (shown_[i] != tabs[i].Caption) {
      SetCaption(tab_control_, index, tabs[i].Caption, false);
      shown_[i] = tabs[i].Caption;
    }
  }
  while (shown_.size() > tabs.size()) {
    shown_.pop_back();
    SendMessageW(tab_control_, TCM_DELETEITEM, shown_.size(), 0);
  }
  const auto selected = strip.SelectedIndex();
  if (SendMessageW(tab_control_, TCM_GETCURSEL, 0, 0) != selected) {
    SendMessageW(tab_control_, TCM_SETCURSEL, selected, 0);
  }
}

void TabStripWindow::PrintTo(HDC target, POINT origin) const {
  if (!tab_control_) return;
  const int saved = SaveDC(target);
  SetViewportOrgEx(target, origin.x, origin.y, nullptr);
  // To the tab control itself: a window passes WM_PRINT on to its children only on some systems.
  SendMessageW(tab_control_, WM_PRINT, reinterpret_cast<WPARAM>(target),
               PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(target, saved);
}

LRESULT CALLBACK TabStripWindow::Procedure(HWND window, UINT message, WPARAM w_param,
                                           LPARAM l_param) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l_param);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TabStripWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (self && self->window_ == window) {
    LRESULT result = 0;
    const HRESULT status = Barrier([&] {
      result = self->Handle(message, w_param, l_param);
      return S_OK;
    });
    if (SUCCEEDED(status)) return result;
  }
  return DefWindowProcW(window, message, w_param, l_param);
}

int TabStripWindow::TabUnderLastMessage() const {
  const DWORD position = GetMessagePos();
  TCHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  ScreenToClient(tab_control_, &hit.pt);
  return static_cast<int>(
      SendMessageW(tab_control_, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

LRESULT TabStripWindow::Handle(UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_SIZE:
      if (tab_control_) MoveWindow(tab_control_, 0, 0, LOWORD(l_param), HIWORD(l_param), TRUE);
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(l_param);
      if (header->hwndFrom != tab_control_ || !on_click_) return 0;
      if (header->code == static_cast<UINT>(NM_CLICK)) {
        // Also a click on the tab that is already selected, which changes no selection.
        const int index = TabUnderLastMessage();
        if (index >= 0) on_click_(index);
      } else if (header->code == static_cast<UINT>(TCN_SELCHANGE) && GetKeyState(VK_LBUTTON) >= 0) {
        // Chosen by keyboard; a mouse press reports its tab at NM_CLICK.
        const auto index = static_cast<int>(SendMessageW(tab_control_, TCM_GETCURSEL, 0, 0));
        if (index >= 0) on_click_(index);
      }
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, w_param, l_param);
  }
}

}  // namespace tessaly::win32
