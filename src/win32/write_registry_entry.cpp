#include "win32/write_registry_entry.h"

#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

LSTATUS WriteRegistryEntry(HKEY root, const registration::RegistryEntry& entry, REGSAM view) {
  UniqueHkey key;
  LSTATUS status = RegCreateKeyExW(root, WideView(entry.key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE | view, nullptr, key.Receive(), nullptr);
  if (status != ERROR_SUCCESS) return status;
  const wchar_t* name = entry.name.empty() ? nullptr : WideView(entry.name);
  if (entry.is_number) {
    const DWORD number = entry.number;
    status = RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                            sizeof(number));
  } else {
    status = RegSetValueExW(key.Get(), name, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(WideView(entry.text)),
                            static_cast<DWORD>((entry.text.size() + 1) * sizeof(wchar_t)));
  }
  return status;
}

}  // namespace tessaly::win32
