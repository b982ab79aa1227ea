// The whole add-in in the simulated editor. First the editors as they behave beyond their type
// libraries: loaded from the Add-In Manager (no start-up complete follows), in a Chinese editor
// (the built-in bars carry Chinese names), and unloaded and loaded again in one run. Each case
// checks what a user sees.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "add_in_fixture.h"
#include "addin/feature_settings.h"
#include "menu/window_commands.h"
#include "tabs/tab_process_state.h"

namespace tessaly::composition {
namespace {

using test_support::AddInsEntries;

TEST_F(AddInFixture, EveryFeatureIsThereOnceInEachEditorAndGoneAfterUnload) {
  const struct {
    const char* name;
    bool vb6;
    host::ConnectMode mode;
    bool chinese;
    bool reloaded;  // unloaded from the Add-In Manager and loaded again in the same run
  } rows[] = {{"VB6 at start-up", true, host::kStartup, false, false},
              {"Excel from the Add-In Manager", false, host::kAfterStartup, false, false},
              {"VB6 from the Add-In Manager, reloaded", true, host::kAfterStartup, false, true},
              {"Chinese VB6 from the Add-In Manager", true, host::kAfterStartup, true, false},
              {"Chinese Excel at start-up, reloaded", false, host::kStartup, true, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto options = EditorFor(row.vb6);
    if (row.chinese) options.language = sim::EditorLanguage::kChinese;
    const auto add_ins_bar = sim::NamesOf(options).add_ins_bar;
    Start({{u"Report", {u"Sub 汇总()", u"Dim i As Long", u"End Sub"}}}, options, row.mode);
    if (row.reloaded) {
      Unload();
      Load(row.mode);
    }
    EXPECT_TRUE(editor->Bar(u"TessalyIDE").IsVisible());
    EXPECT_TRUE(editor->Window(u"标签").IsVisible());
    const auto& tabs = Document().TabStrip1.Tabs();
    EXPECT_EQ(tabs.size() == 1 ? tabs[0].Caption : u"", u"Report ");
    EXPECT_EQ(os.windows().WindowsWithRegisteredProc().size(), 1u);  // the project tree
    EXPECT_EQ(os.loop().RunningTimerCount(), row.vb6 ? 2u : 1u);     // wheel, dialogs

    ASSERT_EQ(AddInsEntries(*editor, add_ins_bar), 1);
    editor->Click({add_ins_bar, u"Tessaly"});
    ASSERT_TRUE(add_in->AboutIsOpen());
    // The form knows whether the host has a wheel to offer.
    EXPECT_EQ(add_in->About().Form().Check1[addin::kMouseWheel].Enabled, row.vb6);

    // A snippet is not idempotent: a second sink or a second action would insert it twice.
    editor->ActivePane()->PlaceCaret(2, 1);
    Click(u"注解(&C)");
    EXPECT_EQ(Text(u"Report").size(), 4u);

    // The wheel hooks the code window under the cursor, a double-click on the tree waits for a
    // tab: a disconnection takes all of it back, before the add-in is let go.
    desktop->PointAt(desktop->CodeWindow(u"Report"));
    os.loop().Advance(250);
    os.windows().SendMessage(desktop->ProjectTree(), host::kWmLButtonDblClk, 0, 0);
    EXPECT_EQ(os.windows().WindowsWithRegisteredProc().size(), row.vb6 ? 2u : 1u);
    add_in->Connect().OnDisconnection(0);
    ExpectNothingOfOursLeft();
    EXPECT_EQ(AddInsEntries(*editor, add_ins_bar), 0);
    add_in.reset();
    ExpectNothingOfOursLeft();
  }
}

// A click reads what it works on once and hands it to the tool: the pane, its selection and
// its module, whatever the tool then reads and writes. A member the editor refuses for every line
// leaves one line in the log, naming the member and where our code met it, so that a dead button
// can be traced.
TEST_F(AddInFixture, AClickAsksForItsPaneOnceAndARefusalIsLoggedOncePerPlace) {
  Start({{u"Report", {u"Sub A()", u"If x Then", u"y = 1", u"End If", u"End Sub"}}});
  editor->ActivePane()->PlaceCaret(3, 1);
  for (const auto* caption : {u"代码缩进", u"注解对齐", u"代码注解", u"删除空行"}) {
    editor->ResetCalls();
    Click(caption);
    EXPECT_EQ(editor->Calls(u"Application.ActiveCodePane"), 1);
    EXPECT_EQ(editor->Calls(u"CodePane.GetSelection"), 1);
    EXPECT_EQ(editor->Calls(u"CodePane.CodeModule"), 1);
  }
  EXPECT_EQ(editor->Module(u"Report").Text()[2], u"        y = 1 'y 等于 1");
  editor->Refuse(u"CodeModule.ReplaceLine");
  Click(u"取消缩进");
  Click(u"取消缩进");
  const auto& lines = editor->App().Calls().RefusalLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("codetools/"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("the editor refused CodeModule.ReplaceLine"), std::string::npos);
}

// The shared click table through the simulated editor: the same cases the fake editor host runs
// through QWIX.dll under Wine, and undoes after each as it does.
TEST_F(AddInFixture, EachClickOfTheTableGivesItsTextAndCaretInBothEditorsAndIsUndone) {
  for (const auto& click : test_support::ClickCases()) {
    for (const bool vb6 : {true, false}) {
      SCOPED_TRACE(std::string(click.name) + (vb6 ? " VB6" : " VBA"));
      Start({{u"Module1", click.before}}, EditorFor(vb6));
      Select(click.caret);
      Click(click.caption);
      EXPECT_EQ(Text(), click.after);
      EXPECT_EQ(Caret(), click.caret_after);
      Click(u"撤销上次修改");
      EXPECT_EQ(Text(), click.before);
      EXPECT_EQ(Caret(), click.caret);
    }
  }
  EXPECT_TRUE(os.system().MessageBoxes().empty());
}

// Loaded, unloaded and loaded again in one editor run, as a user does from the Add-In Manager,
// and timers that fire while the add-in waits inside a message box or the menu build. Run this
// program under valgrind after changing any lifetime.
const Modules kTwoModules = {{u"Report", {u"Sub A()", u"End Sub"}},
                             {u"Ledger", {u"Sub B()", u"End Sub"}}};

TEST_F(AddInFixture, TheTabWindowKeepsWorkingAcrossAReload) {
  Start(kTwoModules);
  auto* document = &Document();
  Unload();

  // A click on the surviving window's strip while no add-in is loaded does nothing.
  editor->Activate(u"Report");
  document->TabStrip1.UserClick(TabOf(u"Ledger "));
  EXPECT_EQ(ActiveCaption(), u"Project1 - Report (Code)");

  Load();
  EXPECT_EQ(add_in->Connection().TabDocument.get(), document);

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
TEST_F(AddInFixture, TimersFireWhileTheAddInWaits) {
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
    Start(kTwoModules);
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
