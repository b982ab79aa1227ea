// Screens wider than the width formula's peak: no dialog narrower than on a 2,640-pixel
// screen, and every screen up to that width as before.

#include <gtest/gtest.h>

#include "addin/connection.h"
#include "dialogs/dialog_geometry.h"
#include "dialogs/dialog_watch.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"

namespace tessaly::dialogs {
namespace {

TEST(WideScreen, TheDialogWidthStopsGrowingAt2640Pixels) {
  const struct {
    host::Size screen;
    host::Size size;
  } rows[] = {
      {{2560, 1440}, {870, 1087}},   // 870.4 and 1087.2, by the formula
      {{2639, 1600}, {871, 1208}},   // 871.199875
      {{2640, 1600}, {871, 1208}},   // 871.2: the peak
      {{2641, 1600}, {871, 1208}},   // the formula alone would give 871.199875 again
      {{3840, 2160}, {871, 1631}},   // and here 691.2
      {{5120, 2880}, {871, 2174}},   // 102.4
      {{6000, 3375}, {871, 2548}},   // a negative width
      {{16384, 8640}, {871, 6523}},  // far past any screen
  };
  for (const auto& row : rows)
    EXPECT_EQ(EnlargedSize(row.screen), row.size) << row.screen.width;
}

TEST(WideScreen, TheWatchEnlargesAndCentresOnAFiveKScreen) {
  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  sim::SimDesktop desktop(editor, os);
  os.windows().SetScreenSize({5120, 2880});
  addin::Connection connection;
  connection.HostApplication = editor.Application();
  connection.HostMode = addin::kHostModeVb6;
  DialogWatch watch(connection, host_os);
  watch.StartDialogWatch();

  const auto dialog = desktop.OpenDialog(sim::EditorDialog::kReferences);
  os.loop().Advance(kDialogTimerInterval);
  // X = (5120 - 871) / 2.5 = 1699.6, Y = (2880 - 2174) / 2.
  EXPECT_EQ(os.windows().WindowRect(dialog), (host::Rect{1700, 353, 1700 + 871, 353 + 2174}));
  ASSERT_EQ(os.windows().Moves().size(), 16u);  // the dialog twice and its 14 controls
  for (const auto& move : os.windows().Moves()) {
    EXPECT_GT(move.width, 0);
    EXPECT_GT(move.height, 0);
  }
}

}  // namespace
}  // namespace tessaly::dialogs
