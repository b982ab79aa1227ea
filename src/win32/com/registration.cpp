#include "win32/com/registration.h"

#include "win32/windows_headers.h"

#include "win32/registration_entries.h"

namespace tessaly::win32 {

namespace {

constexpr bool kWin64 = sizeof(void*) == 8;
constexpr char16_t kClasses[] = u"Software\\Classes";

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

LSTATUS Write(HKEY root, const RegistryEntry& entry) {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(root, Wide(entry.key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  const wchar_t* name = entry.name.empty() ? nullptr : Wide(entry.name);
  if (entry.is_number) {
    const DWORD number = entry.number;
    status = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                            sizeof(number));
  } else {
    status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(Wide(entry.text)),
                            static_cast<DWORD>((entry.text.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
  return status;
}

LSTATUS WriteAll(HKEY root, const std::vector<RegistryEntry>& entries) {
  for (const auto& entry : entries) {
    if (const LSTATUS status = Write(root, entry); status != ERROR_SUCCESS) return status;
  }
  return ERROR_SUCCESS;
}

void DeleteAll(HKEY root, const std::vector<std::u16string>& keys) {
  for (const auto& key : keys)
    RegDeleteTreeW(root, Wide(key));
}

std::u16string FromWide(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace

HRESULT RegisterServer(const std::wstring& dll_path) {
  if (dll_path.empty()) return SELFREG_E_CLASS;
  const auto classes = ClassEntries(kClasses, FromWide(dll_path), kWin64);
  if (WriteAll(HKEY_LOCAL_MACHINE, classes) != ERROR_SUCCESS) {
    // Not an administrator: undo the part written and register for this user alone.
    DeleteAll(HKEY_LOCAL_MACHINE, OwnedClassKeys(kClasses, kWin64));
    if (WriteAll(HKEY_CURRENT_USER, classes) != ERROR_SUCCESS) {
      DeleteAll(HKEY_CURRENT_USER, OwnedClassKeys(kClasses, kWin64));
      return SELFREG_E_CLASS;
    }
  }
  if (WriteAll(HKEY_CURRENT_USER, EditorAddInEntries(kWin64)) != ERROR_SUCCESS) {
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterServer() {
  const auto classes = OwnedClassKeys(kClasses, kWin64);
  DeleteAll(HKEY_LOCAL_MACHINE, classes);
  DeleteAll(HKEY_CURRENT_USER, classes);
  DeleteAll(HKEY_CURRENT_USER, OwnedEditorKeys(kWin64));
  return S_OK;
}

}  // namespace tessaly::win32
