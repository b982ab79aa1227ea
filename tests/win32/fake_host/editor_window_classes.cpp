#include "win32/fake_host/editor_window_classes.h"

namespace tessaly::fake_host {

namespace {

// The editor's windows are ANSI; where one has a child, that is its text, which reads keys at
// key-down as the editor's own text windows do: moves go on to the inner edit control,
// Backspace deletes there whatever modifier is held, and the characters of held control keys
// are not typed.
LRESULT CALLBACK EditorWindowProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  HWND inner = GetWindow(window, GW_CHILD);
  if (inner && message == WM_KEYDOWN && w_param == VK_BACK) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(inner, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return start != end ? SendMessageA(inner, WM_CLEAR, 0, 0)
                        : SendMessageA(inner, WM_CHAR, VK_BACK, l_param);
  }
  if (inner && message == WM_KEYDOWN) return SendMessageA(inner, message, w_param, l_param);
  if (inner && message == WM_CHAR) return 0;
  return DefWindowProcA(window, message, w_param, l_param);
}

}  // namespace

HWND CreateEditorWindow(const std::wstring& class_name, const std::u16string& title, HWND parent,
                        RECT place, bool shown) {
  const std::string ansi_name(class_name.begin(), class_name.end());
  // Our own class even where the system has one of that name (MDIClient); registering
  // again fails harmlessly.
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = &EditorWindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = ansi_name.c_str();
  RegisterClassA(&window_class);
  const DWORD style = (shown ? WS_VISIBLE : 0) | (parent ? WS_CHILD : WS_POPUP);
  return CreateWindowExW(0, class_name.c_str(), reinterpret_cast<const wchar_t*>(title.c_str()),
                         style, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, parent, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

}  // namespace tessaly::fake_host
