#include "win32/win_registry.h"

#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

HKEY Handle(host::RegistryKey key) {
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

HKEY RootKey(std::uint32_t root) {
  return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(root)));
}

std::int32_t WinRegistry::CreateKey(std::uint32_t root, const std::u16string& subkey,
                                    const std::u16string& key_class, std::uint32_t access,
                                    host::RegistryKey& key) {
  HKEY created = nullptr;
  const LONG status =
      RegCreateKeyExW(RootKey(root), WideView(subkey), 0, const_cast<wchar_t*>(WideView(key_class)),
                      REG_OPTION_NON_VOLATILE, access, nullptr, &created, nullptr);
  key = status == ERROR_SUCCESS ? reinterpret_cast<host::RegistryKey>(created) : 0;
  return status;
}

std::int32_t WinRegistry::OpenKey(std::uint32_t root, const std::u16string& subkey,
                                  std::uint32_t access, host::RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExW(RootKey(root), WideView(subkey), 0, access, &opened);
  key = status == ERROR_SUCCESS ? reinterpret_cast<host::RegistryKey>(opened) : 0;
  return status;
}

std::int32_t WinRegistry::SetValue(host::RegistryKey key, const std::u16string& name,
                                   std::uint32_t type, const std::vector<std::uint8_t>& data) {
  return RegSetValueExW(Handle(key), WideView(name), 0, type, data.data(),
                        static_cast<DWORD>(data.size()));
}

std::int32_t WinRegistry::QueryValue(host::RegistryKey key, const std::u16string& name,
                                     std::uint32_t& type, std::vector<std::uint8_t>& data) {
  // A value can grow between the size query and the read; ask again until it fits.
  for (;;) {
    DWORD size = 0;
    DWORD stored_type = 0;
    LONG status =
        RegQueryValueExW(Handle(key), WideView(name), nullptr, &stored_type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    data.assign(size, 0);
    status =
        RegQueryValueExW(Handle(key), WideView(name), nullptr, &stored_type, data.data(), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      type = stored_type;
    }
    return status;
  }
}

std::int32_t WinRegistry::CloseKey(host::RegistryKey key) {
  return RegCloseKey(Handle(key));
}

}  // namespace tessaly::win32
