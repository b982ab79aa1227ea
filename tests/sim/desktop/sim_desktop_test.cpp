#include "sim/desktop/sim_desktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::sim {
namespace {

struct Desktop {
  Desktop() {
    editor.AddModule(u"Project1", u"Module1", {u"Sub A()", u"End Sub"});
    desktop.Sync();
  }
  SimWindowSystem& Windows() { return os.windows(); }

  SimEditor editor;
  SimOs os;
  SimDesktop desktop{editor, os};
};

TEST(SimDesktop, TheImmediateWindowAnswersPostedKeysUnderTheKeyboardStateInForce) {
  Desktop d;
  auto& w = d.Windows();
  const auto box = d.desktop.ImmediateWindow();
  d.desktop.SetImmediateText(u"? 1 + 1\r\n 2 \r\n");
  host::KeyboardState keys{};
  keys[17] = 0x80;
  w.SetKeyboardState(keys);
  w.PostMessage(box, host::kWmKeyDown, 36, 0);  // Control+Home: caret to the start
  w.DeliverPostedMessages();
  EXPECT_EQ(d.desktop.ImmediateBox().Caret(), 0u);
  keys[16] = 0x80;
  w.SetKeyboardState(keys);
  w.PostMessage(box, host::kWmKeyDown, 35, 0);  // Shift+Control+End: select all
  w.DeliverPostedMessages();
  EXPECT_EQ(d.desktop.ImmediateBox().SelectedText(), u"? 1 + 1\r\n 2 \r\n");
  w.SetKeyboardState({});
  w.PostMessage(box, host::kWmKeyDown, 8, 0);
  w.DeliverPostedMessages();
  EXPECT_EQ(d.desktop.ImmediateText(), u"");
}

}  // namespace
}  // namespace tessaly::sim
