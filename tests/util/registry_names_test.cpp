#include "util/reg_path_split.h"

#include <gtest/gtest.h>

#include "sim/os/sim_os.h"
#include "sim/os/sim_system_services.h"
#include "text/utf.h"
#include "util/help.h"
#include "util/reg_key_to_num.h"
#include "util/registry_utilities.h"

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

TEST(RegistryUtilityHelp, EachFunctionShowsItsHelpAndReturnsItsEmptyResult) {
  for (const std::u16string ask : {u"/?", u"/？"}) {
    sim::SimOs os;
    auto& system = os.system();
    EXPECT_EQ(RegKey2Num(system, ask), 0);
    EXPECT_EQ(RegPathSplit(system, ask, 4), u"");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(GetKeyValue(os.registry(), system, ask)));
    EXPECT_FALSE(SetKeyValue(os.registry(), system, ask, u"1", u"RS"));
    ASSERT_EQ(system.MessageBoxes().size(), 4u);
    const std::u16string titles[] = {
        u"函数[RegKey2Num]注册表关键字转换值", u"函数[RegPathSplit]注册表长路径分解",
        u"函数[GetKeyValue]获取注册表键值", u"函数[SetKeyValue]设置注册表键值"};
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(system.MessageBoxes()[i].caption, titles[i]);
      EXPECT_EQ(system.MessageBoxes()[i].style, host::kMbIconQuestion);
    }
    EXPECT_EQ(system.MessageBoxes()[0].text,
              u"参数01必选[RegKeyStr]：\r\n   注册表关键字\r\n   HKCR\r\n   HKEYCR\r\n"
              u"   HKEY_CLASSES_ROOT\r\n   RS\r\n   REG_SZ\r\n   以上简写及全称均可");
    EXPECT_EQ(system.MessageBoxes()[1].text,
              u"参数01必选[RegFullName]：\r\n   注册表完整路径，如HKCU\\Software\\Foo\\Bar\r\n"
              u"   以\\结尾时值名为空，即默认值\r\n参数02必选[Layers]：\r\n   0返回根键\r\n"
              u"   1返回子键\r\n   2返回值名\r\n   3返回子键及值名\r\n   4返回整理后的完整路径");
    EXPECT_EQ(system.MessageBoxes()[2].text, HelpMessage(kGetKeyValueHelp.parameters));
    EXPECT_EQ(system.MessageBoxes()[3].text, HelpMessage(kSetKeyValueHelp.parameters));
  }
}

TEST(RegistryUtilityHelp, HeadingsStartAtTheMarginAndTheirLinesAreIndented) {
  EXPECT_EQ(HelpMessage(u"参数01必选[A]：|说明|参数02可选[B]：|x"),
            u"参数01必选[A]：\r\n   说明\r\n参数02可选[B]：\r\n   x");
  for (const auto& help : {kGetKeyValueHelp, kSetKeyValueHelp}) {
    const auto message = HelpMessage(help.parameters);
    EXPECT_TRUE(message.starts_with(u"参数01必选[RegFullName]："));
    EXPECT_EQ(message.find(u"   参数"), std::u16string::npos);
    EXPECT_EQ(message.find(u'|'), std::u16string::npos);
  }
}

TEST(RegistryUtilityHelp, OnlyTheExactQuestionAsksForHelp) {
  sim::SimSystemServices system;
  for (const std::u16string not_help : {u"/? ", u"?", u"/", u"／?"}) {
    RegPathSplit(system, not_help, 0);
    RegKey2Num(system, not_help);
  }
  RegKey2Num(system, 1.0);
  EXPECT_TRUE(system.MessageBoxes().empty());
}

}  // namespace
}  // namespace tessaly::util
