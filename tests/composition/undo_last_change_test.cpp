// "撤销上次修改" through clicks as the user makes them: every kind of change the function menu
// makes comes back byte for byte with its caret, newest first, never over text changed since.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "add_in_fixture.h"
#include "menu/undo_history.h"
#include "menu/undo_last_change.h"
#include "text/utf.h"

namespace tessaly::composition {
namespace {

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
      // The code tools are undone in the click table's test (editor_behaviour_test.cpp).
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
}

// Each module keeps its own changes, newest first; a click that changes nothing leaves nothing
// to undo, and a reload forgets them all.
TEST_F(UndoTest, EachModuleUndoesItsOwnChangesNewestFirstAndAReloadForgetsThem) {
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

  Click(u"代码缩进");
  Unload();
  Load();
  Click(u"撤销上次修改");
  EXPECT_EQ(Text(), indented);
  EXPECT_EQ(NewMessages(), Texts{menu::kNothingToUndoMessage});
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
  EXPECT_LE(history.Bytes(), menu::UndoHistory::kBytesInAll);
  EXPECT_EQ(history.Newest(u"A"), nullptr) << "the oldest change went first";
  EXPECT_EQ(history.Count(u"B"), 3u);
  EXPECT_EQ(newest(u"B"), u'e');
  history.DropNewest(u"B");
  EXPECT_EQ(newest(u"B"), u'd');
}

}  // namespace
}  // namespace tessaly::composition
