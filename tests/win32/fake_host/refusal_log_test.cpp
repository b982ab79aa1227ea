// A member the editor refuses leaves one line in the user's failure log: the member, the
// HRESULT, the editor's own description as it gave it (Chinese kept) and where in our code the
// refusal was met; a refusal met for every line costs one line per load.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <filesystem>
#include <string>
#include <vector>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/user_log_folder.h"

namespace tessaly::fake_host {
namespace {

namespace fs = std::filesystem;

// The log goes to a folder of this test's own, named as the user's local application data.
class RefusalLogTest : public BothEditorsTest {
 protected:
  // The log's lines that speak of the member.
  std::vector<std::string> LinesAbout(const std::string& member) const {
    std::vector<std::string> lines = user_log_.Lines();
    std::erase_if(lines,
                  [&](const std::string& line) { return line.find(member) == std::string::npos; });
    return lines;
  }
  void IndentTwice() {
    editor->Sim().Activate(u"缩进");
    editor->Sim().ActivePane()->PlaceCaret(2, 1);
    for (int click = 0; click < 2; ++click)
      editor->Click(test_support::FunctionMenuPath(editor->Sim(), u"代码缩进"));
  }

  win32::UserLogFolder user_log_{fs::temp_directory_path() /
                                 ("tessaly-refusals-" + std::to_string(GetCurrentProcessId()))};
};

TEST_P(RefusalLogTest, ARefusedMemberIsWrittenOncePerPlaceAndLoad) {
  editor->Sim().AddModule(u"Project1", u"缩进", {u"Sub A()", u"x = 1", u"y = 2", u"End Sub"});
  editor->Sim().Refuse(u"CodeModule.ReplaceLine", "权限被拒绝");
  ASSERT_TRUE(add_in->Connect());
  IndentTwice();
  auto lines = LinesAbout("ReplaceLine refused (0x80020009): 权限被拒绝");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("tessaly::codetools::"), std::string::npos) << lines[0];  // where
  EXPECT_EQ(editor->Sim().Module(u"缩进").Text()[1], u"x = 1");

  ASSERT_TRUE(add_in->Disconnect(AddInDriver::Unload::kFromAddInManager));
  ASSERT_TRUE(add_in->Connect(AddInDriver::Load::kFromAddInManager));
  IndentTwice();
  EXPECT_EQ(LinesAbout("ReplaceLine refused").size(), 2u);  // a new load writes again
}

INSTANTIATE_TEST_SUITE_P(BothEditors, RefusalLogTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
