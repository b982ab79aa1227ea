#pragma once

// The registry through advapi32's Unicode calls, so the Chinese setting names survive on a
// Windows of any language.

#include "win32/windows_headers.h"

#include "host/registry.h"

namespace tessaly::win32 {

// The predefined roots are 32-bit values with the top bit set; on x64 an HKEY is their sign
// extension, as the system headers define them.
HKEY RootKey(std::uint32_t root);

class WinRegistry : public host::Registry {
 public:
  std::int32_t CreateKey(std::uint32_t root, const std::u16string& subkey,
                         const std::u16string& key_class, std::uint32_t access,
                         host::RegistryKey& key) override;
  std::int32_t OpenKey(std::uint32_t root, const std::u16string& subkey, std::uint32_t access,
                       host::RegistryKey& key) override;
  std::int32_t SetValue(host::RegistryKey key, const std::u16string& name, std::uint32_t type,
                        const std::vector<std::uint8_t>& data) override;
  std::int32_t QueryValue(host::RegistryKey key, const std::u16string& name, std::uint32_t& type,
                          std::vector<std::uint8_t>& data) override;
  std::int32_t CloseKey(host::RegistryKey key) override;
};

}  // namespace tessaly::win32
