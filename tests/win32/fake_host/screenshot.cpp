#include "win32/fake_host/screenshot.h"

#include <cstdlib>

namespace tessaly::fake_host {

namespace {

constexpr DWORD kPatienceMs = 20000;

// Lets the windows paint (and the X server see it) while time passes.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  }
}

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// Wine maps the Unix root to drive Z:.
std::wstring WindowsPath(const std::string& unix_path) {
  std::wstring path = L"Z:" + Wide(unix_path);
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

}  // namespace

Screenshot SaveScreenshot(HWND window, const std::string& name) {
  const char* directory = std::getenv("TESSALY_SCREENSHOTS");
  if (!directory || !*directory) return Screenshot::kNotAsked;
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(500);

  RECT area{};
  GetWindowRect(window, &area);
  const std::string target = std::string(directory) + "/" + name + ".png";
  const std::string partial = target + ".part";
  DeleteFileW(WindowsPath(target).c_str());
  // Written under another name first, so that the file appears only once complete.
  const std::string script = "import -window root -crop " + std::to_string(area.right - area.left) +
                             "x" + std::to_string(area.bottom - area.top) + "+" +
                             std::to_string(area.left) + "+" + std::to_string(area.top) +
                             " +repage 'png:" + partial + "' && mv '" + partial + "' '" + target +
                             "'";
  std::wstring command = L"/bin/sh -c \"" + Wide(script) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  // Wine starts a Unix program given by its path; it hands back no handle to wait on.
  if (!CreateProcessW(L"Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return Screenshot::kFailed;
  }
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kPatienceMs) {
    if (GetFileAttributesW(WindowsPath(target).c_str()) != INVALID_FILE_ATTRIBUTES) {
      return Screenshot::kSaved;
    }
    PumpFor(100);
  }
  return Screenshot::kFailed;
}

}  // namespace tessaly::fake_host
