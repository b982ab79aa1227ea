// A face redraws the strip only when told: every change of what it shows must tell, and a
// call that changes nothing must not.

#include <gtest/gtest.h>

#include <functional>

#include "tabs/tab_strip.h"

namespace tessaly::tabs {
namespace {

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

}  // namespace
}  // namespace tessaly::tabs
