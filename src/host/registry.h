#pragma once

// The Windows registry as the add-in calls it: open or create a key, set and query typed
// values, close. Calls answer with a Win32 status code (0 is success), as the real API does.

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::host {

using RegistryKey = std::uintptr_t;

enum RegistryRoot : std::uint32_t {
  kClassesRoot = 0x80000000u,
  kCurrentUser = 0x80000001u,
  kLocalMachine = 0x80000002u,
  kUsers = 0x80000003u,
};

enum RegistryType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

enum RegistryAccess : std::uint32_t {
  kKeyRead = 0x20019u,
  kKeyAllAccess = 0x2003Fu,
  kKeyWow64_64 = 0x100u,
  kKeyWow64_32 = 0x200u,
};

enum RegistryStatus : std::int32_t {
  kRegSuccess = 0,
  kRegFileNotFound = 2,
  kRegAccessDenied = 5,
  kRegInvalidHandle = 6,
  kRegInvalidParameter = 87,
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::int32_t CreateKey(std::uint32_t root, const std::u16string& subkey,
                                 const std::u16string& key_class, std::uint32_t access,
                                 RegistryKey& key) = 0;
  virtual std::int32_t OpenKey(std::uint32_t root, const std::u16string& subkey,
                               std::uint32_t access, RegistryKey& key) = 0;
  // String types carry UTF-16LE code units with their terminating zero; a DWORD four bytes,
  // least significant first.
  virtual std::int32_t SetValue(RegistryKey key, const std::u16string& name, std::uint32_t type,
                                const std::vector<std::uint8_t>& data) = 0;
  // Fills the stored type and the whole data, however long.
  virtual std::int32_t QueryValue(RegistryKey key, const std::u16string& name, std::uint32_t& type,
                                  std::vector<std::uint8_t>& data) = 0;
  virtual std::int32_t CloseKey(RegistryKey key) = 0;
};

}  // namespace tessaly::host
