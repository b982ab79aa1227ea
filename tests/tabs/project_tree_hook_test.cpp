#include <gtest/gtest.h>

#include "tabs/code_tabs.h"
#include "tabs/tabs_fixture.h"

namespace tessaly::tabs {
namespace {

using testing::TabsFixture;

class ProjectTreeHook : public ::testing::Test {
 protected:
  void SetUp() override {
    f.AddModules({u"A", u"B"});
    f.CreateTabWindow();
    f.tabs.TabInitialize();
    f.HookProjectTree();
  }

  std::size_t RunningTimers() { return f.os.loop().RunningTimerCount(); }

  TabsFixture f;
};

TEST_F(ProjectTreeHook, TheTreeStillGetsEveryMessage) {
  EXPECT_EQ(f.tabs.ProjectTreeProc(), f.tabs.ProjectTreeProc());
  EXPECT_EQ(f.DoubleClickTree(), 7);
  EXPECT_EQ(f.tree_double_clicks, 1);
  f.os.windows().SendMessage(f.tree, host::kWmKeyDown, 13, 0);
  EXPECT_EQ(RunningTimers(), 1u);  // only the double-click starts a check
}

TEST_F(ProjectTreeHook, ADoubleClickThatOpensAModuleSelectsItsNewTab) {
  f.on_double_click = [&] { f.editor.AddModule(u"Project1", u"C", {}); };
  f.DoubleClickTree();
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
TEST_F(ProjectTreeHook, ACheckWaitsForTheNextChangeAndASecondDoubleClickReplacesIt) {
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

TEST_F(ProjectTreeHook, WithoutAnActivePaneAnyOpenedWindowCounts) {
  f.editor.ClearActivePane();
  f.on_double_click = [&] { f.editor.AddModule(u"Project1", u"C", {}); };
  f.DoubleClickTree();
  EXPECT_EQ(f.tabs.State().CaptionAtDoubleClick, u"");
  f.os.loop().Advance(150);
  EXPECT_EQ(f.Strip().Item(f.Strip().SelectedIndex()).Caption, u"C ");
  EXPECT_EQ(RunningTimers(), 0u);
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
