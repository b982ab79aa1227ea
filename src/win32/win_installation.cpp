#include "win32/win_installation.h"

#include "win32/windows_headers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "win32/unique_handle.h"
#include "win32/wide_text.h"
#include "win32/write_registry_entry.h"

namespace tessaly::win32 {

namespace {

using doctor::Bitness;
using doctor::Hive;

HKEY Root(Hive hive) {
  return hive == Hive::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM View(Bitness view) {
  return view == Bitness::kX86 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

UniqueHkey Open(Hive hive, Bitness view, const std::u16string& key) {
  UniqueHkey opened;
  if (RegOpenKeyExW(Root(hive), WideView(key), 0, KEY_READ | View(view), opened.Receive()) !=
      ERROR_SUCCESS) {
    opened.Reset();
  }
  return opened;
}

// The value's type and bytes, however long.
bool Query(HKEY key, const std::u16string& name, DWORD& type, std::vector<BYTE>& data) {
  const wchar_t* value = name.empty() ? nullptr : WideView(name);
  DWORD size = 0;
  if (RegQueryValueExW(key, value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  data.resize(size);
  return RegQueryValueExW(key, value, nullptr, &type, data.data(), &size) == ERROR_SUCCESS &&
         (data.resize(size), true);
}

// Stored text up to its first terminating zero, if any.
std::u16string StoredText(const BYTE* bytes, std::size_t size) {
  std::u16string text(size / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), bytes, text.size() * sizeof(char16_t));
  return text.substr(0, text.find(u'\0'));
}

std::optional<std::u16string> FileVersion(const std::u16string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(WideView(path), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoW(WideView(path), 0, size, block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return std::nullopt;
  }
  char text[64];
  const unsigned build = LOWORD(info->dwFileVersionLS);
  std::snprintf(text, sizeof text, build ? "%u.%u.%u.%u" : "%u.%u.%u",
                static_cast<unsigned>(HIWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(LOWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(HIWORD(info->dwFileVersionLS)), build);
  return std::u16string(text, text + std::strlen(text));
}

// The value's bytes, when it is stored with one of the types asked for.
std::optional<std::vector<BYTE>> TypedValue(Hive hive, Bitness view, const std::u16string& key,
                                            const std::u16string& name,
                                            std::initializer_list<DWORD> types) {
  const auto opened = Open(hive, view, key);
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!opened || !Query(opened.Get(), name, type, data) ||
      std::find(types.begin(), types.end(), type) == types.end()) {
    return std::nullopt;
  }
  return data;
}

}  // namespace

bool WinInstallation::KeyExists(Hive hive, Bitness view, const std::u16string& key) {
  return static_cast<bool>(Open(hive, view, key));
}

std::optional<std::u16string> WinInstallation::Text(Hive hive, Bitness view,
                                                    const std::u16string& key,
                                                    const std::u16string& name) {
  const auto data = TypedValue(hive, view, key, name, {REG_SZ, REG_EXPAND_SZ});
  if (!data) return std::nullopt;
  return StoredText(data->data(), data->size());
}

std::optional<std::uint32_t> WinInstallation::Number(Hive hive, Bitness view,
                                                     const std::u16string& key,
                                                     const std::u16string& name) {
  const auto data = TypedValue(hive, view, key, name, {REG_DWORD});
  if (!data || data->size() != sizeof(DWORD)) return std::nullopt;
  DWORD number = 0;
  std::memcpy(&number, data->data(), sizeof number);
  return number;
}

std::vector<std::pair<std::u16string, std::u16string>> WinInstallation::Texts(
    Hive hive, Bitness view, const std::u16string& key) {
  std::vector<std::pair<std::u16string, std::u16string>> texts;
  const auto opened = Open(hive, view, key);
  DWORD longest_name = 0;
  DWORD longest_data = 0;
  if (!opened ||
      RegQueryInfoKeyW(opened.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       &longest_name, &longest_data, nullptr, nullptr) != ERROR_SUCCESS) {
    return texts;
  }
  std::vector<wchar_t> name(longest_name + 1);
  std::vector<BYTE> data(longest_data + sizeof(wchar_t));
  for (DWORD index = 0;; ++index) {
    DWORD name_length = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LSTATUS status = RegEnumValueW(opened.Get(), index, name.data(), &name_length, nullptr,
                                         &type, data.data(), &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;
    texts.emplace_back(FromWide({name.data(), name_length}), StoredText(data.data(), size));
  }
  return texts;
}

std::optional<doctor::DllFile> WinInstallation::ReadDll(const std::u16string& path) {
  if (GetFileAttributesW(WideView(path)) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  doctor::DllFile file;
  // The PE headers of any DLL we build lie within the first page.
  file.head.resize(4096);
  DWORD read = 0;
  const HANDLE opened = CreateFileW(WideView(path), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened != INVALID_HANDLE_VALUE) {
    const UniqueFile handle(opened);
    if (!ReadFile(handle.Get(), file.head.data(), static_cast<DWORD>(file.head.size()), &read,
                  nullptr)) {
      read = 0;
    }
  }
  file.head.resize(read);
  file.version = FileVersion(path);
  return file;
}

std::u16string WinInstallation::InstalledDll(Bitness bitness) {
  std::wstring program(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length < program.size()) {
      program.resize(length);
      break;
    }
    program.resize(program.size() * 2);
  }
  const auto folder = program.substr(0, program.find_last_of(L"\\/") + 1);
  return FromWide(folder) + (bitness == Bitness::kX86 ? u"x86\\QWIX.dll" : u"x64\\QWIX.dll");
}

bool WinInstallation::WriteForUser(Bitness view, const registration::RegistryEntry& entry) {
  return WriteRegistryEntry(HKEY_CURRENT_USER, entry, View(view)) == ERROR_SUCCESS;
}

}  // namespace tessaly::win32
