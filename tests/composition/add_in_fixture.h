#pragma once

// The editor on its desktop and the whole add-in, loaded and started as the editor does it,
// and unloaded as the Add-In Manager does.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "composition/tessaly_add_in.h"
#include "composition/tessaly_component.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/click_cases.h"
#include "support/host_editors.h"
#include "tabs/code_tabs.h"
#include "tabs/vbide_tab.h"

namespace tessaly::composition {

using test_support::EditorFor;
using Modules = std::vector<std::pair<std::u16string, std::vector<std::u16string>>>;

class AddInFixture : public ::testing::Test {
 protected:
  ~AddInFixture() override {
    if (add_in) Unload();
  }

  // A new editor (the add-in unloaded from the last one) whose Project1 holds the modules.
  void Start(const Modules& modules, sim::EditorOptions options = {},
             host::ConnectMode mode = host::kStartup) {
    if (add_in) Unload();
    desktop.reset();
    editor = std::make_unique<sim::SimEditor>(std::move(options));
    for (const auto& [name, lines] : modules)
      editor->AddModule(u"Project1", name, lines);
    desktop = std::make_unique<sim::SimDesktop>(*editor, os);
    desktop->Sync();
    editor->RegisterDocumentClass(tabs::VBIDETabProgId(u"QWIX"),
                                  [this] { return component.NewTabDocument(); });
    Load(mode);
  }
  // At the editor's start-up the editor says when it is done; the Add-In Manager's load
  // (host::kAfterStartup) is followed by nothing.
  void Load(host::ConnectMode mode = host::kStartup) {
    add_in = std::make_unique<TessalyAddIn>(host_os, component);
    add_in->Connect().OnConnection(editor->Application(), mode, instance);
    if (mode == host::kStartup) add_in->Connect().OnStartupComplete();
  }
  void Unload() {
    add_in->Connect().OnDisconnection(0);
    add_in.reset();
  }

  // A click on the function menu's button of that caption, at a selection.
  void Click(const std::u16string& caption) {
    editor->Click(test_support::FunctionMenuPath(*editor, caption));
  }
  void Select(const host::Selection& s) {
    editor->ActivePane()->Select(s.start_line, s.start_column, s.end_line, s.end_column);
  }
  host::Selection Caret() { return editor->ActivePane()->CurrentSelection(); }
  const std::vector<std::u16string>& Text(const std::u16string& module = u"Module1") {
    return editor->Module(module).Text();
  }

  tabs::VBIDETab& Document() {
    return dynamic_cast<tabs::VBIDETab&>(*editor->Window(u"标签").Document());
  }
  std::int32_t TabOf(const std::u16string& caption) {
    const auto& tabs = Document().TabStrip1.Tabs();
    return static_cast<std::int32_t>(std::ranges::find(tabs, caption, &tabs::Tab::Caption) -
                                     tabs.begin());
  }
  std::u16string ActiveCaption() { return editor->ActivePane()->CodeWindow().CaptionText(); }
  // A module opened from the project explorer: the double-click reaches the tree first.
  void OpenFromTree(const std::u16string& module) {
    os.windows().SendMessage(desktop->ProjectTree(), host::kWmLButtonDblClk, 0, 0);
    editor->AddModule(u"Project1", module, {u"Sub C()", u"End Sub"});
    desktop->Sync();
  }

  void ExpectNothingOfOursLeft() {
    EXPECT_EQ(editor->LiveEventConnections(), 0);
    EXPECT_EQ(os.windows().RegisteredProcCount(), 0u);
    EXPECT_TRUE(os.windows().WindowsWithRegisteredProc().empty());
    EXPECT_EQ(os.loop().RunningTimerCount(), 0u);
  }

  sim::SimOs os;
  host::Os host_os = os.Os();
  host::AddInInstance instance;
  TessalyComponent component;
  std::unique_ptr<sim::SimEditor> editor;
  std::unique_ptr<sim::SimDesktop> desktop;
  std::unique_ptr<TessalyAddIn> add_in;
};

}  // namespace tessaly::composition
