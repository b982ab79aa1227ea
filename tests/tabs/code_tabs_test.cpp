#include "tabs/vbide_tab.h"

#include <gtest/gtest.h>

#include <array>
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
using Texts = std::vector<std::u16string>;

// "Module1" ... with `suffix`, for `count` modules from `first`.
Texts Numbered(const std::u16string& stem, int count, const std::u16string& suffix = u"",
               int first = 1) {
  Texts texts;
  for (int i = first; i < first + count; ++i)
    texts.push_back(stem + text::FromUtf8(std::to_string(i)) + suffix);
  return texts;
}

// Start-up makes a tab per code window and stops after the first past window position 11.
TEST(TabInitialize, StopsAfterTheFirstCodeWindowPastPosition11) {
  // The editor's three panels take window positions 1 to 3; the tab window itself, made first,
  // takes window position 1.
  const struct {
    bool panels, tool_window_first;
    int expected_tabs;
  } cases[] = {{true, false, 9}, {false, false, 12}, {false, true, 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected_tabs);
    TabsFixture f;
    if (!c.panels) f.ClosePanels();
    if (c.tool_window_first) f.CreateTabWindow();
    f.AddModules(Numbered(u"Module", 14));
    if (!c.tool_window_first) f.CreateTabWindow();
    f.tabs.TabInitialize();
    auto captions = Numbered(u"Module", c.expected_tabs, u" ");
    EXPECT_EQ(f.Captions(), captions);
    EXPECT_THROW(f.Strip().Item(c.expected_tabs), host::HostError);
    // Another module then gets a tab of its own, or from eleven tabs on the first position.
    f.Document().Code_Click(u"Project1 - New (Code)");
    (c.expected_tabs < 11 ? captions.emplace_back() : captions.front()) = u"New ";
    EXPECT_EQ(f.Captions(), captions);
  }
}

// Code_Click selects the tab of the window's module, adding one up to eleven tabs and then
// reusing positions in turn; it activates no window.
TEST(CodeClick, SelectsAddsThenRecyclesPositionsInTurn) {
  TabsFixture f;
  f.StartWith({u"M1", u"M2"});
  f.editor.ResetCalls();
  f.Document().Code_Click(u"Project1 - M2 (Code)");
  EXPECT_EQ(f.Strip().SelectedIndex(), 1);
  EXPECT_EQ(f.editor.Calls(u"Window.SetVisible"), 0);
  for (const auto& caption : Numbered(u"Project1 - M", 9, u" (Code)", 3))
    f.Document().Code_Click(caption);
  EXPECT_EQ(f.Strip().SelectedIndex(), 10);
  EXPECT_EQ(f.Strip().Item(10).Name, u"Tab11");
  for (const auto& caption : Numbered(u"Project1 - R", 13, u" (Code)"))
    f.Document().Code_Click(caption);
  EXPECT_EQ(f.Strip().SelectedIndex(), 1);
  EXPECT_EQ(f.Captions(), (Texts{u"R12 ", u"R13 ", u"R3 ", u"R4 ", u"R5 ", u"R6 ", u"R7 ", u"R8 ",
                                 u"R9 ", u"R10 ", u"R11 "}));
  f.Document().Code_Click(u"");  // an empty caption adds no tab
  // A module that has a tab is only selected: nothing is renamed, and the next new module
  // still takes the position after R13's.
  f.Document().Code_Click(u"Project1 - R5 (Code)");
  EXPECT_EQ(f.Strip().SelectedIndex(), 4);
  EXPECT_EQ(f.Strip().Count(), 11);
  f.Document().Code_Click(u"Project1 - X (Code)");
  EXPECT_EQ(f.Strip().SelectedIndex(), 2);
  EXPECT_EQ(f.Captions()[2], u"X ");
}

// The tool window keeps its document. A tab click brings its module's window to the front; the
// tab of a closed module, or an editor refusing the windows' captions, leaves the editor as it is.
TEST(TabClick, BringsTheModulesWindowToTheFront) {
  TabsFixture f;
  f.StartWith({u"A", u"B", u"C"});
  EXPECT_EQ(f.tabs.Document(), f.editor.Window(u"标签").Document().get());
  EXPECT_EQ((std::vector{f.Strip().Left(), f.Strip().Top(), f.Strip().Width(), f.Strip().Height()}),
            (std::vector{0, 0, 28000, 300}));
  f.Strip().UserClick(0);
  const auto* a = f.editor.Module(u"A").Pane().get();
  EXPECT_EQ(f.editor.ActivePane(), a);

  f.editor.App().WindowList().Remove(f.editor.Window(u"Project1 - C (Code)"));
  f.Strip().UserClick(2);
  EXPECT_EQ(f.Strip().SelectedIndex(), 2);
  EXPECT_EQ(f.editor.ActivePane(), a);
  f.editor.Refuse(u"Window.Caption");
  EXPECT_NO_THROW(f.Strip().UserClick(1));
  EXPECT_EQ(f.editor.ActivePane(), a);
  EXPECT_THROW(f.Strip().UserClick(-1), host::HostError);
}

