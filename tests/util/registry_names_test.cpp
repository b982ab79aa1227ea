#include "util/reg_path_split.h"

#include <gtest/gtest.h>

#include "sim/os/sim_system_services.h"
#include "text/utf.h"
#include "util/reg_key_to_num.h"

namespace tessaly::util {
namespace {

TEST(RegPathSplit, SplitsEachLayer) {
  const struct {
    std::u16string path;
    std::u16string root, subkey, value_name, subkey_and_value, whole;
  } cases[] = {
      {u"HKCU\\Software\\Foo\\Bar", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      {u"HKCU\\Software\\Foo\\", u"HKCU", u"Software\\Foo", u"", u"Software\\Foo\\",
       u"HKCU\\Software\\Foo\\"},
      {u"HKCU\\Software", u"HKCU", u"Software", u"Software", u"Software", u"HKCU\\Software"},
      {u"\"HKCU\\Software\\Foo\\Bar\"", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      {u"HKCU\\\\Software\\\\Foo\\\\Bar", u"HKCU", u"Software\\Foo", u"Bar", u"Software\\Foo\\Bar",
       u"HKCU\\Software\\Foo\\Bar"},
      // Three backslashes: one pass leaves two.
      {u"HKCU\\\\\\A", u"HKCU", u"", u"A", u"\\A", u"HKCU\\\\A"},
      {u"HKEY_LOCAL_MACHINE\\SOFTWARE\\中文\\名称", u"HKEY_LOCAL_MACHINE", u"SOFTWARE\\中文",
       u"名称", u"SOFTWARE\\中文\\名称", u"HKEY_LOCAL_MACHINE\\SOFTWARE\\中文\\名称"},
      // A bare root with its backslash has no backslash left.
      {u"HKCU\\", u"", u"", u"", u"", u""},
      // Two leading backslashes collapse like any other pair, and leave no root.
      {u"\\\\HKCU\\Software\\V", u"", u"HKCU\\Software", u"V", u"HKCU\\Software\\V",
       u"\\HKCU\\Software\\V"},
      {u"HKCU", u"", u"", u"", u"", u""},
      {u"", u"", u"", u"", u"", u""},
  };
  sim::SimSystemServices system;
  for (const auto& c : cases) {
    SCOPED_TRACE(text::ToUtf8(c.path));
    EXPECT_EQ(RegPathSplit(system, c.path, 0), c.root);
    EXPECT_EQ(RegPathSplit(system, c.path, 1), c.subkey);
    EXPECT_EQ(RegPathSplit(system, c.path, 2), c.value_name);
    EXPECT_EQ(RegPathSplit(system, c.path, 3), c.subkey_and_value);
    EXPECT_EQ(RegPathSplit(system, c.path, 4), c.whole);
    EXPECT_EQ(RegPathSplit(system, c.path, 5), u"");
    EXPECT_EQ(RegPathSplit(system, c.path, -1), u"");
  }
  EXPECT_TRUE(system.MessageBoxes().empty());
}

TEST(RegKey2Num, TranslatesNamesInAnyCase) {
  // clang-format off
  const struct {
    std::u16string name;
    std::uint32_t number;
  } cases[] = {
      {u"HKEY_CLASSES_ROOT", 0x80000000u}, {u"hkcr", 0x80000000u}, {u"HKEYCR", 0x80000000u},
      {u"HKEY_CURRENT_USER", 0x80000001u}, {u"hkcu", 0x80000001u}, {u"HkEyCu", 0x80000001u},
      {u"HKEY_LOCAL_MACHINE", 0x80000002u}, {u"hkey_local_machine", 0x80000002u},
      {u"HKLM", 0x80000002u}, {u"hkeylm", 0x80000002u}, {u"HKEY_USERS", 0x80000003u},
      {u"hku", 0x80000003u}, {u"REG_SZ", 1}, {u"rs", 1}, {u"REG_EXPAND_SZ", 2}, {u"RE", 2},
      {u"REG_BINARY", 3}, {u"rb", 3}, {u"REG_DWORD", 4}, {u"RD", 4}, {u"REG_MULTI_SZ", 7},
      {u"rm", 7}, {u"KEY_WOW64_64KEY", 256}, {u"key64", 256}, {u"KEY_WOW64_32KEY", 512},
      {u"KEY32", 512}, {u"17", 17}, {u" 4 ", 4}, {u"2.5", 2}, {u"3.5", 4},
      {u"&H80000001", 0x80000001u}, {u"&h200", 512}, {u"abc", 0}, {u"", 0}, {u"HKCU ", 0},
      {u"99999999999", 0}, {u"1e3", 1000}};
  // clang-format on
  sim::SimSystemServices system;
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<std::uint32_t>(RegKey2Num(system, c.name)), c.number)
        << text::ToUtf8(c.name);
  }
  EXPECT_EQ(RegKey2Num(system, 17.0), 17);
  EXPECT_EQ(RegKey2Num(system, -3.0), -3);
  EXPECT_EQ(RegKey2Num(system, Variant{}), 0);
  EXPECT_EQ(RegKey2Num(system, std::vector<double>{1.0}), 0);
  EXPECT_TRUE(system.MessageBoxes().empty());
}

}  // namespace
}  // namespace tessaly::util
