#include "tabs/vbide_tab.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/host_error.h"
#include "tabs/code_tabs.h"
#include "tabs/tab_names.h"
#include "tabs/tab_strip.h"
#include "tabs/tabs_fixture.h"
#include "text/utf.h"

namespace tessaly::tabs {
namespace {

using testing::TabsFixture;

std::u16string Numbered(const std::u16string& stem, int number) {
  return stem + text::FromUtf8(std::to_string(number));
}

std::vector<std::u16string> NumberedModules(int count) {
  std::vector<std::u16string> modules;
  for (int i = 1; i <= count; ++i)
    modules.push_back(Numbered(u"Module", i));
  return modules;
}

TEST(CreateTabWindow, MakesTheToolWindowAndKeepsItsDocument) {
  TabsFixture f;
  f.CreateTabWindow();
  ASSERT_TRUE(f.editor.HasWindow(u"标签"));
  EXPECT_EQ(f.connection.TabWindow.get(), &f.editor.Window(u"标签"));
  EXPECT_EQ(f.connection.TabDocument, f.editor.Window(u"标签").Document());
  EXPECT_EQ(f.Captions(), std::vector<std::u16string>{u"Tab1"});  // as designed
  f.tabs.TabInitialize();  // no code window: the designed tab stays
  EXPECT_EQ(f.Captions(), std::vector<std::u16string>{u"Tab1"});
  EXPECT_EQ(
      (std::vector<int>{f.Strip().Left(), f.Strip().Top(), f.Strip().Width(), f.Strip().Height()}),
      (std::vector<int>{0, 0, 28000, 300}));

  TabsFixture other;
  other.connection.ComponentName = u"Other";  // a class the editor does not know
  other.CreateTabWindow();
  EXPECT_FALSE(other.editor.HasWindow(u"标签"));
  EXPECT_EQ(other.connection.TabDocument, nullptr);
  EXPECT_EQ(other.connection.TabWindow, nullptr);
}

// Start-up makes a tab per code window and stops after the first past window position 11.
TEST(TabInitialize, StopsAfterTheFirstCodeWindowPastPosition11) {
  const struct {
    const char* label;
    bool panels;             // the editor's three panels take window positions 1 to 3
    bool tool_window_first;  // the tab window itself takes window position 1
    int code_windows;
    int expected_tabs;
  } cases[] = {{"three", true, false, 3, 3},       {"behind the panels", true, false, 14, 9},
               {"eleven", false, false, 11, 11},   {"twelve", false, false, 12, 12},
               {"fourteen", false, false, 14, 12}, {"tool window first", false, true, 14, 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TabsFixture f;
    if (!c.panels) f.ClosePanels();
    if (c.tool_window_first) f.CreateTabWindow();
    f.AddModules(NumberedModules(c.code_windows));
    if (!c.tool_window_first) f.CreateTabWindow();
    f.tabs.TabInitialize();
    ASSERT_EQ(f.Strip().Count(), c.expected_tabs);
    for (int i = 0; i < c.expected_tabs; ++i) {
      EXPECT_EQ(f.Strip().Item(i).Caption, Numbered(u"Module", i + 1) + u" ");
      EXPECT_EQ(f.Strip().Item(i).Name, Numbered(u"Tab", i + 1));
    }
    EXPECT_THROW(f.Strip().Item(c.expected_tabs), host::HostError);
    EXPECT_THROW(f.Strip().SetSelectedIndex(c.expected_tabs), host::HostError);
    EXPECT_THROW(f.Strip().SetSelectedIndex(-1), host::HostError);
  }
}

TEST(TabInitialize, TheChineseMarkerGivesTheTabCodeClickFindsAgain) {
  sim::EditorOptions chinese;
  chinese.code_marker = u"(代码)";
  TabsFixture f(chinese);
  f.StartWith({u"模块1", u"模块2"});
  ASSERT_EQ(f.Captions(), (std::vector<std::u16string>{u"模块1 ", u"模块2 "}));
  f.Document().Code_Click(u"Project1 - 模块2 (代码)");
  EXPECT_EQ(f.Strip().Count(), 2);
  EXPECT_EQ(f.Strip().SelectedIndex(), 1);
  // Code_Click only selects: no window is activated.
  f.editor.ResetCalls();
  f.Document().Code_Click(u"Project1 - 模块1 (代码)");
  EXPECT_EQ(f.Strip().SelectedIndex(), 0);
  EXPECT_EQ(f.editor.Calls(u"Window.SetVisible"), 0);
  EXPECT_EQ(f.editor.ActivePane(), f.editor.Module(u"模块2").Pane().get());
}

TEST(CodeClick, AddsTabsThenRecyclesPositionsInTurn) {
  TabsFixture f;
  f.CreateTabWindow();
  auto& document = f.Document();
  // The designed tab plus ten new ones fill the strip.
  for (int i = 1; i <= 10; ++i) {
    document.Code_Click(Numbered(u"Project1 - M", i) + u" (Code)");
    EXPECT_EQ(f.Strip().SelectedIndex(), i);
  }
  ASSERT_EQ(f.Strip().Count(), 11);
  EXPECT_EQ(f.Strip().Item(10).Name, u"Tab11");

  const std::vector<int> recycled = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1};
  for (std::size_t n = 0; n < recycled.size(); ++n) {
    const auto name = Numbered(u"R", static_cast<int>(n));
    document.Code_Click(u"Project1 - " + name + u" (Code)");
    EXPECT_EQ(f.Strip().Count(), 11);
    EXPECT_EQ(f.Strip().SelectedIndex(), recycled[n]) << n;
    EXPECT_EQ(f.Strip().Item(recycled[n]).Caption, name + u" ") << n;
  }
  EXPECT_EQ(f.Document().TabReplaceCounter(), 13);

  document.Code_Click(u"");  // an empty caption adds no tab
  EXPECT_EQ(f.Strip().Count(), 11);
  // A module that has a tab is only selected: nothing is renamed, the counter stays.
  document.Code_Click(u"Project1 - R5 (Code)");
  EXPECT_EQ(f.Strip().SelectedIndex(), 5);
  EXPECT_EQ(f.Strip().Item(2).Caption, u"R2 ");
  EXPECT_EQ(f.Document().TabReplaceCounter(), 13);
}

TEST(CodeClick, RecyclesFromTwelveTabsMadeAtStartUpWithinTheFirstEleven) {
  TabsFixture f;
  f.ClosePanels();
  f.StartWith(NumberedModules(12));
  ASSERT_EQ(f.Strip().Count(), 12);
  f.Document().Code_Click(u"Project1 - New (Code)");
  EXPECT_EQ(f.Strip().Count(), 12);
  EXPECT_EQ(f.Strip().Item(0).Caption, u"New ");
  EXPECT_EQ(f.Strip().Item(11).Caption, u"Module12 ");
}

// A tab click brings its module's window to the front; the tab of a closed module, or an
// editor refusing the windows' captions, leaves the editor as it is.
TEST(TabClick, BringsTheModulesWindowToTheFront) {
  TabsFixture f;
  f.StartWith({u"A", u"B", u"C"});
  f.Strip().UserClick(0);
  EXPECT_EQ(f.editor.ActivePane(), f.editor.Module(u"A").Pane().get());
  f.Strip().UserClick(2);
  EXPECT_EQ(f.editor.ActivePane(), f.editor.Module(u"C").Pane().get());

  f.editor.App().WindowList().Remove(f.editor.Window(u"Project1 - A (Code)"));
  f.editor.ResetCalls();
  f.Strip().UserClick(0);
  EXPECT_EQ(f.Strip().SelectedIndex(), 0);
  EXPECT_EQ(f.editor.Calls(u"Window.SetVisible"), 0);
  EXPECT_EQ(f.editor.ActivePane(), f.editor.Module(u"C").Pane().get());
  f.editor.Refuse(u"Window.Caption");
  EXPECT_NO_THROW(f.Strip().UserClick(1));
  EXPECT_EQ(f.editor.ActivePane(), f.editor.Module(u"C").Pane().get());
}

// A face redraws the strip only when told: every change of what it shows must tell, and a
// call that changes nothing must not.
TEST(TabStripChanges, EachChangeOfWhatItShowsNotifiesOnce) {
  const struct {
    const char* what;
    std::function<void(TabStrip&)> act;
    int notifications;
  } cases[] = {
      {"new caption", [](TabStrip& s) { s.SetCaption(1, u"Ledger "); }, 1},
      {"same caption", [](TabStrip& s) { s.SetCaption(1, u"Report "); }, 0},
      {"added tab", [](TabStrip& s) { s.Add(u"Tab3"); }, 1},
      {"selection from code", [](TabStrip& s) { s.SetSelectedIndex(0); }, 1},
      {"same selection", [](TabStrip& s) { s.SetSelectedIndex(1); }, 0},
      {"user's click", [](TabStrip& s) { s.UserClick(0); }, 1},
      {"user's click on the selected tab", [](TabStrip& s) { s.UserClick(1); }, 0},
      {"moved", [](TabStrip& s) { s.Move(0, 0, 28000, 300); }, 1},
      {"same place", [](TabStrip& s) { s.Move(0, 0, 4800, 3600); }, 0},
  };
  for (const auto& c : cases) {
    TabStrip strip;
    strip.SetCaption(strip.Add(u"Tab2"), u"Report ");
    strip.SetSelectedIndex(1);
    int notified = 0;
    strip.SetChangeListener([&] { ++notified; });
    c.act(strip);
    EXPECT_EQ(notified, c.notifications) << c.what;
  }
}

TEST(TabNames, ReduceACaptionByBothRules) {
  const struct {
    std::u16string caption;
    std::u16string by_window_rule;
    std::u16string by_name_rule;
  } cases[] = {// Start-up and Code_Click meet both markers; the project's name plays no part.
               {u"VBAProject - 模块1 (代码)", u"模块1 ", u"模块1 "},
               // Without " - " the reduced text stays whole.
               {u"Module1 (Code)", u"Module1 ", u"Module1 "},
               {u"Immediate", u"Immediate", u"Immediate"},
               // Without a marker the name rule takes the whole caption and still meets the tab.
               {u"Project1 - Form1", u"Form1", u"Form1"},
               // The rules differ on an inner " - ": the window rule drops every one of them.
               {u"P - A - B (Code)", u"AB ", u"A - B "},
               {u"", u"", u""}};
  for (const auto& c : cases) {
    EXPECT_EQ(text::ToUtf8(ReduceByWindowRule(c.caption)), text::ToUtf8(c.by_window_rule));
    EXPECT_EQ(text::ToUtf8(ReduceByNameRule(c.caption)), text::ToUtf8(c.by_name_rule));
  }
}

class ProjectTreeDoubleClick : public ::testing::Test {
 protected:
  void SetUp() override {
    f.StartWith({u"A", u"B"});
    f.HookProjectTree();
  }