// A face redraws the strip only when told: every change of what it shows must tell, and a
// call that changes nothing must not.
TEST(TabStripChanges, EachChangeOfWhatItShowsNotifiesOnce) {
  TabStrip strip;
  strip.SetCaption(strip.Add(u"Tab2"), u"Report ");
  strip.SetSelectedIndex(1);
  std::vector<int> notified{0};
  strip.SetChangeListener([&] { ++notified.back(); });
  for (const auto& act : std::vector<std::function<void()>>{
           [&] {
             strip.SetCaption(1, u"Report ");
             strip.UserClick(1);
             strip.Move(0, 0, 4800, 3600);
           },
           [&] { strip.SetCaption(1, u"Ledger "); }, [&] { strip.Add(u"Tab3"); },
           [&] { strip.UserClick(0); }, [&] { strip.Move(0, 0, 4800, 300); }}) {
    act();
    notified.push_back(0);
  }
  EXPECT_EQ(notified, (std::vector{0, 1, 1, 1, 1, 0}));
}

TEST(TabNames, ReduceACaptionByBothRules) {
  // Start-up and Code_Click meet both markers; without a marker the name rule takes the whole
  // caption and still meets the tab; on an inner " - " the window rule drops every one of them.
  const std::array<std::u16string, 3> cases[] = {
      {u"VBAProject - 模块1 (代码)", u"模块1 ", u"模块1 "},
      {u"Project1 - Form1", u"Form1", u"Form1"},
      {u"P - A - B (Code)(Code)", u"AB ", u"A - B "}};
  for (const auto& [caption, by_window_rule, by_name_rule] : cases)
    EXPECT_EQ(Texts({ReduceByWindowRule(caption), ReduceByNameRule(caption)}),
              Texts({by_window_rule, by_name_rule}));
}

// A double-click in the project tree starts a check every 150 ms that selects the tab of the
// next code window to become active; a second double-click replaces the check.
TEST(ProjectTreeDoubleClick, SelectsTheTabOfTheNextActiveCodeWindow) {
  TabsFixture f;
  f.StartWith({u"A", u"B"});
  f.HookProjectTree();
  auto& loop = f.os.loop();
  EXPECT_EQ(f.DoubleClickTree(), 7);
  const auto first = f.tabs.State().PendingTabTimer();
  EXPECT_EQ(loop.TimerInterval(first), 150u);
  loop.Advance(1500);  // nothing opened: the check waits
  f.DoubleClickTree();
  EXPECT_FALSE(loop.IsTimerRunning(first));
  f.editor.ClearActivePane();  // checks without an active pane wait quietly
  loop.Advance(600);
  EXPECT_EQ(loop.RunningTimerCount(), 1u);
  f.editor.Activate(u"A");
  loop.Advance(150);
  EXPECT_EQ(loop.RunningTimerCount(), 0u);

  // Without an active pane at the double-click, any window it opens counts.
  f.editor.ClearActivePane();
  f.on_double_click = [&] { f.editor.AddModule(u"Project1", u"C", {}); };
  f.DoubleClickTree();
  loop.Advance(150);
  EXPECT_EQ(f.Captions(), (Texts{u"A ", u"B ", u"C "}));
  EXPECT_EQ(f.Strip().SelectedIndex(), 2);
  EXPECT_EQ(loop.RunningTimerCount(), 0u);
  f.on_double_click = nullptr;
  f.DoubleClickTree();
  f.tabs.UnhookProjectTree();  // which ends a pending check too
  EXPECT_EQ(loop.RunningTimerCount(), 0u);

  // A class the editor does not know makes no tool window: no strip to update, and the check
  // stops itself.
  TabsFixture undocumented;
  undocumented.connection.ComponentName = u"Other";
  undocumented.StartWith({u"A", u"B"});
  EXPECT_TRUE(!undocumented.editor.HasWindow(u"标签") && !undocumented.tabs.Document());
  undocumented.HookProjectTree();
  undocumented.DoubleClickTree();
  undocumented.editor.Activate(u"A");
  undocumented.os.loop().Advance(150);
  EXPECT_EQ(undocumented.os.loop().RunningTimerCount(), 0u);
}

// Only this editor's tree is ours: the one under the main window the editor names (or, where it
// names none, the first of the main window's class), inside its project explorer.
TEST(ProjectTreeHook, HooksOnlyThisEditorsTreeAndTakesItselfOffAgain) {
  const struct {
    bool names_its_main_window, another_editor_first, tree_in_project_explorer, hooked;
  } rows[] = {{true, true, true, true}, {false, true, true, true}, {true, false, false, false}};
  for (const auto& row : rows) {
    TabsFixture f;
    auto& windows = f.os.windows();
    const auto other_tree = row.another_editor_first ? f.MakeEditorWindows(7).second : 0;
    const auto [main, tree] = f.MakeEditorWindows(std::nullopt, row.tree_in_project_explorer);
    if (row.names_its_main_window) f.editor.MainWindow().SetHandle(main);
    const auto original = windows.WindowProc(tree);
    const auto others = other_tree ? windows.WindowProc(other_tree) : 0;
    f.tabs.HookProjectTree();
    EXPECT_EQ(windows.WindowProc(tree) == f.tabs.TreeProcedureId(), row.hooked);
    EXPECT_EQ(other_tree ? windows.WindowProc(other_tree) : 0, others);
    f.tabs.UnhookProjectTree();
    EXPECT_EQ(windows.WindowProc(tree), original);
  }
}

}  // namespace
}  // namespace tessaly::tabs
