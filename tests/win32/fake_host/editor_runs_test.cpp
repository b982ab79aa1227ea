// QWIX.dll in the editors as users run them, beyond what their type libraries say: loaded at the
// editor's start-up or later from the Add-In Manager, in an English or a Chinese editor, and
// ended in the orders the editors end it. Each case checks what the user sees of the loaded
// add-in, and that the unloaded add-in leaves nothing behind.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/com_client.h"
#include "win32/fake_host/editor_window_classes.h"
#include "win32/fake_host/user_view.h"

namespace tessaly::fake_host {
namespace {

using Load = AddInDriver::Load;
using Unload = AddInDriver::Unload;
using sim::EditorLanguage;

enum class Ending {
  // The editor exits: OnBeginShutdown, OnDisconnection, then its tool windows close.
  kExit,
  kExitWithoutBeginShutdown,
  // Unloaded from the Add-In Manager while the tab window shows, loaded again from there, which
  // takes the window over; then the editor exits.
  kReloadWhileShown,
  // The editor exits and runs again with the bars and controls it kept, and the add-in loads
  // the same way; then the editor exits.
  kNextRun,
};

struct EditorRun {
  const char* name;
  bool vb6;
  Load load;
  EditorLanguage language;
  Ending ending;
};

// clang-format off
const EditorRun kRuns[] = {
    {"Vb6AtStartup",                    true,  Load::kAtStartup,        EditorLanguage::kEnglish, Ending::kExit},
    {"ExcelAtStartup",                  false, Load::kAtStartup,        EditorLanguage::kEnglish, Ending::kExit},
    {"ExcelAtStartupNoBeginShutdown",   false, Load::kAtStartup,        EditorLanguage::kEnglish, Ending::kExitWithoutBeginShutdown},
    {"Vb6AtStartupNextRun",             true,  Load::kAtStartup,        EditorLanguage::kEnglish, Ending::kNextRun},
    {"Vb6FromManagerNoBeginShutdown",   true,  Load::kFromAddInManager, EditorLanguage::kEnglish, Ending::kExitWithoutBeginShutdown},
    {"ExcelFromManagerReloaded",        false, Load::kFromAddInManager, EditorLanguage::kEnglish, Ending::kReloadWhileShown},
    {"ChineseVb6AtStartupReloaded",     true,  Load::kAtStartup,        EditorLanguage::kChinese, Ending::kReloadWhileShown},
    {"ChineseExcelAtStartup",           false, Load::kAtStartup,        EditorLanguage::kChinese, Ending::kExit},
    {"ChineseVb6FromManager",           true,  Load::kFromAddInManager, EditorLanguage::kChinese, Ending::kExit},
    {"ChineseExcelFromManagerNextRun",  false, Load::kFromAddInManager, EditorLanguage::kChinese, Ending::kNextRun},
};
// clang-format on

// The editor's main window with the project explorer's tree in it, made once and never shown:
// the add-in hooks the tree at start-up and has to give it back its procedure.
struct ProjectExplorer {
  HWND main;
  HWND tree;
};

const ProjectExplorer& Explorer() {
  static const ProjectExplorer explorer = [] {
    HWND main = CreateEditorWindow(L"wndclass_desked_gsk", u"", nullptr, {0, 0, 400, 300}, false);
    HWND project = CreateEditorWindow(L"PROJECT", u"", main, {0, 0, 200, 300});
    return ProjectExplorer{main,
                           CreateEditorWindow(L"SysTreeView32", u"", project, {0, 0, 200, 300})};
  }();
  return explorer;
}

class EditorRunsTest : public ::testing::TestWithParam<EditorRun> {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    options.language = GetParam().language;
    editor = EditorWithThreeModules(GetParam().vb6, options);
    editor->Sim().MainWindow().SetHandle(reinterpret_cast<host::WindowHandle>(Explorer().main));
    add_in = std::make_unique<AddInDriver>(*editor);
    objects_before = editor->LiveObjects();
    tree_procedure = GetWindowLongPtrA(Explorer().tree, GWLP_WNDPROC);
  }
  void TearDown() override {
    add_in.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  }

  // What the user sees of the loaded add-in; the modules its clicks add are named after `round`.
  void ExpectWholeAddIn(const std::u16string& round) {
    const auto& bars = editor->Sim().App().Bars().All();
    EXPECT_EQ(std::count_if(bars.begin(), bars.end(),
                            [](const auto& bar) { return bar->BarName() == u"TessalyIDE"; }),
              1);
    EXPECT_TRUE(editor->Sim().HasBar(u"TessalyIDE") && editor->Sim().Bar(u"TessalyIDE").Visible());
    // The user's popup stands once, and 刷新 fills it again without a second set of sinks.
    const auto& top = editor->Sim().Bar(u"TessalyIDE").ControlList().All();
    EXPECT_EQ(std::count_if(
                  top.begin(), top.end(),
                  [](const auto& control) { return control->Properties().caption == u"我的代码"; }),
              1);
    const auto sinks = editor->ConnectedSinks();
    editor->Click({u"TessalyIDE", u"我的代码", u"刷新"});
    EXPECT_EQ(editor->ConnectedSinks(), sinks);
    EXPECT_NE(GetWindowLongPtrA(Explorer().tree, GWLP_WNDPROC), tree_procedure)
        << "the project tree is not hooked";

    HWND tabs = TabControl(*editor);
    ASSERT_TRUE(tabs) << "no tab window";
    EXPECT_TRUE(IsWindowVisible(tabs)) << "the tab window is hidden";
    std::vector<std::u16string> filled;
    for (const auto& module : open_modules)
      filled.push_back(module + u" ");
    EXPECT_EQ(TabCaptions(tabs), filled);

    // The user closes the clicks' modules again, and keeps the last one open for the next load
    // to show.
    for (const auto& module : RunClickCases(*editor, round))
      editor->Sim().CloseWindow(u"Project1 - " + module + u" " + sim::NamesOf(options).code_marker);
    ExpectOneCommentPrefix(round + u"Prefix");
    ExpectOneAddInsEntryThatOpensAbout();
  }

