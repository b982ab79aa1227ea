#include "sim/os/sim_system_services.h"

#include <gtest/gtest.h>

#include "host/host_error.h"

namespace tessaly::sim {
namespace {

TEST(SimSystemServices, ExpandsDefinedReferencesOnly) {
  SimSystemServices system;
  system.SetEnvironmentVariable(u"SystemRoot", u"C:\\Windows");
  system.SetEnvironmentVariable(u"名", u"值");
  const struct {
    std::u16string in;
    std::u16string out;
  } cases[] = {
      {u"%SYSTEMROOT%\\system32", u"C:\\Windows\\system32"},
      {u"%systemroot%%名%", u"C:\\Windows值"},
      {u"%NOPE%\\x", u"%NOPE%\\x"},
      {u"100% sure %名%", u"100% sure 值"},
      {u"%%", u"%%"},
      {u"50%", u"50%"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(system.ExpandEnvironmentStrings(c.in), c.out);
  EXPECT_EQ(system.EnvironmentVariable(u"systemroot"), u"C:\\Windows");
}

TEST(SimSystemServices, ConvertsToCodePage936WithQuestionMarksForTheRest) {
  SimSystemServices system;
  EXPECT_EQ(system.ToAnsi(u"abc"), "abc");
  EXPECT_EQ(system.ToAnsi(u"中"), "\xD6\xD0");
  EXPECT_EQ(system.ToAnsi(u"a\u0E01b\U0001F600c"), "a?b?c");
}

TEST(SimSystemServices, RecordsWhatTheAddInShowsAndOpens) {
  SimSystemServices system;
  system.SetMessageBoxAnswer(6);
  EXPECT_EQ(system.MessageBox(u"文本", u"标题", host::kMbIconQuestion), 6);
  EXPECT_EQ(system.MessageBoxes(),
            (std::vector<MessageBoxRecord>{{u"文本", u"标题", host::kMbIconQuestion}}));
  system.OpenUrl(u"https://example.invalid/s?wd=你好");
  EXPECT_EQ(system.OpenedUrls().back(), u"https://example.invalid/s?wd=你好");
}

TEST(SimSystemServices, MissingSystemFeaturesThrowHostError) {
  SimSystemServices system;
  system.SetWow64(std::nullopt);
  EXPECT_THROW(system.IsWow64Process(), host::HostError);
  system.SetWow64(true);
  EXPECT_TRUE(system.IsWow64Process());
  EXPECT_THROW(system.WmiOsCaption(), host::HostError);
  system.SetWmiOsCaption(u"Microsoft Windows 10 专业版");
  EXPECT_EQ(system.WmiOsCaption(), u"Microsoft Windows 10 专业版");
}

}  // namespace
}  // namespace tessaly::sim
