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

struct DialogRow {
  EditorDialog dialog;
  bool vb6;
  std::u16string title;
  host::Size size;
  std::size_t children;
};

TEST(SimDesktop, DialogsOpenWithTheirTemplatesInTheForeground) {
  const DialogRow rows[] = {
      {EditorDialog::kReferences, true, u"引用 - Project1", {446, 336}, 14},
      {EditorDialog::kReferences, false, u"引用 - Project1", {437, 334}, 14},
      {EditorDialog::kNewProject, true, u"新建工程", {413, 273}, 4},
      {EditorDialog::kOpenProject, true, u"打开工程", {461, 316}, 17},
      {EditorDialog::kComponents, true, u"部件", {455, 379}, 6},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.vb6 ? "VB6 " : "VBA ") + std::to_string(row.children));
    EditorOptions options;
    if (!row.vb6) options.name = u"Microsoft Excel";
    SimEditor editor(options);
    SimOs os;
    SimDesktop desktop(editor, os);
    auto& w = os.windows();
    const auto dialog = desktop.OpenDialog(row.dialog);
    EXPECT_EQ(w.ForegroundWindow(), dialog);
    EXPECT_EQ(w.ClassName(dialog), u"#32770");
    EXPECT_EQ(w.WindowText(dialog), row.title);
    const auto rect = w.WindowRect(dialog);
    EXPECT_EQ((host::Size{rect.Width(), rect.Height()}), row.size);
    EXPECT_EQ(w.WindowProcessId(dialog), w.CurrentProcessId());
    const auto children = w.Children(dialog);
    EXPECT_EQ(children.size(), row.children);
    for (auto child : children) {
      const auto r = w.WindowRect(child);
      EXPECT_TRUE(r.left >= rect.left && r.right <= rect.right && r.top >= rect.top &&
                  r.bottom <= rect.bottom);
    }
  }
}

}  // namespace
}  // namespace tessaly::sim
