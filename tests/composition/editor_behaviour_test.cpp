// The whole add-in in the simulated editor. First the editors as they behave beyond their type
// libraries: loaded from the Add-In Manager (no start-up complete follows), in a Chinese editor
// (the built-in bars carry Chinese names), and unloaded and loaded again in one run. Each case
// checks what a user sees.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "add_in_fixture.h"
#include "menu/undo_history.h"
#include "menu/undo_last_change.h"
#include "menu/window_commands.h"
#include "tabs/tab_process_state.h"
#include "text/utf.h"

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
// its module, whatever the tool then reads and writes; a member the editor refuses on every line
// leaves one line in the log, naming the place, however often the user clicks.
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

// A tab window the last run left floating is docked at the next start: given the focus,
// double-clicked inside its caption and made one strip high. A docked one sits at 0 on either
// side and stays as it is.
TEST_F(AddInFixture, ATabWindowLeftFloatingIsDockedAtTheNextStart) {
  for (const auto& [left, top] : {std::pair{0, 0}, {300, 0}, {0, 200}, {1, 200}, {300, 1}}) {
    Start({{u"Report", {u"Sub A()", u"End Sub"}}});
    Unload();
    auto& window = editor->Window(u"标签");
    window.SetLeft(left);
    window.SetTop(top);
    const auto height = window.Height();
    const auto focused = window.FocusCount();
    const auto& clicks = os.windows().MouseEvents();
    const auto clicked = clicks.size();
    Load();
    const bool floating = left > 0 && top > 0;
    EXPECT_EQ(window.Height(), floating ? 60 : height);
    EXPECT_EQ(clicks.size() - clicked, floating ? 4u : 0u);
    EXPECT_EQ(window.FocusCount() - focused, floating ? 1 : 0);
    if (floating) {
      EXPECT_EQ(clicks.back().cursor, (host::Point{left + 10, top + 10}));
    }
  }
}

// Loaded, unloaded and loaded again in one editor run, as a user does from the Add-In Manager,
// and timers that fire while the add-in waits inside a message box. Run this program under
// valgrind after changing any lifetime.
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

// A dialog the watch enlarges and a tab check pending, then the add-in waits in a message box:
// the timers fire inside.
TEST_F(AddInFixture, TimersFireWhileTheAddInWaitsInAMessageBox) {
  Start(kTwoModules);
  const auto dialog = desktop->OpenDialog(sim::EditorDialog::kReferences);
  const auto before = os.windows().WindowRect(dialog);
  OpenFromTree(u"Journal");
  editor->Refuse(u"Application.MainWindow");
  add_in->RunFunctionMenu(u"清屏(&N)");
  ASSERT_EQ(os.system().MessageBoxes().back().text, menu::kNoProjectAccessMessage);
  EXPECT_NE(os.windows().WindowRect(dialog), before);
  EXPECT_EQ(Document().TabStrip1.SelectedItem().Caption, u"Journal ");
  EXPECT_EQ(add_in->Tabs().State().PendingTabTimer(), 0u);
}

// "撤销上次修改" through clicks as the user makes them: every kind of change the function menu
// makes comes back byte for byte with its caret, newest first, never over text changed since.
// clang-format off
const std::vector<std::u16string> kModule = {
    u"Option Explicit", u"Private Sub Demo()", u"    Dim i As Integer   ' counter", u"",
    u"  For i = 1 To 10", u"Debug.Print i  ' show", u"    Next", u"    x = total", u"End Sub"};
// clang-format on

class UndoTest : public AddInFixture {
 protected:
  void Start(sim::EditorOptions options = {}) {
    AddInFixture::Start({{u"Module1", kModule}, {u"Module2", {u"Sub B()", u"End Sub"}}}, options);
    editor->Activate(u"Module1");
  }
  // The texts of the message boxes shown since the last call.
  std::vector<std::u16string> NewMessages() {
    std::vector<std::u16string> texts;
    for (const auto& boxes = os.system().MessageBoxes(); seen_ < boxes.size(); ++seen_)
      texts.push_back(boxes[seen_].text);
    return texts;
  }
  std::size_t seen_ = 0;
};

using Texts = std::vector<std::u16string>;

TEST_F(UndoTest, EveryKindOfChangeComesBackWithItsCaretInBothEditors) {
  const struct {
    const char16_t* caption;
    host::Selection caret;
  } rows[] = {
      // The code tools are undone in the click table's test above.
      {u"强制变量声明", {3, 5, 3, 5}}, {u"With继承", {8, 5, 8, 5}}, {u"公私(&J)", {2, 1, 2, 1}},
      {u"注释(&Z)", {3, 1, 5, 1}},     {u"删行(&X)", {5, 1, 7, 1}}, {u"粘贴(&S)", {8, 1, 8, 1}},
      {u"注解(&C)", {8, 5, 8, 5}},     {u"分割(&B)", {8, 1, 8, 1}}, {u"弹窗", {8, 5, 8, 10}},
      {u"调试", {8, 5, 8, 10}},        {u"文本", {8, 9, 8, 14}},    {u"链接", {8, 9, 8, 14}},
      {u"换行", {8, 9, 8, 14}},
  };
  for (const bool vb6 : {true, false}) {
    Start(EditorFor(vb6));
    os.system().SetClipboardText(u"y = 2");
    for (const auto& row : rows) {
      SCOPED_TRACE(text::ToUtf8(row.caption) + (vb6 ? " VB6" : " VBA"));
      Select(row.caret);
      Click(row.caption);
      ASSERT_NE(Text(), kModule) << "the click changed nothing to undo";
      Click(u"撤销上次修改");
      EXPECT_EQ(Text(), kModule);
      EXPECT_EQ(Caret(), row.caret);
    }
    EXPECT_EQ(NewMessages(), Texts{});
  }
}

