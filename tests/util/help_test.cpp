#include "util/help.h"

#include <gtest/gtest.h>

#include "sim/os/sim_os.h"
#include "util/registry_utilities.h"

namespace tessaly::util {
namespace {

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
