#include "win32/win_system_services.h"

#include "win32/windows_headers.h"

#include <source_location>
#include <vector>

#include "host/host_error.h"
#include "text/utf.h"
#include "win32/failed_call.h"
#include "win32/failure_log.h"
#include "win32/late_bound.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

// Sizes from the query include the terminating zero, reads exclude it.
template <class Read>
std::u16string ReadSized(Read read) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    const DWORD needed = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (needed == 0) return {};
    if (needed < buffer.size()) return FromWide(buffer.data());
    buffer.assign(needed + 1, L'\0');
  }
}

}  // namespace

std::int32_t WinSystemServices::MessageBox(const std::u16string& text,
                                           const std::u16string& caption, std::int32_t style) {
  const std::u16string title = caption.empty() ? u"Tessaly" : caption;
  return MessageBoxW(GetActiveWindow(), WideView(text), WideView(title), static_cast<UINT>(style));
}

std::u16string WinSystemServices::ClipboardText() {
  if (!OpenClipboard(nullptr)) throw host::HostError("the clipboard is busy");
  std::u16string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = FromWide({chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t))});
      GlobalUnlock(data);
    }
  }
  LogIfFalse(CloseClipboard(), "CloseClipboard");
  return text;
}

void WinSystemServices::OpenUrl(const std::u16string& url) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", WideView(url), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) throw host::HostError("the browser could not be opened");
}

void WinSystemServices::OpenFolder(const std::u16string& path) {
  const std::u16string arguments = u"\"" + path + u"\"";
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      nullptr, L"open", L"explorer.exe", WideView(arguments), nullptr, SW_SHOWNORMAL));
  if (result <= 32) throw host::HostError("Explorer could not be started");
}

std::u16string WinSystemServices::UserName() {
  wchar_t buffer[257] = {};
  DWORD size = 257;
  if (!GetUserNameW(buffer, &size)) throw host::HostError("the user's name is unknown");
  return FromWide(buffer);
}

host::LocalTime WinSystemServices::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

void WinSystemServices::LogFailure(const std::u16string& line) {
  FailureLog::OfUser().Append(FailureLine(std::source_location::current(), text::ToUtf8(line)));
}

std::u16string WinSystemServices::EnvironmentVariable(const std::u16string& name) {
  return ReadSized([&](wchar_t* buffer, DWORD size) {
    return GetEnvironmentVariableW(WideView(name), buffer, size);
  });
}

std::u16string WinSystemServices::ExpandEnvironmentStrings(const std::u16string& text) {
  return ReadSized([&](wchar_t* buffer, DWORD size) {
    const DWORD needed = ExpandEnvironmentStringsW(WideView(text), buffer, size);
    // This call counts the terminating zero in its result.
    return needed > size ? needed : (needed == 0 ? 0 : needed - 1);
  });
}

host::OsVersion WinSystemServices::Version() {
  // GetVersionEx answers 6.2 to a program without a compatibility manifest, as the editors
  // are; the kernel's own query tells the truth.
  using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto query = ntdll ? reinterpret_cast<RtlGetVersion>(
                           reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                     : nullptr;
  if (!query || query(&info) != 0) throw host::HostError("the system version is unknown");
  return {static_cast<std::int32_t>(info.dwPlatformId),
          static_cast<std::int32_t>(info.dwMajorVersion),
          static_cast<std::int32_t>(info.dwMinorVersion)};
}

bool WinSystemServices::IsWow64Process() {
  using IsWow64 = BOOL(WINAPI*)(HANDLE, BOOL*);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  auto query = kernel ? reinterpret_cast<IsWow64>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                      : nullptr;
  if (!query) throw host::HostError("IsWow64Process is not offered");
  BOOL wow64 = FALSE;
  if (!query(GetCurrentProcess(), &wow64)) throw host::HostError("IsWow64Process failed");
  return wow64 != FALSE;
}

bool WinSystemServices::Is64BitProcess() {
  return sizeof(void*) == 8;
}

std::u16string WinSystemServices::WmiOsCaption() {
  // The host owns COM security (no CoInitializeSecurity here); the moniker's default
  // impersonation is all a local query needs.
  ComPtr<IDispatch> service;
  if (FAILED(CoGetObject(L"winmgmts:\\\\.\\root\\cimv2", nullptr, IID_IDispatch,
                         reinterpret_cast<void**>(service.Receive())))) {
    throw host::HostError("WMI is not available");
  }
  Variant query(std::u16string(u"Select * from Win32_OperatingSystem"));
  auto results = LateBound(service).GetObject(L"ExecQuery", {query.Get()});
  auto enumerator_object = results.Get(L"_NewEnum");
  ComPtr<IEnumVARIANT> enumerator;
  if (enumerator_object.Type() == VT_UNKNOWN || enumerator_object.Type() == VT_DISPATCH) {
    IUnknown* unknown = enumerator_object.Get()->punkVal;
    if (unknown) {
      LogIfFailed(
          unknown->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(enumerator.Receive())),
          "IUnknown.QueryInterface(IEnumVARIANT)");
    }
  }
  if (!enumerator) throw host::HostError("WMI gave no result");
  std::u16string caption;
  bool found = false;
  Variant item;
  while (enumerator->Next(1, item.Get(), nullptr) == S_OK) {
    caption = LateBound(item.ToDispatch()).Get(L"Caption").ToString();
    found = true;
    item = Variant();
  }
  if (!found) throw host::HostError("WMI knows no operating system");
  return caption;
}

std::string WinSystemServices::ToAnsi(const std::u16string& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, WideView(text), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, WideView(text), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

}  // namespace tessaly::win32
