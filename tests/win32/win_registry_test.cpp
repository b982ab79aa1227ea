#include "win32/win_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "host/registry_settings_store.h"
#include "registration/registration_entries.h"
#include "tessaly_version.h"
#include "text/utf.h"
#include "win32/win_installation.h"

namespace tessaly::win32 {
namespace {

TEST(WinRegistryTest, RootsAreTheSignExtendedPredefinedKeys) {
  EXPECT_EQ(RootKey(host::kClassesRoot), HKEY_CLASSES_ROOT);
  EXPECT_EQ(RootKey(host::kCurrentUser), HKEY_CURRENT_USER);
  EXPECT_EQ(RootKey(host::kLocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(RootKey(host::kUsers), HKEY_USERS);
}

// The switches' Chinese names must survive a Windows of any language: the settings store goes
// through the Unicode calls end to end, and reads a value of any length whole.
TEST(WinRegistryTest, ChineseSettingsOfAnyLengthRoundTripThroughTheRealRegistry) {
  WinRegistry registry;
  host::RegistrySettingsStore settings(registry);
  for (const std::u16string& value : {std::u16string(u"0"), std::u16string(5000, u'字')}) {
    settings.SaveSetting(u"TessalyTest", u"QWIX", u"多标签页", value);
    EXPECT_EQ(settings.GetSetting(u"TessalyTest", u"QWIX", u"多标签页", u"1"), value);
  }
  EXPECT_EQ(settings.GetSetting(u"TessalyTest", u"QWIX", u"鼠标滚轮", u"1"), u"1");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\TessalyTest");
}

// Per-user registration (no administrator) writes the same keys below the user's classes.
TEST(RegistrationEntriesTest, EveryEntryLiesBelowTheChosenClassesKeyAndIsOwned) {
  for (const bool win64 : {false, true}) {
    const std::u16string classes = u"Software\\Classes";
    const auto owned = registration::OwnedClassKeys(classes, win64);
    for (const auto& entry : registration::ClassEntries(classes, u"C:\\Q\\QWIX.dll", win64)) {
      const bool inside_owned = std::any_of(owned.begin(), owned.end(), [&](const auto& key) {
        return entry.key == key || entry.key.starts_with(key + u"\\");
      });
      EXPECT_TRUE(inside_owned) << std::string(entry.key.begin(), entry.key.end());
    }
    // Each bitness registers for the editors of its own bitness only.
    const auto editors = registration::OwnedEditorKeys(win64);
    for (const auto& key : editors)
      EXPECT_EQ(key.find(u"Addins64") != std::u16string::npos, win64);
    for (const auto& entry : registration::EditorAddInEntries(win64)) {
      EXPECT_NE(std::find(editors.begin(), editors.end(), entry.key), editors.end());
    }
  }
}

// The doctor reads the editors' LoadBehavior: a number is a REG_DWORD value, nothing else.
TEST(WinInstallationTest, ReadsANumberFromADwordValueOnly) {
  using doctor::Bitness, doctor::Hive;
  WinInstallation installation;
  const std::u16string key = u"Software\\TessalyTest";
  ASSERT_TRUE(installation.WriteForUser(Bitness::kX64, {key, u"LoadBehavior", u"", 3, true}));
  ASSERT_TRUE(installation.WriteForUser(Bitness::kX64, {key, u"Text", u"3"}));
  EXPECT_EQ(installation.Number(Hive::kCurrentUser, Bitness::kX64, key, u"LoadBehavior"), 3u);
  EXPECT_EQ(installation.Number(Hive::kCurrentUser, Bitness::kX64, key, u"Text"), std::nullopt);
  EXPECT_EQ(installation.Number(Hive::kCurrentUser, Bitness::kX64, key, u"None"), std::nullopt);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TessalyTest");
}

// The doctor reads the compatibility layers each program is run with: every text of the key,
// whatever the length of its name or data, the longest included; a number is no layer.
TEST(WinInstallationTest, ReadsEveryTextOfAKeyTheLongestNamedIncluded) {
  using doctor::Bitness, doctor::Hive;
  WinInstallation installation;
  const std::u16string key = u"Software\\TessalyTest";
  std::vector<std::pair<std::u16string, std::u16string>> texts = {
      {u"C:\\VB98\\VB6.EXE", u"~ RUNASADMIN"},
      {u"D:\\" + std::u16string(300, u'长') + u"\\EXCEL.EXE", u"~ WIN7RTM"},
      {u"E", std::u16string(300, u'层')},
  };
  for (const auto& [name, text] : texts)
    ASSERT_TRUE(installation.WriteForUser(Bitness::kX64, {key, name, text}));
  ASSERT_TRUE(installation.WriteForUser(Bitness::kX64, {key, u"Number", u"", 3, true}));
  auto read = installation.Texts(Hive::kCurrentUser, Bitness::kX64, key);
  std::sort(read.begin(), read.end());
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(read, texts);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TessalyTest");
}

// The doctor tells which build of the DLL is installed by its version resource: the QWIX.dll
// built beside these tests carries the project's version and its PE headers; the test program
// itself carries no version. The packages put each bitness's DLL in a folder beside the program.
TEST(WinInstallationTest, ReadsTheVersionAndHeadersADllCarries) {
  wchar_t program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
  const std::filesystem::path self(program);
  WinInstallation installation;
  const auto dll = installation.ReadDll((self.parent_path() / L"QWIX.dll").u16string());
  ASSERT_TRUE(dll);
  EXPECT_EQ(dll->version, text::FromUtf8(TESSALY_VERSION));
  ASSERT_GE(dll->head.size(), 2u);
  EXPECT_EQ(dll->head[0], 'M');
  EXPECT_EQ(dll->head[1], 'Z');
  const auto test_program = installation.ReadDll(self.u16string());
  ASSERT_TRUE(test_program);
  EXPECT_EQ(test_program->version, std::nullopt);
  EXPECT_EQ(installation.ReadDll(u"C:\\no\\such\\QWIX.dll"), std::nullopt);
  // A file shorter than the head asked for gives its own bytes only.
  const auto short_file = std::filesystem::temp_directory_path() / L"tessaly-short.dll";
  std::ofstream(short_file, std::ios::binary) << "MZ";
  const auto truncated = installation.ReadDll(short_file.u16string());
  std::filesystem::remove(short_file);
  ASSERT_TRUE(truncated);
  EXPECT_EQ(truncated->head, (std::vector<std::uint8_t>{'M', 'Z'}));
  EXPECT_EQ(installation.InstalledDll(doctor::Bitness::kX86),
            (self.parent_path() / L"x86" / L"QWIX.dll").u16string());
  EXPECT_EQ(installation.InstalledDll(doctor::Bitness::kX64),
            (self.parent_path() / L"x64" / L"QWIX.dll").u16string());
}

}  // namespace
}  // namespace tessaly::win32
