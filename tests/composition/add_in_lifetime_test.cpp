// The assembled add-in loaded, unloaded and loaded again in one editor run, as a user does
// from the Add-In Manager, and timers that fire while the add-in waits inside a message box
// or the menu build. Run this program under valgrind after changing any lifetime.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "add_in_fixture.h"
#include "menu/window_commands.h"
#include "tabs/tab_process_state.h"

namespace tessaly::composition {
namespace {

class AddInLifetime : public AddInFixture {
 protected:
  void Start() {
    AddInFixture::Start(
        {{u"Report", {u"Sub A()", u"End Sub"}}, {u"Ledger", {u"Sub B()", u"End Sub"}}});
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
};

TEST_F(AddInLifetime, TheTabWindowKeepsWorkingAcrossAReload) {
  Start();
  auto* document = &Document();
  ASSERT_EQ(add_in->Connection().TabDocument.get(), document);
  Unload();

  // A click on the surviving window's strip while no add-in is loaded does nothing.
  editor->Activate(u"Report");
  document->TabStrip1.UserClick(TabOf(u"Ledger "));
  EXPECT_EQ(ActiveCaption(), u"Project1 - Report (Code)");

  Load();
  EXPECT_EQ(add_in->Connection().TabDocument.get(), document);
  EXPECT_EQ(&Document(), document);

  OpenFromTree(u"Journal");
  os.loop().Advance(tabs::kPendingTabCheckMs);
  EXPECT_EQ(document->TabStrip1.SelectedItem().Caption, u"Journal ");

  document->TabStrip1.UserClick(TabOf(u"Ledger "));
  EXPECT_EQ(ActiveCaption(), u"Project1 - Ledger (Code)");

  Unload();
  document->TabStrip1.UserClick(TabOf(u"Report "));
  EXPECT_EQ(ActiveCaption(), u"Project1 - Ledger (Code)");
  ExpectNothingOfOursLeft();
}

// A dialog the watch enlarges and a tab check pending, then the add-in waits in a message box
// or in the menu's build: the timers fire inside.
TEST_F(AddInLifetime, TimersFireWhileTheAddInWaits) {
  const std::function<void()> waits[] = {
      [&] {
        editor->Refuse(u"Application.MainWindow");
        add_in->RunFunctionMenu(u"清屏(&N)");
        ASSERT_EQ(os.system().MessageBoxes().back().text, menu::kNoProjectAccessMessage);
      },
      [&] {
        editor->App().Bars().RemoveBar(u"TessalyIDE");
        add_in->BuildFunctionMenu();
        EXPECT_EQ(editor->Click({u"TessalyIDE", u"【功能】", u"代码缩进"}).sinks_run, 1);
      }};
  for (const auto& wait : waits) {
    Start();
    const auto dialog = desktop->OpenDialog(sim::EditorDialog::kReferences);
    const auto before = os.windows().WindowRect(dialog);
    OpenFromTree(u"Journal");
    wait();
    EXPECT_NE(os.windows().WindowRect(dialog), before);
    EXPECT_EQ(Document().TabStrip1.SelectedItem().Caption, u"Journal ");
    EXPECT_EQ(add_in->Tabs().State().PendingTabTimer(), 0u);
  }
}

}  // namespace
}  // namespace tessaly::composition
