#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "win32/win_system_services.h"
#include "win32/win_window_system.h"

namespace tessaly::win32 {
namespace {

// A 32-bit process on a 64-bit system is emulated, a 64-bit one never: the About form tells
// the system's bitness by it (asked by the system itself here, not by the process).
TEST(WinSystemServicesTest, OnlyAProcessNarrowerThanItsSystemIsEmulated) {
  SYSTEM_INFO native{};
  GetNativeSystemInfo(&native);
  const bool system64 = native.wProcessorArchitecture != PROCESSOR_ARCHITECTURE_INTEL;
  EXPECT_EQ(WinSystemServices().IsWow64Process(), system64 && sizeof(void*) == 4);
}

// The About form names the system by its own version, not the 6.2 any later one tells a
// program without a compatibility manifest. The registry keeps the same numbers, apart from
// Windows 10 on and as the text "6.1" before (Wine's default).
TEST(WinSystemServicesTest, TellsTheSystemsOwnVersion) {
  const wchar_t key[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion";
  DWORD major = 0, minor = 0, size = sizeof(DWORD);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key, L"CurrentMajorVersionNumber", RRF_RT_REG_DWORD, nullptr,
                   &major, &size) == ERROR_SUCCESS) {
    RegGetValueW(HKEY_LOCAL_MACHINE, key, L"CurrentMinorVersionNumber", RRF_RT_REG_DWORD, nullptr,
                 &minor, &size);
  } else {
    wchar_t text[16] = {};
    DWORD bytes = sizeof(text);
    RegGetValueW(HKEY_LOCAL_MACHINE, key, L"CurrentVersion", RRF_RT_REG_SZ, nullptr, text, &bytes);
    ASSERT_EQ(swscanf(text, L"%lu.%lu", &major, &minor), 2);
  }
  const host::OsVersion version = WinSystemServices().Version();
  EXPECT_EQ(version.platform, VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(version.major, static_cast<std::int32_t>(major));
  EXPECT_EQ(version.minor, static_cast<std::int32_t>(minor));
}

// A 32-bit program under Wine reaches WMI through a surrogate process that outlives it and
// keeps the test run's output open; the 64-bit run checks the same loop.
#ifdef _WIN64
// The About form names the system by what WMI calls it; every answer of the query is read, the
// one the system gives is the last.
TEST(WinSystemServicesTest, NamesTheSystemByWmi) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  const std::u16string caption = WinSystemServices().WmiOsCaption();
  EXPECT_EQ(caption.rfind(u"Microsoft Windows", 0), 0u) << caption.size();
  CoUninitialize();
}
#endif

BOOL CALLBACK CountProperty(HWND, LPWSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int Properties(HWND window) {
  int count = 0;
  EnumPropsExW(window, &CountProperty, reinterpret_cast<LPARAM>(&count));
  return count;
}

// What the window system answers about a window's procedure over the window's life, as the
// wheel and the tab strip rely on it when they take a window over and give it back: the
// window's own procedure, ours by our id while installed, its own again afterwards with no
// property naming a procedure of a DLL that may be unloaded next, and nothing once it is gone.
TEST(WinWindowSystemTest, AnswersForAWindowsProcedureFollowTheWindowsLife) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_TRUE(window);
  const auto handle = reinterpret_cast<host::WindowHandle>(window);
  const auto own = static_cast<host::WindowProcId>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  const int properties = Properties(window);
  WinWindowSystem system;
  const auto ours = system.RegisterWindowProc([](auto...) -> std::intptr_t { return 7; });
  EXPECT_EQ(system.InstalledWindowProc(handle), own);
  EXPECT_EQ(system.SetWindowProc(handle, ours), own);
  EXPECT_EQ(system.InstalledWindowProc(handle), ours);
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 7);
  EXPECT_GT(Properties(window), properties);
  EXPECT_EQ(system.SetWindowProc(handle, ours), ours);
  EXPECT_EQ(system.SetWindowProc(handle, own), ours);
  EXPECT_EQ(system.InstalledWindowProc(handle), own);
  EXPECT_EQ(Properties(window), properties);
  DestroyWindow(window);
  EXPECT_EQ(system.InstalledWindowProc(handle), 0);
  EXPECT_EQ(system.SetWindowProc(handle, ours), 0);
}

// Another program's subclass over ours: it passes every message on to the procedure it replaced.
WNDPROC replaced_by_other = nullptr;
LRESULT CALLBACK OtherSubclass(HWND window, UINT message, WPARAM w, LPARAM l) {
  return CallWindowProcW(replaced_by_other, window, message, w, l);
}

// However the add-in left the windows it subclassed, none calls into it once its window system
// is gone (the DLL may be unloaded next): one given back, one left subclassed, which gets its own
// procedure back, and one another subclass took over after ours, which keeps passing messages
// through ours to the window's own procedure.
TEST(WinWindowSystemTest, NoWindowCallsTheAddInAfterItsWindowSystemEnds) {
  enum class Left { kGivenBack, kSubclassed, kUnderAnother };
  struct Case {
    Left left;
    HWND window;
    LONG_PTR own;
    int properties;
  };
  std::vector<Case> cases;
  for (const Left left : {Left::kGivenBack, Left::kSubclassed, Left::kUnderAnother}) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(window);
    cases.push_back({left, window, GetWindowLongPtrW(window, GWLP_WNDPROC), Properties(window)});
  }
  {
    WinWindowSystem system;
    const auto ours = system.RegisterWindowProc([](auto...) -> std::intptr_t { return 7; });
    for (const Case& c : cases) {
      const auto handle = reinterpret_cast<host::WindowHandle>(c.window);
      const auto own = system.SetWindowProc(handle, ours);
      EXPECT_EQ(SendMessageW(c.window, WM_USER, 0, 0), 7);
      if (c.left == Left::kGivenBack) system.SetWindowProc(handle, own);
      if (c.left == Left::kUnderAnother) {
        replaced_by_other = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(c.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherSubclass)));
      }
    }
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.left));
    const LONG_PTR now = GetWindowLongPtrW(c.window, GWLP_WNDPROC);
    if (c.left == Left::kUnderAnother) {
      EXPECT_EQ(now, reinterpret_cast<LONG_PTR>(&OtherSubclass));
    } else {
      EXPECT_EQ(now, c.own);
      EXPECT_EQ(Properties(c.window), c.properties);
    }
    // The static control's own answer, not the add-in's.
    EXPECT_EQ(SendMessageW(c.window, WM_USER, 0, 0), 0);
    DestroyWindow(c.window);
  }
}

}  // namespace
}  // namespace tessaly::win32
