// The host services every click leans on: the log of the editor's refusals and the settings
// kept where the runtime's SaveSetting keeps them.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/refusal_log.h"
#include "host/registry_settings_store.h"
#include "host/resume.h"
#include "sim/os/sim_registry.h"

namespace tessaly::host {
namespace {

class RefusalLogTest : public ::testing::Test {
 protected:
  std::vector<std::pair<std::uint_least32_t, std::string>> written;  // line, text
  std::shared_ptr<RefusalLog> log = std::make_shared<RefusalLog>(
      [this](const std::source_location& where, const std::string& what) {
        written.push_back({where.line(), what});
      });
  HostError Refused(const std::string& description,
                    const std::string& member = "CodeModule.ReplaceLine") const {
    return HostError(Refusal{member, 0x80020009, description}, log);
  }
};

// A refusal met once for every line of a module costs one line of the log, per place, member
// and load; the editor's own description is kept as it gave it.
TEST_F(RefusalLogTest, EachPlaceWritesOncePerMemberAndLoad) {
  const auto refuse_every_line = [&](const char* member) {
    for (int line = 0; line < 3; ++line)
      Resume([&] { throw Refused("权限被拒绝", member); });
  };
  refuse_every_line("CodeModule.ReplaceLine");
  const bool done = Resume([&] { throw Refused(""); });  // a second place
  ASSERT_EQ(written.size(), 2u);
  EXPECT_FALSE(done);
  EXPECT_EQ(written[0].second, "CodeModule.ReplaceLine refused (0x80020009): 权限被拒绝");
  EXPECT_EQ(written[1].second, "CodeModule.ReplaceLine refused (0x80020009)");
  EXPECT_NE(written[0].first, written[1].first);

  refuse_every_line("CodeModule.ReplaceLine");
  EXPECT_EQ(written.size(), 2u);
  refuse_every_line("CodeModule.Lines");  // another member at the first place
  ASSERT_EQ(written.size(), 3u);
  EXPECT_EQ(written[2].first, written[0].first);
  log->NewLoad();
  refuse_every_line("CodeModule.ReplaceLine");
  EXPECT_EQ(written.size(), 4u);
}

// What is expected to fail, and errors of our own that are no refusal of the editor, leave
// nothing.
TEST_F(RefusalLogTest, ProbesAndOurOwnErrorsWriteNothing) {
  EXPECT_EQ(ProbeOr(7, [&]() -> int { throw Refused("no such bar"); }), 7);
  EXPECT_EQ(ResumeOr(5, []() -> int { throw HostError("no editor application"); }), 5);
  EXPECT_EQ(ResumeOr(4, [&]() -> int { throw Refused("x"); }), 4);
  EXPECT_EQ(written.size(), 1u);
}

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
  registry.SetValue(opened, u"Odd", kRegSz, {'7', 0, 'x'});
  registry.CloseKey(opened);
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"N", u"5"), u"5");
  // A string of odd length ends with its last whole character.
  EXPECT_EQ(store.GetSetting(u"ZOTA", u"QWIX", u"Odd", u"5"), u"7");
}

}  // namespace
}  // namespace tessaly::host
