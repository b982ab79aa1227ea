#pragma once

// The runtime's settings store as it really is: each application's sections are keys under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings, each setting a REG_SZ value named
// after its key. Portable: it only talks to the Registry seam.

#include <string>

#include "host/registry.h"
#include "host/settings_store.h"

namespace tessaly::host {

class RegistrySettingsStore : public SettingsStore {
 public:
  explicit RegistrySettingsStore(Registry& registry) : registry_(registry) {}

  // Yields default_value when the key or value is missing or is not a string.
  std::u16string GetSetting(const std::u16string& app, const std::u16string& section,
                            const std::u16string& key,
                            const std::u16string& default_value) override;
  void SaveSetting(const std::u16string& app, const std::u16string& section,
                   const std::u16string& key, const std::u16string& value) override;

  static std::u16string SectionPath(const std::u16string& app, const std::u16string& section);

 private:
  Registry& registry_;
};

}  // namespace tessaly::host
