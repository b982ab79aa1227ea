#pragma once

#include <string>

namespace tessaly::host {

// The runtime's per-user settings: string values under application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::u16string GetSetting(const std::u16string& app, const std::u16string& section,
                                    const std::u16string& key,
                                    const std::u16string& default_value) = 0;
  // Throws HostError when the value cannot be stored.
  virtual void SaveSetting(const std::u16string& app, const std::u16string& section,
                           const std::u16string& key, const std::u16string& value) = 0;
};

}  // namespace tessaly::host
