// A face redraws the About form only when told: each event that changes what the form shows
// tells once, however many handlers it runs, and one that changes nothing stays silent.

#include <gtest/gtest.h>

#include <functional>

#include "about/about_fixture.h"
#include "about/about_frm.h"
#include "addin/feature_settings.h"

namespace tessaly::about {
namespace {

TEST(AboutFrmChanges, EachChangeOfWhatItShowsNotifiesOnce) {
  const struct {
    const char* what;
    std::function<void(AboutFrm&)> act;
    int notifications;
  } cases[] = {
      {"box ticked off", [](AboutFrm& f) { f.ClickCheck(addin::kCodeTabs); }, 1},
      {"picture shown alone", [](AboutFrm& f) { f.Image1_Click(1); }, 1},
      {"right button on OK", [](AboutFrm& f) { f.ClickOK(kRightButton); }, 0},
      {"unloaded by OK", [](AboutFrm& f) { f.ClickOK(); }, 1},
      {"shown again while shown", [](AboutFrm& f) { f.Show(); }, 0},
      {"loaded again", [](AboutFrm& f) { f.Form_Load(); }, 0},
  };
  for (const auto& c : cases) {
    testing::AboutFixture f;
    f.host.Show();
    auto& form = f.host.Form();
    int notified = 0;
    form.SetChangeListener([&] { ++notified; });
    c.act(form);
    EXPECT_EQ(notified, c.notifications) << c.what;
  }
}

}  // namespace
}  // namespace tessaly::about
