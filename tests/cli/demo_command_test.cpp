#include <gtest/gtest.h>

#include <string>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::RunTessaly;
using test_support::TempFolder;

// The session's first sync of the simulated desktop may go unnoticed: loading a module syncs it
// again before any click, and what about and demo print depends on no native window.

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
    TempFolder folder;
    auto args = c.args;
    const auto registry = folder.Path() / "conf" / "registry.reg";  // the folder is made too
    args.insert(args.end(), {"--registry", registry.string()});
    const auto result = RunTessaly(args);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.out.rfind(c.editor, 0), 0u) << result.out;
    EXPECT_NE(result.out.find("Add-Ins menu:\n       &Add-In Manager...\n    ── Tessaly\n"),
              std::string::npos)
        << result.out;
    for (const char* setting : {"功能菜单 = 1", "调整窗口 = 1", "多标签页 = 1", "鼠标滚轮 = 1"}) {
      EXPECT_NE(result.out.find(setting), std::string::npos) << setting;
    }
    EXPECT_NE(result.out.find(c.registered_for), std::string::npos) << result.out;
    EXPECT_TRUE(std::filesystem::exists(registry));
  }
}

// The demo runs the editor's start-up against the user's registry file, so it shows the
// switches the user stored and leaves the registration in that file.
TEST(DemoCommandTest, StartsWithTheStoredSwitchesAndKeepsTheRegistration) {
  TempFolder folder;
  const auto registry = (folder.Path() / "conf" / "registry.reg").string();
  ASSERT_EQ(RunTessaly({"about", "--registry", registry, "--set", "鼠标滚轮=0"}).status, kExitOk);
  const auto result = RunTessaly({"demo", "--registry", registry});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_NE(result.out.find("鼠标滚轮 = 0"), std::string::npos) << result.out;
  const auto again = RunTessaly({"demo", "--registry", registry});
  EXPECT_EQ(again.out, result.out);
  EXPECT_NE(test_support::ReadBytes(registry).find(std::string("L\0o\0a\0d\0", 8)),
            std::string::npos);  // LoadBehavior, in the file's UTF-16 text
}

}  // namespace
}  // namespace tessaly::cli
