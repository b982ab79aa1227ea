#include "doctor/checkup.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "doctor/examination.h"
#include "doctor/fake_installation.h"
#include "doctor/remedies.h"
#include "text/utf.h"

namespace tessaly::doctor {
namespace {

using testing::FakeInstallation;
using testing::kClasses;
using testing::kMachineFolder;
using testing::kUserFolder;
using testing::kVersion;

const std::u16string kLayers =
    u"Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
const std::u16string kServer =
    kClasses + u"\\CLSID\\" + registration::kConnectClassId + u"\\InprocServer32";

constexpr auto kEnglish = language::Language::kEnglish;
constexpr auto kChinese = language::Language::kChinese;

// The same decisions told in Chinese: a line for each problem, about the same editor, naming
// the same files and packages, in other words.
void ExpectTheSameProblemsInChinese(Installation& installation,
                                    const std::vector<Problem>& english) {
  const auto chinese = Examine(installation, kVersion, kChinese).problems;
  ASSERT_EQ(chinese.size(), english.size());
  for (std::size_t i = 0; i < english.size(); ++i) {
    EXPECT_TRUE(chinese[i].line.starts_with(english[i].editor.name + ": ")) << chinese[i].line;
    EXPECT_EQ(chinese[i].remedy, english[i].remedy);
    EXPECT_NE(chinese[i].line, english[i].line);
    for (const std::string named : {"QWIX.dll", "tessaly-1.36.0", "VB6.EXE"}) {
      EXPECT_EQ(english[i].line.find(named) == std::string::npos,
                chinese[i].line.find(named) == std::string::npos)
          << chinese[i].line;
    }
  }
}

std::vector<std::string> Lines(const std::vector<Problem>& problems) {
  std::vector<std::string> lines;
  for (const auto& problem : problems)
    lines.push_back(problem.line);
  return lines;
}

void MarkElevated(FakeInstallation& installation, Hive hive, const std::u16string& layers) {
  installation.Put(hive, Bitness::kX64, {kLayers, u"C:\\VB98\\VB6.EXE", layers});
}

// Each row installs one package, breaks a thing or two, and checks every problem line the doctor
// gives (so every other editor is healthy), then what --fix leaves. Layers are matched without
// regard to case.
TEST(CheckupTest, NamesEachProblemAndFixesWhatNeedsNoAdministrator) {
  const std::string user = "C:\\users\\me\\AppData\\Local\\Programs\\Tessaly\\";
  const std::string machine = "C:\\Program Files\\Tessaly\\";
  const std::string fix = "run: tessaly doctor --fix";
  const std::string again = "; install tessaly-1.36.0.msi again";
  const std::string admin = "; install tessaly-1.36.0-allusers.msi again, as administrator";
  const std::string nothing =
      "the add-in is not installed for this editor; install tessaly-1.36.0-allusers.msi as "
      "administrator, or tessaly-1.36.0.msi for this user alone";
  const auto x64_for_x86 = [&](const std::string& folder, const std::string& remedy) {
    const auto line =
        folder + "x64\\QWIX.dll is a 64-bit DLL, which a 32-bit editor cannot load; " + remedy;
    return std::vector<std::string>{"VB6: " + line, "VBA x86: " + line};
  };
  const auto server = [&](Hive hive, const std::string& folder) {
    return [=](FakeInstallation& i) {
      i.Put(hive, Bitness::kX86, {kServer, u"", text::FromUtf8(folder + "x64\\QWIX.dll")});
    };
  };
  // clang-format off
  const struct {
    const char* name; Hive package; std::function<void(FakeInstallation&)> breaking;
    std::vector<std::string> problems;
    bool mended;  // by --fix; otherwise it leaves every problem as it was
  } cases[] = {
      {"elevated VB6 with the machine-wide classes; VBA x64's LoadBehavior 2", Hive::kLocalMachine,
       [](auto& i) { MarkElevated(i, Hive::kCurrentUser, u"~ RUNASADMIN"); i.Put(Hive::kCurrentUser, Bitness::kX64, {registration::VbaAddInKey(true), u"LoadBehavior", {}, 2, true}); },
       {"VBA x64: LoadBehavior is 2, not 3 (loaded at start-up); " + fix}, true},
      {"LoadBehavior 0, not listed, the 64-bit registration gone", Hive::kCurrentUser,
       [](auto& i) { i.Put(Hive::kCurrentUser, Bitness::kX86, {registration::Vb6AddInKey(), u"LoadBehavior", {}, 0, true}); i.Remove(Hive::kCurrentUser, Bitness::kX86, registration::VbaAddInKey(false)); i.Remove(Hive::kCurrentUser, Bitness::kX64, kClasses); },
       {"VB6: LoadBehavior is 0: the editor turned the add-in off, as it does when the add-in fails to load; " + fix,
        "VBA x86: the add-in is not in the editor's add-in list; " + fix,
        "VBA x64: the class, the ProgID, the type library of the add-in are not registered for 64-bit programs; " + fix + " (registers x64\\QWIX.dll for this user)"}, true},
      {"the x64 DLL deleted, the x86 one older", Hive::kCurrentUser,
       [&](auto& i) { i.files.erase(text::FromUtf8(user + "x64\\QWIX.dll")); i.files[text::FromUtf8(user + "x86\\QWIX.dll")].version = u"1.35.0"; },
       {"VB6: " + user + "x86\\QWIX.dll is version 1.35.0, not 1.36.0 as tessaly is" + again,
        "VBA x86: " + user + "x86\\QWIX.dll is version 1.35.0, not 1.36.0 as tessaly is" + again,
        "VBA x64: " + user + "x64\\QWIX.dll does not exist" + again}, false},
      {"the x86 DLL deleted and the type library's key gone, machine-wide", Hive::kLocalMachine,
       [&](auto& i) { i.files.erase(text::FromUtf8(machine + "x86\\QWIX.dll")); i.Remove(Hive::kLocalMachine, Bitness::kX64, kClasses + u"\\TypeLib"); },
       {"VB6: " + machine + "x86\\QWIX.dll does not exist" + admin,
        "VBA x86: " + machine + "x86\\QWIX.dll does not exist" + admin,
        "VBA x64: the type library of the add-in is not registered for 64-bit programs" + admin}, false},
      {"the x64 DLL registered for the x86 editors, per-user", Hive::kCurrentUser,
       server(Hive::kCurrentUser, user),
       x64_for_x86(user, fix + " (registers x86\\QWIX.dll for this user)"), true},
      {"the x64 DLL registered for the x86 editors, machine-wide", Hive::kLocalMachine,
       server(Hive::kLocalMachine, machine), x64_for_x86(machine, admin.substr(2)), false},
      {"VB6 elevated, per-user only; a file that is no DLL", Hive::kCurrentUser,
       [&](auto& i) { MarkElevated(i, Hive::kLocalMachine, u"WINXPSP3 runasadmin"); i.files[text::FromUtf8(user + "x64\\QWIX.dll")].head = {'M', 'Z'}; },
       {"VB6: VB6.EXE is marked to run as administrator (C:\\VB98\\VB6.EXE), and an elevated "
        "editor does not read a per-user registration; install tessaly-1.36.0-allusers.msi as "
        "administrator, or clear \"Run this program as an administrator\" for VB6.EXE",
        "VBA x64: " + user + "x64\\QWIX.dll is not a Windows DLL" + again}, false},
      {"another layer alone", Hive::kCurrentUser,
       [](auto& i) { MarkElevated(i, Hive::kCurrentUser, u"~ RUNASADMINX WINXPSP3"); }, {}, true},
      {"nothing installed", Hive::kCurrentUser,
       [](auto& i) { i.keys.clear(); i.files.clear(); },
       {"VB6: " + nothing, "VBA x86: " + nothing, "VBA x64: " + nothing}, false},
  };
  // clang-format on
  for (const auto& row : cases) {
    FakeInstallation installation;
    installation.InstallPackage(
        row.package, row.package == Hive::kCurrentUser ? kUserFolder : kMachineFolder, u"1.36.0");
    row.breaking(installation);
    const auto examination = Examine(installation, kVersion, kEnglish);
    EXPECT_EQ(Lines(examination.problems), row.problems) << row.name;
    ExpectTheSameProblemsInChinese(installation, examination.problems);
    ApplyRemedies(installation, examination, kEnglish);
    EXPECT_EQ(Lines(Examine(installation, kVersion, kEnglish).problems),
              row.mended ? std::vector<std::string>{} : row.problems)
        << row.name;
  }
}

// The answer as the user reads it, in each language, --fix's lines first; the status says
// whether a problem is left. Columns are as wide as a terminal shows them, a Chinese character
// taking two.
TEST(CheckupTest, AnswersWithTheTableAndTheProblemsLeft) {
  const struct {
    language::Language language;
    std::string table, off, wrote, healthy, refused;
  } rows[] = {
      {kEnglish,
       "editor   LoadBehavior  class     ProgID    type library  as admin  DLL         file\n"
       "VB6      3             per-user  per-user  per-user      yes       -           -\n"
       "VBA x86  3             per-user  per-user  per-user      -         x86 1.36.0  "
       "C:\\users\\me\\AppData\\Local\\Programs\\Tessaly\\x86\\QWIX.dll\n",
       "VBA x64  0 (off)  ",
       "VBA x64: wrote the editor's add-in key, LoadBehavior 3 (loaded at start-up)\n\n",
       "\n\nno problem found: every editor can load the add-in\n",
       "could not write HKEY_CURRENT_USER\\Software\\Classes\\QWIX.Connect"},
      {kChinese,
       "编辑器   LoadBehavior  类        ProgID    类型库    管理员运行  DLL         文件\n"
       "VB6      3             当前用户  当前用户  当前用户  是          -           -\n"
       "VBA x86  3             当前用户  当前用户  当前用户  -           x86 1.36.0  "
       "C:\\users\\me\\AppData\\Local\\Programs\\Tessaly\\x86\\QWIX.dll\n",
       "VBA x64  0（关闭）     ",
       "VBA x64: 已写入编辑器的外接程序键，LoadBehavior 3（启动时加载）\n\n",
       "\n\n没有发现问题：每个编辑器都能加载插件\n",
       "无法写入 HKEY_CURRENT_USER\\Software\\Classes\\QWIX.Connect"},
  };
  for (const auto& row : rows) {
    FakeInstallation installation;
    installation.InstallPackage(Hive::kCurrentUser, kUserFolder, u"1.36.0");
    installation.Put(Hive::kCurrentUser, Bitness::kX64,
                     {registration::VbaAddInKey(true), u"LoadBehavior", {}, 0, true});
    MarkElevated(installation, Hive::kCurrentUser, u"RUNASADMIN");
    std::ostringstream checked;
    EXPECT_EQ(Checkup(installation, kVersion, /*fix=*/false, row.language, checked), 1);
    EXPECT_EQ(checked.str().substr(0, row.table.size()), row.table);
    EXPECT_NE(checked.str().find(row.off), std::string::npos) << checked.str();

    std::ostringstream fixed;
    EXPECT_EQ(Checkup(installation, kVersion, /*fix=*/true, row.language, fixed), 1);
    EXPECT_EQ(fixed.str().substr(0, row.wrote.size()), row.wrote) << fixed.str();
    EXPECT_NE(fixed.str().find("VBA x64  3  "), std::string::npos) << fixed.str();

    installation.keys.erase({Hive::kCurrentUser, Bitness::kX64, kLayers});
    std::ostringstream healthy;
    EXPECT_EQ(Checkup(installation, kVersion, /*fix=*/true, row.language, healthy), 0);
    EXPECT_EQ(healthy.str().substr(healthy.str().rfind("\n\n")), row.healthy);

    // A write the registry refuses is named.
    installation.Remove(Hive::kCurrentUser, Bitness::kX86, kClasses);
    installation.refuse_writes = true;
    std::ostringstream refused;
    EXPECT_EQ(Checkup(installation, kVersion, /*fix=*/true, row.language, refused), 1);
    EXPECT_EQ(refused.str().substr(0, refused.str().find('\n')), row.refused);
  }
}

}  // namespace
}  // namespace tessaly::doctor
