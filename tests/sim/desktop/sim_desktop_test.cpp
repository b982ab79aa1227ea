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

std::vector<std::u16string> ClassesOf(SimWindowSystem& windows,
                                      const std::vector<host::WindowHandle>& handles) {
  std::vector<std::u16string> classes;
  for (auto handle : handles)
    classes.push_back(windows.ClassName(handle));
  return classes;
}

TEST(SimDesktop, TheEditorsWindowsAreFoundByClassAndTitle) {
  Desktop d;
  auto& w = d.Windows();
  const auto main = w.FindWindow(u"wndclass_desked_gsk", d.editor.MainWindow().CaptionText());
  ASSERT_NE(main, 0);
  EXPECT_EQ(main, d.desktop.MainWindow());
  const auto mdi = w.FindWindowEx(main, 0, u"MDIClient", std::nullopt);
  const auto docking = w.FindWindowEx(mdi, 0, u"DockingView", std::nullopt);
  EXPECT_EQ(w.FindWindowEx(docking, 0, u"VbaWindow", u"Immediate"), d.desktop.ImmediateWindow());
  EXPECT_EQ(w.FindWindowEx(mdi, 0, u"VbaWindow", u"Project1 - Module1 (Code)"),
            d.desktop.CodeWindow(u"Module1"));
  const auto project = w.FindWindowEx(main, 0, u"PROJECT", std::nullopt);
  EXPECT_EQ(w.FindWindowEx(project, 0, u"SysTreeView32", std::nullopt), d.desktop.ProjectTree());
  for (auto handle : {main, mdi, d.desktop.ImmediateWindow(), d.desktop.ProjectTree()})
    EXPECT_EQ(w.WindowProcessId(handle), w.CurrentProcessId());
}

TEST(SimDesktop, SyncFollowsNewCodeWindowsAndTheImmediateWindowsState) {
  Desktop d;
  auto& w = d.Windows();
  d.editor.AddModule(u"Project1", u"Module2", {u""});
  d.desktop.Sync();
  const auto second = d.desktop.CodeWindow(u"Module2");
  EXPECT_NE(second, d.desktop.CodeWindow(u"Module1"));
  d.desktop.PointAt(second);
  EXPECT_EQ(w.WindowFromPoint(w.CursorPos()), second);

  d.desktop.SetImmediateText(u"kept");
  d.editor.Window(u"Immediate").SetVisible(false);
  d.desktop.Sync();
  const auto hidden = d.desktop.ImmediateWindow();
  EXPECT_EQ(w.FindWindowEx(d.desktop.MainWindow(), 0, u"VbaWindow", u"Immediate"), hidden);

  d.desktop.SetImmediateLinked(true);
  const auto palette = w.FindWindow(u"VbFloatingPalette", std::nullopt);
  ASSERT_NE(palette, 0);
  EXPECT_EQ(w.FindWindowEx(palette, 0, u"VbaWindow", u"Immediate"), d.desktop.ImmediateWindow());
  EXPECT_FALSE(w.IsWindow(hidden));
  EXPECT_EQ(d.desktop.ImmediateText(), u"kept");
  EXPECT_NE(d.editor.Window(u"Immediate").LinkedWindowFrame(), nullptr);
}

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

TEST(SimDesktop, BackspaceAloneDeletesOneCharacterOrOneLineBreak) {
  ImmediateEdit edit;
  edit.SetText(u"ab\r\n");
  edit.KeyDown(8, {});
  EXPECT_EQ(edit.Text(), u"ab");
  edit.KeyDown(8, {});
  EXPECT_EQ(edit.Text(), u"a");
  host::KeyboardState none{};
  edit.KeyDown(36, none);  // Home without Control: start of the line
  edit.KeyDown(8, none);   // nothing before the caret
  EXPECT_EQ(edit.Text(), u"a");
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

TEST(SimDesktop, TheComponentsDialogHoldsItsPageWithSevenControls) {
  Desktop d;
  auto& w = d.Windows();
  const auto dialog = d.desktop.OpenDialog(EditorDialog::kComponents);
  const auto page = w.FindWindowEx(dialog, 0, u"#32770", std::nullopt);
  ASSERT_NE(page, 0);
  EXPECT_EQ(w.Children(dialog).back(), page);
  std::vector<std::u16string> classes = ClassesOf(w, w.Children(page));
  std::sort(classes.begin(), classes.end());
  EXPECT_EQ(classes, (std::vector<std::u16string>{u"Button", u"Button", u"Button", u"ListBox",
                                                  u"Static", u"Static", u"Static"}));
}

}  // namespace
}  // namespace tessaly::sim
