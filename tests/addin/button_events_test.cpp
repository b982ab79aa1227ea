// The editor holds a button's sink until the subscription is released, as a connection point
// does: whoever drops a sink must unadvise it, or its clicks keep arriving.

#include "addin/app_event_vbide.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/editor/sim_editor.h"

namespace tessaly::addin {
namespace {

TEST(ButtonEvents, ASinkHearsClicksUntilItsSubscriptionIsReleased) {
  for (const bool vb6 : {true, false}) {
    sim::EditorOptions options;
    if (!vb6) options.name = u"Microsoft Excel";
    sim::SimEditor editor(options);
    Connection connection;
    connection.HostApplication = editor.Application();
    connection.HostMode = vb6 ? kHostModeVb6 : kHostModeVba;
    auto button = editor.Application()
                      ->CommandBars()
                      ->Add(u"Bar", host::kBarTop)
                      ->Controls()
                      ->Add(host::kButton);
    button->SetCaption(u"Go");

    std::vector<std::u16string> clicks;
    HookButton(connection, *button,
               [&](const std::u16string& caption) { clicks.push_back(caption); });
    HookButton(connection, *button,
               [&](const std::u16string& caption) { clicks.push_back(caption); });
    EXPECT_EQ(editor.LiveEventConnections(), 2) << vb6;
    const auto first = editor.Click({u"Bar", u"Go"});
    EXPECT_EQ(first.sinks_run, 2) << vb6;
    EXPECT_TRUE(first.cancel_default) << vb6;

    // Dropping one keeps the other; releasing all leaves the button silent.
    connection.ButtonSinks->pop_back();
    EXPECT_EQ(editor.Click({u"Bar", u"Go"}).sinks_run, 1) << vb6;
    ReleaseButtonSinks(connection);
    EXPECT_EQ(editor.LiveEventConnections(), 0) << vb6;
    EXPECT_EQ(editor.Click({u"Bar", u"Go"}).sinks_run, 0) << vb6;
    EXPECT_EQ(clicks, std::vector<std::u16string>(3, u"Go")) << vb6;
  }
}

}  // namespace
}  // namespace tessaly::addin
