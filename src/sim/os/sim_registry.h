#pragma once

// The registry in memory, optionally kept in a .reg file. With a file, every change is
// written through before the call returns; a change that cannot be written is undone and
// the call fails with kRegAccessDenied, so memory never holds what the disk does not.
// A file that cannot be read or parsed makes the constructor throw, which leaves the file
// exactly as it was: it is never overwritten by a registry that failed to load it.
//
// Views: with KEY_WOW64_32KEY, HKLM\SOFTWARE is the 32-bit view, kept where Windows keeps it
// (HKLM\SOFTWARE\WOW6432Node); every other key is shared by both views. Key classes are kept
// in memory only: the .reg format has no place for them.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/registry.h"
#include "sim/os/registry_tree.h"

namespace tessaly::sim {

class SimRegistry : public host::Registry {
 public:
  SimRegistry() = default;
  explicit SimRegistry(std::filesystem::path file);

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

  // For tests: the state without handles. access picks the view as for OpenKey.
  std::optional<RegistryValue> Value(std::uint32_t root, const std::u16string& subkey,
                                     const std::u16string& name, std::uint32_t access = 0) const;
  bool KeyExists(std::uint32_t root, const std::u16string& subkey, std::uint32_t access = 0) const;
  std::optional<std::u16string> KeyClass(std::uint32_t root, const std::u16string& subkey) const;
  std::size_t OpenHandleCount() const { return handles_.size(); }
  // A 32-bit process on a 64-bit system sees the 32-bit view unless it asks for the other.
  void SetRedirectedByDefault(bool redirected) { redirected_by_default_ = redirected; }

 private:
  struct Handle {
    RegistryNode* node;
    std::uint32_t access;
  };

  std::vector<std::u16string> ViewPath(std::uint32_t root, const std::u16string& subkey,
                                       std::uint32_t access) const;
  const RegistryNode* Find(std::uint32_t root, const std::u16string& subkey,
                           std::uint32_t access) const;
  std::optional<Handle> Resolve(host::RegistryKey key);
  host::RegistryKey NewHandle(RegistryNode* node, std::uint32_t access);
  std::int32_t Persist();

  RegistryTree tree_;
  std::optional<std::filesystem::path> file_;
  std::map<host::RegistryKey, Handle> handles_;
  host::RegistryKey next_handle_ = 0x1000;
  bool redirected_by_default_ = false;
};

}  // namespace tessaly::sim
