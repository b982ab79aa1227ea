#pragma once

// An editor with the tab tool window made the way the add-in makes it at connection, and the
// project explorer's tree in the window system, hooked as at start-up.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "addin/connection.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "tabs/code_tabs.h"

namespace tessaly::tabs::testing {

class TabsFixture {
 public:
  explicit TabsFixture(sim::EditorOptions options = {}) : editor(std::move(options)) {
    connection.ComponentName = u"QWIX";
    connection.HostApplication = editor.Application();
    editor.RegisterDocumentClass(u"QWIX.VBIDETab", [this] { return tabs.NewDocument(); });
    os.windows().RegisterClass(u"SysTreeView32", [this](host::WindowHandle, std::uint32_t message,
                                                        std::uintptr_t, std::intptr_t) {
      if (message == host::kWmLButtonDblClk && on_double_click) on_double_click();
      return std::intptr_t{7};
    });
  }

  void CreateTabWindow() { tabs.CreateTabWindow(add_in); }
  // The modules open before the add-in connects, as at start-up.
  void StartWith(const std::vector<std::u16string>& modules) {
    AddModules(modules);
    CreateTabWindow();
    tabs.TabInitialize();
  }
  VBIDETab& Document() { return *tabs.Document(); }
  TabStrip& Strip() { return Document().TabStrip1; }

  void AddModules(const std::vector<std::u16string>& modules) {
    for (const auto& module : modules)
      editor.AddModule(u"Project1", module, {u"Option Explicit"});
  }

  // Drops the immediate window, project explorer and properties window, so code windows can
  // take the first window positions.
  void ClosePanels() {
    auto& list = editor.App().WindowList();
    for (const char16_t* panel : {u"Immediate", u"Project - Project1", u"Properties"}) {
      list.Remove(editor.Window(panel));
    }
  }

  std::vector<std::u16string> Captions() {
    std::vector<std::u16string> captions;
    for (const auto& tab : Strip().Tabs())
      captions.push_back(tab.Caption);
    return captions;
  }

  // An editor's main window > "PROJECT" > "SysTreeView32" (or the tree beside the explorer),
  // the tree's own procedure running `on_double_click` when it gets a double-click.
  std::pair<host::WindowHandle, host::WindowHandle> MakeEditorWindows(
      std::optional<std::uint32_t> process = std::nullopt, bool in_explorer = true) {
    auto& windows = os.windows();
    const auto main =
        windows.CreateWindow({u"wndclass_desked_gsk", u"Project1", 0, {}, 0, process});
    const auto project = windows.CreateWindow({u"PROJECT", u"", 0, {}, main, process});
    return {main, windows.CreateWindow(
                      {u"SysTreeView32", u"", 0, {}, in_explorer ? project : main, process})};
  }
  void HookProjectTree() {
    const auto [main, made] = MakeEditorWindows();
    tree = made;
    editor.MainWindow().SetHandle(main);
    tabs.HookProjectTree();
  }

  std::intptr_t DoubleClickTree() {
    return os.windows().SendMessage(tree, host::kWmLButtonDblClk, 0, 0);
  }

  sim::SimEditor editor;
  sim::SimOs os;
  addin::Connection connection;
  host::AddInInstance add_in;
  CodeTabs tabs{connection, os.windows(), os.loop()};
  host::WindowHandle tree = 0;
  std::function<void()> on_double_click;
};

}  // namespace tessaly::tabs::testing
