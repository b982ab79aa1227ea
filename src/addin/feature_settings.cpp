#include "addin/feature_settings.h"

#include "host/host_error.h"
#include "text/utf.h"

namespace tessaly::addin {

namespace {

const char16_t* KeyAt(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(kFeatureKeys.size())) {
    throw host::HostError("no feature switch at index " + std::to_string(index));
  }
  return kFeatureKeys[static_cast<std::size_t>(index)];
}

}  // namespace

std::u16string ReadFeatureSetting(host::SettingsStore& settings, std::int32_t index) {
  return settings.GetSetting(kSettingsApp, kSettingsSection, KeyAt(index), kSettingDefault);
}

void SaveFeatureSetting(host::SettingsStore& settings, std::int32_t index, std::int32_t value) {
  settings.SaveSetting(kSettingsApp, kSettingsSection, KeyAt(index),
                       text::FromUtf8(std::to_string(value)));
}

}  // namespace tessaly::addin
