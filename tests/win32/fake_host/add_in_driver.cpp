#include "win32/fake_host/add_in_driver.h"

#include "win32/fake_host/com_client.h"

#include <algorithm>
#include <cstdlib>

namespace tessaly::fake_host {

using client::CallByName;
using client::Long;
using client::Object;

namespace {

struct TitleSearch {
  std::wstring start;
  std::vector<HWND> found;
};

BOOL CALLBACK NoteTitled(HWND window, LPARAM l_param) {
  auto* search = reinterpret_cast<TitleSearch*>(l_param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (process == GetCurrentProcessId() && std::wstring(title).rfind(search->start, 0) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

bool AddInDriver::Connect() {
  CLSID class_id{};
  if (FAILED(CLSIDFromProgID(L"QWIX.Connect", &class_id))) return false;
  if (FAILED(CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(connect_.Receive())))) {
    return false;
  }
  auto application = editor_.Application();
  auto instance = editor_.AddInInstance();
  VARIANT empty;
  VariantInit(&empty);
  return CallByName(connect_.Get(), L"OnConnection",
                    {Object(application.Get()), Long(1), Object(instance.Get()), empty}) == S_OK &&
         CallByName(connect_.Get(), L"OnStartupComplete", {empty}) == S_OK;
}

bool AddInDriver::Disconnect() {
  if (!connect_) return true;
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT result = CallByName(connect_.Get(), L"OnDisconnection", {Long(0), empty});
  connect_.Reset();
  return result == S_OK;
}

void RunMessageLoop(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

std::vector<HWND> WindowsTitled(const std::wstring& title_start) {
  TitleSearch search{title_start, {}};
  EnumWindows(&NoteTitled, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND AddInTimerWindow() {
  return FindWindowExW(HWND_MESSAGE, nullptr, L"TessalyTimerWindow", nullptr);
}

// ANSI like the editor's windows. Their text reads keys at key-down, as the editor's own
// text windows do: moves go on to the inner edit control, Backspace deletes there whatever
// modifier is held, and the characters of held control keys are not typed.
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

HWND CreateEditorWindow(const std::wstring& class_name, const std::wstring& title, HWND parent,
                        RECT place) {
  const std::string ansi_name(class_name.begin(), class_name.end());
  // Our own class even where the system has one of that name (MDIClient); registering
  // again fails harmlessly.
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = &EditorWindowProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = ansi_name.c_str();
  RegisterClassA(&window_class);
  const DWORD style = WS_VISIBLE | (parent ? WS_CHILD : WS_POPUP);
  return CreateWindowExW(0, class_name.c_str(), title.c_str(), style, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

bool StoreSwitch(const wchar_t* name, const wchar_t* value) {
  const auto size = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value, size) ==
         ERROR_SUCCESS;
}

std::wstring ReadRegistryText(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof(buffer);
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
    return L"<missing>";
  }
  return buffer;
}

}  // namespace tessaly::fake_host
