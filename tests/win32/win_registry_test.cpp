#include "win32/win_registry.h"

#include <gtest/gtest.h>

#include "host/registry_settings_store.h"
#include "win32/registration_entries.h"

namespace tessaly::win32 {
namespace {

TEST(WinRegistryTest, RootsAreTheSignExtendedPredefinedKeys) {
  EXPECT_EQ(RootKey(host::kClassesRoot), HKEY_CLASSES_ROOT);
  EXPECT_EQ(RootKey(host::kCurrentUser), HKEY_CURRENT_USER);
  EXPECT_EQ(RootKey(host::kLocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(RootKey(host::kUsers), HKEY_USERS);
}

// The switches' Chinese names must survive a Windows of any language: the settings store goes
// through the Unicode calls end to end.
TEST(WinRegistryTest, ChineseSettingsRoundTripThroughTheRealRegistry) {
  WinRegistry registry;
  host::RegistrySettingsStore settings(registry);
  settings.SaveSetting(u"TessalyTest", u"QWIX", u"多标签页", u"0");
  EXPECT_EQ(settings.GetSetting(u"TessalyTest", u"QWIX", u"多标签页", u"1"), u"0");
  EXPECT_EQ(settings.GetSetting(u"TessalyTest", u"QWIX", u"鼠标滚轮", u"1"), u"1");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\TessalyTest");
}

TEST(WinRegistryTest, LongValuesAreReadWhole) {
  WinRegistry registry;
  host::RegistryKey key = 0;
  ASSERT_EQ(registry.CreateKey(host::kCurrentUser, u"Software\\TessalyTest", u"",
                               host::kKeyAllAccess, key),
            0);
  std::u16string text(5000, u'字');
  std::vector<std::uint8_t> data(
      reinterpret_cast<const std::uint8_t*>(text.c_str()),
      reinterpret_cast<const std::uint8_t*>(text.c_str() + text.size() + 1));
  ASSERT_EQ(registry.SetValue(key, u"long", host::kRegSz, data), 0);
  std::uint32_t type = 0;
  std::vector<std::uint8_t> read;
  ASSERT_EQ(registry.QueryValue(key, u"long", type, read), 0);
  EXPECT_EQ(type, host::kRegSz);
  EXPECT_EQ(read, data);
  registry.CloseKey(key);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TessalyTest");
}

// Per-user registration (no administrator) writes the same keys below the user's classes.
TEST(RegistrationEntriesTest, EveryEntryLiesBelowTheChosenClassesKeyAndIsOwned) {
  for (const bool win64 : {false, true}) {
    const std::u16string classes = u"Software\\Classes";
    const auto owned = OwnedClassKeys(classes, win64);
    for (const auto& entry : ClassEntries(classes, u"C:\\Q\\QWIX.dll", win64)) {
      const bool inside_owned = std::any_of(owned.begin(), owned.end(), [&](const auto& key) {
        return entry.key == key || entry.key.starts_with(key + u"\\");
      });
      EXPECT_TRUE(inside_owned) << std::string(entry.key.begin(), entry.key.end());
    }
    const auto editors = OwnedEditorKeys(win64);
    for (const auto& entry : EditorAddInEntries(win64)) {
      EXPECT_NE(std::find(editors.begin(), editors.end(), entry.key), editors.end());
    }
  }
  // Each bitness registers for the editors of its own bitness only.
  const auto x64 = OwnedEditorKeys(true);
  ASSERT_EQ(x64.size(), 1u);
  EXPECT_NE(x64[0].find(u"Addins64"), std::u16string::npos);
  for (const auto& key : OwnedEditorKeys(false))
    EXPECT_EQ(key.find(u"Addins64"), std::u16string::npos);
}

}  // namespace
}  // namespace tessaly::win32
