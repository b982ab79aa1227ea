// The tab feature behind the add-in's own connection and start-up, in an editor whose native
// windows the simulated desktop provides.

#include <gtest/gtest.h>

#include "addin/connect.h"
#include "sim/desktop/sim_desktop.h"
#include "support/recording_features.h"
#include "tabs/code_tabs.h"

namespace tessaly::tabs {
namespace {

class TabFeatures : public tessaly::testing::RecordingFeatures {
 public:
  TabFeatures(addin::Connection& connection, CodeTabs& tabs)
      : RecordingFeatures(connection), tabs_(tabs) {}
  void CreateTabWindow(host::AddInInstance& add_in) override { tabs_.CreateTabWindow(add_in); }
  void TabInitialize() override { tabs_.TabInitialize(); }
  host::WindowProcId ProjectTreeProc() override { return tabs_.ProjectTreeProc(); }

 private:
  CodeTabs& tabs_;
};

class TestAddIn : public host::AddInInstance {};

TEST(ConnectedTabs, FilledAtStartUpAndFollowingADoubleClickUntilUnhooked) {
  sim::SimEditor editor;
  sim::SimOs os;
  sim::SimDesktop desktop(editor, os);
  host::Os services = os.Os();
  addin::Connection connection;
  CodeTabs tabs(connection, os.windows(), os.loop());
  TabFeatures features(connection, tabs);
  addin::Connect connect(connection, services, features);
  editor.RegisterDocumentClass(VBIDETabProgId(u"QWIX"), [&] { return tabs.NewDocument(); });
  editor.AddModule(u"Project1", u"Module1", {});
  editor.AddModule(u"Project1", u"Class1", {});
  desktop.Sync();

  TestAddIn add_in;
  connect.OnConnection(editor.Application(), host::kStartup, add_in);
  ASSERT_NE(tabs.Document(), nullptr);
  connect.OnStartupComplete();
  EXPECT_TRUE(editor.Window(u"标签").IsVisible());
  EXPECT_EQ(tabs.Document()->TabStrip1.Count(), 2);
  EXPECT_EQ(os.windows().WindowProc(desktop.ProjectTree()), tabs.ProjectTreeProc());

  os.windows().SendMessage(desktop.ProjectTree(), host::kWmLButtonDblClk, 0, 0);
  editor.AddModule(u"Project1", u"Module2", {});
  os.loop().Advance(150);
  const auto& strip = tabs.Document()->TabStrip1;
  EXPECT_EQ(strip.Item(strip.SelectedIndex()).Caption, u"Module2 ");
  EXPECT_EQ(os.loop().RunningTimerCount(), 0u);

  connect.OnDisconnection(0);
  EXPECT_NE(os.windows().WindowProc(desktop.ProjectTree()), tabs.ProjectTreeProc());
  os.windows().SendMessage(desktop.ProjectTree(), host::kWmLButtonDblClk, 0, 0);
  EXPECT_EQ(os.loop().RunningTimerCount(), 0u);
}

}  // namespace
}  // namespace tessaly::tabs
