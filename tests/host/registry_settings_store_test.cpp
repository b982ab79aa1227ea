#include "host/registry_settings_store.h"

#include <gtest/gtest.h>

#include "sim/os/sim_registry.h"

namespace tessaly::host {
namespace {

// Strings as the runtime's SaveSetting leaves them: REG_SZ, UTF-16 with its terminating zero,
// under the runtime's key. A value that is no string, or no value, reads as the default.
TEST(RegistrySettingsStore, StoresStringsUnderTheRuntimesKeyAndReadsNothingElse) {
  sim::SimRegistry registry;
  RegistrySettingsStore store(registry);
  const std::u16string key = u"Software\\VB and VBA Program Settings\\ZOTA\\QWIX";
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"功能菜单", u"1"), u"1");
  store.SaveSetting(u"ZOTA", u"QWIX", u"功能菜单", u"0");
  const auto stored = registry.Value(kCurrentUser, key, u"功能菜单");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, kRegSz);
  EXPECT_EQ(stored->data, (std::vector<std::uint8_t>{'0', 0, 0, 0}));
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"功能菜单", u"1"), u"0");
  store.SaveSetting(u"ZOTA", u"QWIX", u"功能菜单", u"");
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"功能菜单", u"1"), u"");
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"Other", u"功能菜单", u"d"), u"d");
  RegistryKey opened = 0;
  ASSERT_EQ(registry.OpenKey(kCurrentUser, key, kKeyAllAccess, opened), 0);
  registry.SetValue(opened, u"N", kRegDword, {1, 0, 0, 0});
  registry.CloseKey(opened);
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"N", u"5"), u"5");
}

}  // namespace
}  // namespace tessaly::host
