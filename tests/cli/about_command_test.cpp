
#include <thread>
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

// The lines of the four switches, below the form's four lines of text.
std::string Switches(const std::string& registry) {
  const std::string out = RunTessaly({"about", "--registry", registry}).out;
  return out.substr(out.find("\n[") + 1);
}

// A fresh profile shows every box ticked and looking stores nothing; a switch set is stored
// and shown in later runs, the last --set of a switch winning. The VBA editor has no wheel
// switch to offer.
TEST(AboutCommandTest, ShowsTheFormAndStoresSwitches) {
  TempFolder folder;
  const auto registry = (folder.Path() / "conf" / "registry.reg").string();
  const auto result = RunTessaly({"about", "--registry", registry});
  ASSERT_EQ(result.status, kExitOk) << result.err;
  EXPECT_EQ(result.out,
            "关于程序——TessalyIDE_V1.36\n操作系统版本：Microsoft Windows 10 专业版_64位\n"
            "应用程序版本：Microsoft Visual Basic 6.00_32位\n"
            "功能全部免费，接受捐赠，金额请随意，谢谢支持。\n"
            "[x] 功能菜单\n[x] 调整窗口\n[x] 多标签页\n[x] 鼠标滚轮\n");
  EXPECT_FALSE(fs::exists(registry));

  ASSERT_EQ(RunTessaly({"about", "--registry", registry, "--set", "多标签页=0", "--set",
                        "功能菜单=0", "--set", "调整窗口=0", "--set", "调整窗口=1"})
                .status,
            kExitOk);
  EXPECT_EQ(Switches(registry), "[ ] 功能菜单\n[x] 调整窗口\n[ ] 多标签页\n[x] 鼠标滚轮\n");
  const auto vba = RunTessaly({"about", "--host", "vba", "--registry", registry}).out;
  EXPECT_NE(vba.find("\n应用程序版本：Microsoft Excel 7.01_32位\n"), std::string::npos) << vba;
  EXPECT_TRUE(vba.ends_with("\n[ ] 多标签页\n[ ] 鼠标滚轮（不可用）\n")) << vba;
}

// Two runs at once each keep their change: one reads what the other wrote. Files or links
// planted where a temporary file of a guessable name could go are never written through.
TEST(RegistryFaults, ConcurrentChangesAreAllKeptAndNothingPlantedIsWrittenThrough) {
  TempFolder folder;
  const auto registry = (folder.Path() / "r.reg").string();
  const auto precious = folder.Write("v.txt", "precious");
  const std::vector<std::string> planted = {"r.reg.tmp", ".r.reg.tmp", "r.tmp"};
  for (const auto& name : planted) {
    // Where a link needs privileges (Windows), a file of that name stands in for it.
    std::error_code no_links;
    fs::create_symlink(precious, folder.Path() / name, no_links);
    if (no_links) folder.Write(name, "precious");
  }
  for (int round = 0; round < 12; ++round) {
    const std::string value = round % 2 == 0 ? "0" : "1";
    // Each change shows in the switches below; a run that failed would leave its box as it was,
    // so each says first whether it ran.
    CommandResult tabs;
    std::thread other([&] {
      tabs = RunBinary({"about", "--registry", registry, "--set", "多标签页=" + value});
    });
    const CommandResult wheel =
        RunBinary({"about", "--registry", registry, "--set", "鼠标滚轮=" + value});
    other.join();
    EXPECT_EQ(tabs.status, kExitOk) << "round " << round << ": " << tabs.err;
    EXPECT_EQ(wheel.status, kExitOk) << "round " << round << ": " << wheel.err;
    const std::string box = value == "1" ? "[x]" : "[ ]";
    EXPECT_EQ(Switches(registry),
              "[x] 功能菜单\n[x] 调整窗口\n" + box + " 多标签页\n" + box + " 鼠标滚轮\n")
        << "round " << round;
  }
  for (const auto& name : planted)
    EXPECT_EQ(ReadBytes(Utf8Text(folder.Path() / name)), "precious");
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{".r.reg.tmp", "r.reg", "r.reg.tmp", "r.tmp", "v.txt"}));
}

// The session's first sync of the simulated desktop may go unnoticed: loading a module syncs it
// again before any click, and what about and demo print depends on no native window.

// Start-up as the editor runs it against the user's registry file, in a folder made for it: the
// host recognised, the Add-Ins entry after a separator, the switches, and the registration for
// the other kind of host written to that file. (The other host, --host vba: the about test.)
TEST(DemoCommandTest, ShowsTheEditorAfterStartUp) {
  TempFolder folder;
  const auto registry = (folder.Path() / "conf" / "registry.reg").string();
  const auto out = RunTessaly({"demo", "--registry", registry}).out;
  EXPECT_TRUE(
      out.starts_with("editor: Microsoft Visual Basic 6.00 (host mode VB6)\n"
                      "Add-Ins menu:\n       &Add-In Manager...\n    ── Tessaly\n"
                      "switches:\n    功能菜单 = 1\n    调整窗口 = 1\n"
                      "    多标签页 = 1\n    鼠标滚轮 = 1\nregistration written:\n"))
      << out;
  EXPECT_NE(out.find("Office\\Excel\\Addins\\QWIX.Connect\\LoadBehavior = 3\n"), std::string::npos)
      << out;
  // LoadBehavior, in the file's UTF-16 text.
  EXPECT_NE(ReadBytes(registry).find(std::string("L\0o\0a\0d\0", 8)), std::string::npos);
}

}  // namespace
}  // namespace tessaly::cli
