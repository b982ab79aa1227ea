#include <gtest/gtest.h>

#include <string>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::RunTessaly;

// Start-up as each kind of editor runs it: the host recognised, the Add-Ins entry after a
// separator, every switch on, and the registration written for the other kind of host.
TEST(DemoCommandTest, ShowsTheEditorAfterStartUp) {
  struct Case {
    std::vector<std::string> args;
    std::string editor;
    std::string registered_for;
  };
  const Case cases[] = {
      {{"demo"},
       "editor: Microsoft Visual Basic 6.00 (host mode VB6)\n",
       "Office\\Excel\\Addins\\QWIX.Connect\\LoadBehavior = 3\n"},
      {{"demo", "--host", "vba"},
       "editor: Microsoft Excel 7.01 (host mode VBA)\n",
       "Visual Basic\\6.0\\Addins\\QWIX.Connect\\LoadBehavior = 3\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.editor);
    const auto result = RunTessaly(c.args);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.out.rfind(c.editor, 0), 0u) << result.out;
    EXPECT_NE(result.out.find("Add-Ins menu:\n       &Add-In Manager...\n    ── Tessaly\n"),
              std::string::npos)
        << result.out;
    for (const char* setting : {"功能菜单 = 1", "调整窗口 = 1", "多标签页 = 1", "鼠标滚轮 = 1"}) {
      EXPECT_NE(result.out.find(setting), std::string::npos) << setting;
    }
    EXPECT_NE(result.out.find(c.registered_for), std::string::npos) << result.out;
  }
}

}  // namespace
}  // namespace tessaly::cli
