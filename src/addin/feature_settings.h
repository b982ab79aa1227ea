#pragma once

// The four per-user feature switches, in the order of the settings form's check boxes.

#include <array>
#include <cstdint>
#include <string>

#include "host/settings_store.h"

namespace tessaly::addin {

enum FeatureIndex : std::int32_t {
  kFunctionMenu = 0,
  kDialogEnlargement = 1,
  kCodeTabs = 2,
  kMouseWheel = 3,
};

inline constexpr std::array<const char16_t*, 4> kFeatureKeys = {u"功能菜单", u"调整窗口",
                                                                u"多标签页", u"鼠标滚轮"};
inline constexpr char16_t kSettingsApp[] = u"ZOTA";
inline constexpr char16_t kSettingsSection[] = u"QWIX";
inline constexpr char16_t kSettingDefault[] = u"1";

// The stored text of a switch, "1" when none is stored.
std::u16string ReadFeatureSetting(host::SettingsStore& settings, std::int32_t index);
// Stores the decimal text of a check-box value; throws HostError when it cannot be stored.
void SaveFeatureSetting(host::SettingsStore& settings, std::int32_t index, std::int32_t value);

}  // namespace tessaly::addin
