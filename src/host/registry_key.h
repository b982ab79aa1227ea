#pragma once

// An open key of a Registry that closes itself, and the two ways to get one. Whoever opens a key
// holds it in one of these, so no path of a caller can leave it open.

#include <cstdint>
#include <string>
#include <utility>

#include "host/registry.h"

namespace tessaly::host {

class OwnedRegistryKey {
 public:
  OwnedRegistryKey() = default;
  OwnedRegistryKey(Registry& registry, RegistryKey key) : registry_(&registry), key_(key) {}
  OwnedRegistryKey(OwnedRegistryKey&& other) noexcept
      : registry_(std::exchange(other.registry_, nullptr)), key_(std::exchange(other.key_, 0)) {}
  OwnedRegistryKey& operator=(OwnedRegistryKey&&) = delete;
  ~OwnedRegistryKey() {
    if (registry_) registry_->CloseKey(key_);
  }

  RegistryKey Get() const { return key_; }

 private:
  Registry* registry_ = nullptr;
  RegistryKey key_ = 0;
};

// The registry's status, and the key when it succeeded.
struct OpenedRegistryKey {
  std::int32_t status = kRegSuccess;
  OwnedRegistryKey key;
};

inline OpenedRegistryKey OpenKey(Registry& registry, std::uint32_t root,
                                 const std::u16string& subkey, std::uint32_t access) {
  RegistryKey key = 0;
  const auto status = registry.OpenKey(root, subkey, access, key);
  if (status != kRegSuccess) return {status, {}};
  return {status, OwnedRegistryKey(registry, key)};
}

inline OpenedRegistryKey CreateKey(Registry& registry, std::uint32_t root,
                                   const std::u16string& subkey, const std::u16string& key_class,
                                   std::uint32_t access) {
  RegistryKey key = 0;
  const auto status = registry.CreateKey(root, subkey, key_class, access, key);
  if (status != kRegSuccess) return {status, {}};
  return {status, OwnedRegistryKey(registry, key)};
}

}  // namespace tessaly::host