TEST_F(UndoTest, TextTypedSinceIsNeverOverwrittenAndTheChangeIsDropped) {
  const struct {
    const char* what;
    const char16_t* caption;
    host::Selection caret;
    std::int32_t typed_line;  // a line the change left, or beside a deletion's gap
  } rows[] = {{"a re-indented line", u"代码缩进", {5, 1, 5, 1}, 6},
              {"an inserted line", u"分割(&B)", {8, 1, 8, 1}, 8},
              {"a replaced line", u"调试", {8, 5, 8, 10}, 8},
              {"the line that closed a deletion's gap", u"删除空行", {5, 1, 5, 1}, 4}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Start();
    Select(row.caret);
    Click(row.caption);
    auto& module = editor->Module(u"Module1");
    module.ReplaceLine(row.typed_line, module.Text()[row.typed_line - 1] + u" ' typed");
    const auto typed = Text();
    Click(u"撤销上次修改");
    EXPECT_EQ(Text(), typed);
    Click(u"撤销上次修改");
    EXPECT_EQ(Text(), typed);
    EXPECT_EQ(NewMessages(), (Texts{menu::kChangedSinceMessage, menu::kNothingToUndoMessage}));
  }
  // Lines the change left that are gone since count as changed too.
  Start();
  Select({8, 5, 8, 10});
  Click(u"调试");
  editor->Module(u"Module1").DeleteLines(7, 3);
  const auto cut = Text();
  Click(u"撤销上次修改");
  EXPECT_EQ(Text(), cut);
  EXPECT_EQ(NewMessages(), Texts{menu::kChangedSinceMessage});
}

// Each module keeps its own changes, newest first; a click that changes nothing leaves nothing
// to undo.
TEST_F(UndoTest, EachModuleUndoesItsOwnChangesNewestFirst) {
  Start();
  Select({5, 1, 5, 1});
  Click(u"代码缩进");
  const auto indented = Text();
  Select({6, 3, 6, 3});
  Click(u"删除注解");
  Click(u"删除空行");
  Click(u"删除空行");
  editor->Activate(u"Module2");
  Click(u"撤销上次修改");
  EXPECT_EQ(NewMessages(), Texts{menu::kNothingToUndoMessage});
  editor->ActivePane()->PlaceCaret(1, 1);
  Click(u"分割(&B)");
  editor->Activate(u"Module1");
  Click(u"撤销上次修改");
  Click(u"撤销上次修改");
  EXPECT_EQ(Text(), indented);
  EXPECT_EQ(Caret(), (host::Selection{6, 3, 6, 3}));
  Click(u"撤销上次修改");
  EXPECT_EQ(Text(), kModule);
  EXPECT_EQ(Caret(), (host::Selection{5, 1, 5, 1}));
  EXPECT_EQ(Text(u"Module2").size(), 3u) << "the other module's change stays";
  EXPECT_EQ(NewMessages(), Texts{});
}

TEST(UndoHistory, KeepsFiftyChangesAModuleAndEightMegabytesInAllDroppingTheOldest) {
  menu::UndoHistory history;
  const auto add = [&](const char16_t* module, char16_t fill, std::size_t length) {
    menu::ChangeRecord record;
    record.module = module;
    record.edits.push_back({menu::LineEdit::Kind::kInsert, 1, {}, {std::u16string(length, fill)}});
    history.Add(std::move(record));
  };
  const auto newest = [&](const char16_t* module) {
    return history.Newest(module)->edits.front().after.front().front();
  };
  add(u"A", u'a', 1 << 20);  // 2 MB
  for (char16_t fill = u'0'; fill <= u'0' + menu::UndoHistory::kChangesPerModule; ++fill)
    add(u"C", fill, 1);
  EXPECT_EQ(history.Count(u"C"), menu::UndoHistory::kChangesPerModule);
  EXPECT_EQ(history.Count(u"A"), 1u) << "only the module's own oldest change goes";
  for (int i = 1; i < 50; ++i)
    history.DropNewest(u"C");
  EXPECT_EQ(newest(u"C"), u'1');
  for (char16_t fill = u'b'; fill < u'f'; ++fill)
    add(u"B", fill, 1 << 20);
  EXPECT_EQ(history.Newest(u"A"), nullptr) << "the oldest change went first";
  EXPECT_EQ(history.Count(u"B"), 3u);
  EXPECT_EQ(newest(u"B"), u'e');
  // A change too large to keep takes every change before it along, whatever its module.
  history.DropAll();
  EXPECT_EQ(history.Count(u"B") + history.Count(u"C"), 0u);
  EXPECT_EQ(history.Bytes(), 0u);
  // Up to the bound exactly every change stays; past it the oldest goes.
  add(u"D", u'd', 1);
  add(u"E", u'e', (menu::UndoHistory::kBytesInAll - 2 * history.Bytes()) / 2 + 1);
  EXPECT_EQ(history.Bytes(), menu::UndoHistory::kBytesInAll);
  EXPECT_EQ(history.Count(u"D"), 1u);
  add(u"F", u'f', 1);
  EXPECT_EQ(history.Count(u"D") + history.Count(u"E") + history.Count(u"F"), 2u);
}

}  // namespace
}  // namespace tessaly::composition
