// "我的代码": the user's own snippets as the popup shows them, read from folders the tests lay
// out on disk, and clicked as the user clicks them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "menu/snippet_file.h"
#include "menu/snippet_library.h"
#include "menu/snippet_popup.h"
#include "menu/user_snippet_insertion.h"
#include "menu_fixture.h"
#include "support/cli_fixture.h"
#include "support/click_cases.h"

namespace tessaly::menu {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::u16string>;

// The editor with the function menu built, the user's folder and the project's (beside the
// project's file) in a folder of the test's own.
struct SnippetFixture : MenuFixture {
  explicit SnippetFixture(Lines lines = {u"Sub Main()", u"    x = 1", u"End Sub"},
                          sim::EditorOptions options = {})
      : MenuFixture(std::move(lines), std::move(options)) {}

  fs::path User() const { return folder.Path() / "user"; }
  fs::path Project() const { return folder.Path() / "project" / ".tessaly" / "snippets"; }
  // `name` is UTF-8, subfolders joined by slashes.
  void Write(const fs::path& folder, const std::string& name, const std::string& bytes) const {
    const fs::path file = folder / test_support::Utf8Path(name);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  void Build() {
    os.system().SetUserName(u"张三");
    os.system().SetNow({2024, 3, 5, 9, 7});
    menu.BuildMenuBar();
  }
  sim::ControlPath Path(std::initializer_list<std::u16string> items) const {
    sim::ControlPath path{u"TessalyIDE", kSnippetPopupCaption};
    path.insert(path.end(), items);
    return path;
  }
  void Click(std::initializer_list<std::u16string> items) { editor.Click(Path(items)); }

  // The popup as the user reads it: captions, submenus indented, separators and disabled items.
  std::string Shown(const sim::SimCommandBarControls& controls, const std::string& indent = "") {
    std::string shown;
    for (const auto& control : controls.All()) {
      const auto& p = control->Properties();
      if (p.begin_group) shown += indent + "--\n";
      shown += indent + text::ToUtf8(p.caption) + (p.enabled ? "" : " (disabled)") + "\n";
      if (control->Children()) shown += Shown(*control->Children(), indent + "  ");
    }
    return shown;
  }
  std::string Shown() { return Shown(*editor.Control(Path({})).Children()); }

  // Every button of the bar has one sink, ButtonSinks holds no other, and disabled items none.
  void ExpectOneSinkPerButton() {
    std::size_t buttons = 0;
    std::function<void(const sim::SimCommandBarControls&)> walk = [&](const auto& controls) {
      for (const auto& control : controls.All()) {
        if (control->Children()) {
          walk(*control->Children());
          continue;
        }
        const int expected = control->Properties().enabled ? 1 : 0;
        EXPECT_EQ(control->LiveSinkCount(sim::SinkKind::kButtonEvents) +
                      control->LiveSinkCount(sim::SinkKind::kCommandBarEvents),
                  expected)
            << text::ToUtf8(control->Properties().caption);
        buttons += static_cast<std::size_t>(expected);
      }
    };
    walk(editor.Bar(u"TessalyIDE").ControlList());
    EXPECT_EQ(button_sinks->size(), buttons);
  }

  test_support::TempFolder folder;
  FunctionMenu menu =
      MenuOf(connection, button_sinks,
             SnippetFolders{[this] { return (folder.Path() / "project").u16string(); },
                            User().u16string()});
};

TEST(UserSnippets, ThePopupShowsTheFoldersAsLaidOutAndLogsWhatItLeavesOut) {
  SnippetFixture f;
  f.Write(f.User(), "错误处理.txt", "On Error GoTo 0\n");
  f.Write(f.User(), "01 文件头.txt", "\xEF\xBB\xBF' 文件头\r\n");
  f.Write(f.User(), "10 十.txt", "' 10");
  f.Write(f.User(), "2 二.txt", "' 2");
  f.Write(f.User(), "编码.txt", "' \xB1\xE0\xC2\xEB");  // "编码" in GBK
  f.Write(f.User(), "工具/日志.txt", "Debug.Print 1");
  f.Write(f.User(), "a/b/c/三层.txt", "' 3");
  f.Write(f.User(), "a/b/c/d/四层.txt", "' 4");
  f.Write(f.User(), "坏.txt", std::string("x\0y", 3));
  f.Write(f.User(), "大.txt", std::string(kMaxSnippetBytes + 1, 'x'));
  f.Write(f.User(), "乱.txt", "\xEF\xBB\xBF\xFF");
  f.Write(f.User(), ".隐藏.txt", "x");
  f.Write(f.User(), "说明.md", "x");
  f.Write(f.User(), "空/说明.md", "x");
  f.Write(f.Project(), "错误处理.txt", "On Error Resume Next");
  f.Write(f.Project(), "工具/计时.txt", "t = Timer");
  f.Write(f.Project(), "工具/01 开始.txt", "t0 = Timer");
  f.Build();

  EXPECT_EQ(f.Shown(),
            "文件头\n二\n十\n"
            "a\n  b\n    c\n      三层\n"
            "工具\n  开始\n  日志\n  计时\n"
            "编码\n错误处理\n"
            "--\n3 个片段无法读取 (disabled)\n"
            "--\n刷新\n打开片段文件夹\n");
  const auto& log = f.os.system().FailureLines();
  ASSERT_EQ(log.size(), 4u);
  for (const auto* name : {u"坏.txt", u"大.txt", u"乱.txt", u"three levels"}) {
    EXPECT_EQ(std::ranges::count_if(
                  log, [&](const auto& line) { return line.find(name) != std::u16string::npos; }),
              1)
        << text::ToUtf8(name);
  }
  f.ExpectOneSinkPerButton();

  // The project's snippet of the same name replaced the user's; GBK was read as GBK.
  f.Select({2, 1, 2, 1});
  f.Click({u"错误处理"});
  f.Click({u"编码"});
  EXPECT_EQ(f.Text(), (Lines{u"Sub Main()", u"    ' 编码", u"    On Error Resume Next",
                             u"    x = 1", u"End Sub"}));
}

TEST(UserSnippets, ShowsTheFirst200InNumberOrderAndSaysHowManyWereLeftOut) {
  const struct {
    int files;
    std::string tail;
  } cases[] = {
      {0, "刷新\n打开片段文件夹\n"},
      {200, "第200\n--\n刷新\n打开片段文件夹\n"},
      {201, "第200\n--\n另有 1 个片段未列出（最多 200 个） (disabled)\n--\n刷新\n打开片段文件夹\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files);
    SnippetFixture f;
    for (int i = 1; i <= c.files; ++i) {
      const auto n = std::to_string(i);
      f.Write(f.User(), n + " 第" + n + ".txt", "' " + n);
    }
    // A project folder that cannot be read is logged and passed over.
    f.os.files().RefuseFolder(f.Project().u16string());
    f.Write(f.Project(), "x.txt", "x");
    f.Build();
    const std::string shown = f.Shown();
    EXPECT_TRUE(shown.ends_with(c.tail)) << shown;
    EXPECT_EQ(shown.starts_with("第1\n第2\n第3\n"), c.files > 0) << shown;
    EXPECT_EQ(f.os.system().FailureLines().size(), 1u);
    f.ExpectOneSinkPerButton();
  }
}

// The menu's order: runs of digits by their number, all else unit by unit, and a name before
// every longer name it begins; of one number written two ways, the shorter way last.
TEST(UserSnippets, NamesSortWithTheirNumbersAsNumbers) {
  const std::pair<std::u16string_view, std::u16string_view> ordered[] = {
      {u"2 二", u"10 十"}, {u"ab", u"abc"}, {u"a", u"a1"}, {u"a2b", u"a10"},
      {u"x2", u"x2y"},     {u"01", u"1"},   {u"9", u"a"},  {u"A", u"_"}};
  for (const auto& [first, second] : ordered) {
    EXPECT_TRUE(SnippetNameLess(first, second)) << text::ToUtf8(first);
    EXPECT_FALSE(SnippetNameLess(second, first)) << text::ToUtf8(first);
    EXPECT_FALSE(SnippetNameLess(first, first)) << text::ToUtf8(first);
  }
}

struct InsertCase {
  const char* name;
  std::string snippet;
  Lines before;
  host::Selection selection;
  Lines after;
  host::Selection caret;
};

TEST(UserSnippets, InsertWithTheirPlaceholdersWhereTheCatalogueSnippetsGo) {
  const Lines kIf = {u"Sub Main()", u"    If x Then", u"", u"    End If", u"End Sub"};
  const Lines kTwo = {u"Sub Main()", u"    a = 1", u"    b = 2", u"End Sub"};
  // clang-format off
  const InsertCase cases[] = {
      {"EveryPlaceholder", "' $PROC$ $MODULE$ $PROJECT$ $DATE$ $TIME$ $AUTHOR$ $$ $FOO$ $$SELECTION$\n",
       {u"Sub Main()", u"    x = 1", u"End Sub"}, {2, 3, 2, 3},
       {u"Sub Main()", u"    ' Main Module1 VBAProject 2024-03-05 09:07 张三 $ $FOO$ $SELECTION$",
        u"    x = 1", u"End Sub"}, {2, 70, 2, 70}},
      {"OutsideAProcedure", "'[$PROC$]", {u"Option Explicit", u"", u"Sub Main()", u"End Sub"},
       {1, 1, 1, 1}, {u"'[]", u"Option Explicit", u"", u"Sub Main()", u"End Sub"}, {1, 4, 1, 4}},
      // Above a closing line, one level deeper; the caret at $CURSOR$.
      {"CursorInsideABlock", "For i = 1 To n\r\n    $CURSOR$\r\nNext", kIf, {3, 1, 3, 1},
       {u"Sub Main()", u"    If x Then", u"        For i = 1 To n", u"            ", u"        Next",
        u"", u"    End If", u"End Sub"}, {4, 13, 4, 13}},
      {"DeclarationAtColumnOne", "Private Function $MODULE$Name()\nEnd Function", kTwo, {3, 5, 3, 5},
       {u"Sub Main()", u"    a = 1", u"Private Function Module1Name()", u"End Function", u"    b = 2",
        u"End Sub"}, {4, 13, 4, 13}},
      {"ParameterAtTheCaret", "Optional ByVal $CURSOR$n As Long", {u"Sub A(x)"}, {1, 8, 1, 8},
       {u"Sub A(xOptional ByVal n As Long)"}, {1, 23, 1, 23}},
      {"SelectionInALine", "Nz($SELECTION$, 0)", {u"Sub A()", u"    x = Foo(a)"}, {2, 9, 2, 15},
       {u"Sub A()", u"    x = Nz(Foo(a), 0)"}, {2, 22, 2, 22}},
      // Whole lines selected (to column 1 of the next) stand at the snippet's indentation.
      {"SelectedLinesWrapped", "If ok Then\n    $SELECTION$\nEnd If", kTwo, {2, 1, 4, 1},
       {u"Sub Main()", u"    If ok Then", u"        a = 1", u"        b = 2", u"    End If",
        u"End Sub"}, {5, 11, 5, 11}},
      // Without a selection, $SELECTION$ is empty and the snippet goes above the caret line.
      {"NoSelection", "Debug.Print \"$SELECTION$\"", kTwo, {3, 7, 3, 7},
       {u"Sub Main()", u"    a = 1", u"    Debug.Print \"\"", u"    b = 2", u"End Sub"},
       {3, 19, 3, 19}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SnippetFixture f(c.before);
    f.Write(f.User(), "片段.txt", c.snippet);
    f.Build();
    f.Select(c.selection);
    f.Click({u"片段"});
    EXPECT_EQ(f.Text(), c.after);
    EXPECT_EQ(f.Selection(), c.caret);
    // And "撤销上次修改" takes it back.
    f.editor.Click(test_support::FunctionMenuPath(f.editor, u"撤销上次修改"));
    EXPECT_EQ(f.Text(), c.before);
  }
}

// The code page's edges: ASCII up to U+007F, U+0080 that code page 936 has no code for, a
// surrogate pair named whole.
TEST(UserSnippets, ACharacterTheCodePageCannotHoldStopsTheInsertionWithAMessage) {
  const struct {
    const char* line;
    std::u16string refused;  // empty: inserted
    const char* code_point;
  } rows[] = {
      {"' \x7F 好", u"", ""},
      {"' \xC2\x80", u"\u0080", "U+0080"},
      {"' 好 \xF0\x9F\x98\x80", u"\U0001F600", "U+1F600"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    SnippetFixture f;
    f.Write(f.User(), "表情.txt", row.line);
    f.Build();
    f.Select({2, 1, 2, 1});
    f.Click({u"表情"});
    const auto& boxes = f.os.system().MessageBoxes();
    if (row.refused.empty()) {
      EXPECT_EQ(f.Text(), (Lines{u"Sub Main()", u"    ' \u007F 好", u"    x = 1", u"End Sub"}));
      EXPECT_TRUE(boxes.empty());
      continue;
    }
    EXPECT_EQ(f.Text(), (Lines{u"Sub Main()", u"    x = 1", u"End Sub"}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"片段“表情”中的字符“" + row.refused + u"”（" +
                                 text::FromUtf8(row.code_point) +
                                 u"）无法用系统的代码页保存，未插入任何代码。");
  }
}

// A snippet named like a command inserts itself; 刷新 reads the folder again with one sink per
// button, also in the next run of an editor that kept the bar; 打开片段文件夹 makes the folder.
TEST(UserSnippets, ButtonsKeepTheirOwnActionsThroughRefreshAndTheNextRun) {
  SnippetFixture f;
  f.Write(f.User(), "代码缩进.txt", "Stop");
  f.Build();
  f.Select({2, 1, 2, 1});
  f.Click({u"代码缩进"});
  EXPECT_EQ(f.Text(), (Lines{u"Sub Main()", u"    Stop", u"    x = 1", u"End Sub"}));

  f.Write(f.User(), "新.txt", "' new");
  for (int i = 0; i < 2; ++i)
    f.Click({kRefreshSnippetsCaption});
  EXPECT_EQ(f.Shown(), "代码缩进\n新\n--\n刷新\n打开片段文件夹\n");
  f.ExpectOneSinkPerButton();

  // Detached as the add-in stops, a sink the editor still holds runs nothing.
  addin::DetachButtonSinks(f.button_sinks);
  f.Click({u"代码缩进"});
  EXPECT_EQ(f.Text(), (Lines{u"Sub Main()", u"    Stop", u"    x = 1", u"End Sub"}));

  // The next run: a new add-in finds the bar, wires it again, and fills the popup anew.
  addin::ReleaseButtonSinks(f.button_sinks);
  addin::Connection next = ConnectionTo(f.editor);
  addin::ButtonSinks next_sinks;
  FunctionMenu next_menu = f.MenuOf(next, next_sinks, SnippetFolders{{}, f.User().u16string()});
  next_menu.RewireExistingBar();
  f.button_sinks = next_sinks;
  EXPECT_EQ(f.Shown(), "代码缩进\n新\n--\n刷新\n打开片段文件夹\n");
  f.ExpectOneSinkPerButton();
  f.Click({u"代码缩进"});
  EXPECT_EQ(f.Text()[1], u"    Stop");
  EXPECT_EQ(f.Text()[2], u"    Stop");

  fs::remove_all(f.User());
  f.Click({kOpenSnippetFolderCaption});
  EXPECT_TRUE(fs::is_directory(f.User()));
  EXPECT_EQ(f.os.system().OpenedFolders(), std::vector<std::u16string>{f.User().u16string()});
}

// In the editors the project's folder is the one of the project's file; a project never saved
// (VB6 names no file, the VBA editors refuse the name) has none.
TEST(UserSnippets, TheProjectsSnippetsAreBesideTheProjectsFile) {
  for (const bool vb6 : {true, false}) {
    for (const bool saved : {true, false}) {
      SCOPED_TRACE(testing::Message() << vb6 << saved);
      test_support::TempFolder project;
      auto options = test_support::EditorFor(vb6);
      if (saved) options.project_file = (project.Path() / "Book.xlsm").u16string();
      SnippetFixture f({u""}, options);
      FunctionMenu menu =
          f.MenuOf(f.connection, f.button_sinks, SnippetFolders{{}, f.User().u16string()});
      f.Write(f.User(), "a.txt", "' user");
      f.Write(project.Path() / ".tessaly" / "snippets", "b.txt", "' project");
      menu.BuildMenuBar();
      EXPECT_EQ(f.Shown(),
                saved ? "a\nb\n--\n刷新\n打开片段文件夹\n" : "a\n--\n刷新\n打开片段文件夹\n");
    }
  }
}

}  // namespace
}  // namespace tessaly::menu