  std::size_t RunningTimers() { return f.os.loop().RunningTimerCount(); }

  TabsFixture f;
};

TEST_F(ProjectTreeDoubleClick, ADoubleClickThatOpensAModuleSelectsItsNewTab) {
  // The tree still gets every message; only a double-click starts a check.
  EXPECT_EQ(f.os.windows().WindowProc(f.tree), f.tabs.TreeProcedureId());
  f.os.windows().SendMessage(f.tree, host::kWmKeyDown, 13, 0);
  EXPECT_EQ(RunningTimers(), 0u);
  f.on_double_click = [&] { f.editor.AddModule(u"Project1", u"C", {}); };
  EXPECT_EQ(f.DoubleClickTree(), 7);
  EXPECT_EQ(f.tree_double_clicks, 1);
  ASSERT_EQ(RunningTimers(), 1u);
  EXPECT_EQ(f.os.loop().TimerInterval(f.tabs.State().PendingTabTimer()), 150u);
  EXPECT_EQ(f.tabs.State().CaptionAtDoubleClick, u"Project1 - B (Code)");
  f.os.loop().Advance(150);
  EXPECT_EQ(f.Strip().Count(), 3);
  EXPECT_EQ(f.Strip().SelectedIndex(), 2);
  EXPECT_EQ(f.Strip().Item(2).Caption, u"C ");
  EXPECT_EQ(RunningTimers(), 0u);
}

// A double-click that opens nothing leaves a check waiting for the next change of window; a
// second double-click replaces it.
TEST_F(ProjectTreeDoubleClick, ACheckWaitsForTheNextChangeAndASecondDoubleClickReplacesIt) {
  f.DoubleClickTree();
  const auto first = f.tabs.State().PendingTabTimer();
  f.os.loop().Advance(1500);
  EXPECT_EQ(RunningTimers(), 1u);
  EXPECT_EQ(f.Strip().SelectedIndex(), 0);
  f.DoubleClickTree();
  EXPECT_EQ(RunningTimers(), 1u);
  EXPECT_FALSE(f.os.loop().IsTimerRunning(first));
  f.editor.ClearActivePane();  // checks without an active pane wait quietly
  f.os.loop().Advance(600);
  EXPECT_EQ(RunningTimers(), 1u);
  f.editor.Activate(u"A");
  f.os.loop().Advance(150);
  EXPECT_EQ(f.Strip().SelectedIndex(), 0);  // A's tab
  EXPECT_EQ(f.Strip().Count(), 2);
  EXPECT_EQ(RunningTimers(), 0u);
}

TEST_F(ProjectTreeDoubleClick, WithoutAnActivePaneAnyOpenedWindowCounts) {
  f.editor.ClearActivePane();
  f.on_double_click = [&] { f.editor.AddModule(u"Project1", u"C", {}); };
  f.DoubleClickTree();
  EXPECT_EQ(f.tabs.State().CaptionAtDoubleClick, u"");
  f.os.loop().Advance(150);
  EXPECT_EQ(f.Strip().Item(f.Strip().SelectedIndex()).Caption, u"C ");
  EXPECT_EQ(RunningTimers(), 0u);
}

// Only this editor's tree is ours: the one under the main window the editor names (or, where it
// names none, the first of the main window's class), inside its project explorer.
TEST(ProjectTreeHook, HooksOnlyThisEditorsTreeAndTakesItselfOffAgain) {
  const struct {
    const char* what;
    bool names_its_main_window;
    bool another_editor_first;
    bool tree_in_project_explorer;
    bool hooked;
  } rows[] = {
      {"the named main window's tree", true, true, true, true},
      {"no name: the first main window of the class", false, false, true, true},
      {"no name: another editor's main window before ours is passed over", false, true, true, true},
      {"a tree outside the project explorer", true, false, false, false},
  };
  constexpr std::uint32_t kOtherEditor = 7;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    TabsFixture f;
    auto& windows = f.os.windows();
    if (row.another_editor_first) {
      const auto other =
          windows.CreateWindow({u"wndclass_desked_gsk", u"Project1", 0, {}, 0, kOtherEditor});
      const auto project = windows.CreateWindow({u"PROJECT", u"", 0, {}, other, kOtherEditor});
      windows.CreateWindow({u"SysTreeView32", u"", 0, {}, project, kOtherEditor});
    }
    const auto main = windows.CreateWindow({u"wndclass_desked_gsk", u"Project1"});
    const auto project = windows.CreateWindow({u"PROJECT", u"", 0, {}, main});
    const auto tree = windows.CreateWindow(
        {u"SysTreeView32", u"", 0, {}, row.tree_in_project_explorer ? project : main});
    if (row.names_its_main_window) f.editor.MainWindow().SetHandle(main);
    const auto original = windows.WindowProc(tree);

    f.tabs.HookProjectTree();
    EXPECT_EQ(f.connection.ProjectTreeHandle, row.hooked ? tree : 0);
    EXPECT_EQ(windows.WindowProc(tree) == f.tabs.TreeProcedureId(), row.hooked);
    f.tabs.UnhookProjectTree();
    EXPECT_EQ(windows.WindowProc(tree), original);
    EXPECT_EQ(f.connection.PreviousTreeProc, 0);
  }
}

TEST(ProjectTreeHookWithoutDocument, TheCheckStopsItself) {
  TabsFixture f;
  f.AddModules({u"A", u"B"});
  f.HookProjectTree();
  f.DoubleClickTree();
  f.editor.Activate(u"A");
  f.os.loop().Advance(150);
  EXPECT_EQ(f.os.loop().RunningTimerCount(), 0u);
}

}  // namespace
}  // namespace tessaly::tabs