  // A click whose second action would show: each adds a line.
  void ExpectOneCommentPrefix(const std::u16string& name) {
    open_modules.push_back(name);
    const std::vector<std::u16string> before{u"Sub Demo()", u"    x = 1", u"End Sub"};
    auto& module = editor->Sim().AddModule(u"Project1", name, before);
    editor->Sim().ActivePane()->PlaceCaret(2, 5);
    editor->Click(test_support::FunctionMenuPath(editor->Sim(), u"注解(&C)"));
    auto lines = module.Text();
    ASSERT_EQ(lines.size(), before.size() + 1) << "注解(&C) did not add exactly one line";
    EXPECT_NE(lines[1].find(u'\''), std::u16string::npos) << "the line added is no comment";
    lines.erase(lines.begin() + 1);
    EXPECT_EQ(lines, before);
  }

  // In the Add-Ins bar of the editor's own language.
  void ExpectOneAddInsEntryThatOpensAbout() {
    const auto add_ins = sim::NamesOf(options).add_ins_bar;
    ASSERT_TRUE(editor->Sim().HasBar(add_ins));
    const auto& controls = editor->Sim().Bar(add_ins).ControlList().All();
    ASSERT_EQ(std::count_if(
                  controls.begin(), controls.end(),
                  [](const auto& control) { return control->Properties().caption == u"Tessaly"; }),
              1)
        << "the Add-Ins entry is missing or doubled";
    // VBA tells its entries' buttons apart by their Parameter.
    for (const auto& control : controls) {
      if (control->Properties().caption != u"Tessaly") continue;
      EXPECT_EQ(control->Properties().parameter, GetParam().vb6 ? u"" : u"TBVBCode");
    }
    editor->Click({add_ins, u"Tessaly"});
    HWND about = OnlyAboutWindow();
    ASSERT_TRUE(about);
    EXPECT_TRUE(IsWindowVisible(about));
    SendMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  }

  void ExpectNothingHeld() {
    EXPECT_EQ(editor->ConnectedSinks(), 0u) << "a sink is still advised";
    EXPECT_EQ(editor->LiveObjects(), objects_before + static_cast<long>(editor->PointCount()))
        << "an editor object handed to the add-in was not released";
    EXPECT_EQ(GetWindowLongPtrA(Explorer().tree, GWLP_WNDPROC), tree_procedure)
        << "the tree's window procedure was not given back";
    EXPECT_FALSE(AddInTimerWindow()) << "a timer of the unloaded add-in can still fire";
    EXPECT_TRUE(AboutWindows().empty());
    // The editor still keeps the tab window's document, so the DLL must stay.
    EXPECT_EQ(client::CanUnloadNow(), S_FALSE);
  }

  void ExitEditor() {
    editor->Exit();
    EXPECT_EQ(editor->LiveObjects(), objects_before);
    EXPECT_EQ(editor->LiveSites(), 0) << "the tab control still holds the editor's site";
    EXPECT_EQ(client::CanUnloadNow(), S_OK);
  }

  sim::EditorOptions options;
  std::unique_ptr<FakeEditor> editor;
  // Made after the editor, so it lets go of the add-in first.
  std::unique_ptr<AddInDriver> add_in;
  // Modules whose code windows are open, in the order they opened.
  std::vector<std::u16string> open_modules = kThreeModules;
  long objects_before = 0;
  LONG_PTR tree_procedure = 0;
};

TEST_P(EditorRunsTest, TheUserSeesTheWholeAddInAndItsEndLeavesNothingBehind) {
  const auto& run = GetParam();
  ASSERT_TRUE(add_in->Connect(run.load));
  ExpectWholeAddIn(u"First");
  if (run.ending == Ending::kReloadWhileShown) {
    ASSERT_TRUE(add_in->Disconnect(Unload::kFromAddInManager));
    ExpectNothingHeld();
    ASSERT_TRUE(add_in->Connect(Load::kFromAddInManager));
    ExpectWholeAddIn(u"Again");
  } else if (run.ending == Ending::kNextRun) {
    ASSERT_TRUE(add_in->Disconnect(Unload::kAtExit));
    ExpectNothingHeld();
    ExitEditor();
    ASSERT_TRUE(add_in->Connect(run.load));
    ExpectWholeAddIn(u"Again");
  }
  ASSERT_TRUE(add_in->Disconnect(run.ending == Ending::kExitWithoutBeginShutdown
                                     ? Unload::kAtExitWithoutBeginShutdown
                                     : Unload::kAtExit));
  ExpectNothingHeld();
  ExitEditor();
}

INSTANTIATE_TEST_SUITE_P(EditorRuns, EditorRunsTest, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<EditorRun>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tessaly::fake_host
