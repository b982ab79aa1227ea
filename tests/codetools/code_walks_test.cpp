// Every code tool as a click runs it: on the procedure or block around the caret, line by
// line through the editor, stopping at a line it refuses to read (the caret then stays where the
// user left it).
//
// Changes no test here can see, because they cannot change what a walk does: a `reserve` of
// the line cache or of the indented lines deleted or skipped for a one-line range (only the
// allocation differs), and the search for a block's End stopping before the module's last
// line (a block without an End found runs to that last line all the same).

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codetools/alignment.h"
#include "codetools/annotation_walk.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"
#include "support/code_fixture.h"
#include "support/refusing_module.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

const AnnotationDictionary kDictionary;

const auto Annotate = [](const CodeTarget& t) { AnnotateCode(t, kDictionary); };
const auto DeleteBlankLines = [](const CodeTarget& t) {
  RunCleaningWalk(t, Cleaning::kDeleteBlankLines);
};
const auto AlignComments = [](const CodeTarget& t) { RunAlignmentWalk(t, kAlignCommentsMode); };

struct Walk {
  const char* name;
  std::function<void(const CodeTarget&)> tool;
  Lines text;
  host::Selection click;
  std::int32_t refuse_read = 0;  // the line the editor will not read
  Lines expected;
  host::Selection caret;                  // where the caret ends
  const char16_t* refuse_call = nullptr;  // a call the editor refuses
};

TEST(CodeWalks, EachToolWorksOnTheRangeAroundTheCaret) {
  const Lines two_subs = {u"Option Explicit", u"  Dim x", u"Sub A()", u"a = 1",
                          u"End Sub",         u"Sub B()", u"b = 1",   u"End Sub"};
  const Lines annotated = {u"Option Explicit",   u"' 汇总", u"Sub 汇总()",
                           u"    Dim n As Long", u"",       u"    n = 5 ' 五",
                           u"    n = n + 1",     u"End Sub"};
  // clang-format off
  const Walk walks[] = {
      {"indent: a selection from A into B works on A only", IndentCode, two_subs, {4, 3, 7, 2},
       0, {u"Option Explicit", u"  Dim x", u"Sub A()", u"    a = 1", u"End Sub", u"Sub B()",
              u"b = 1", u"End Sub"}, {4, 1, 4, 1}},
      {"indent: an unreadable line ends the run", IndentCode,
       {u"Sub A()", u"If a Then", u"a = 1", u"  b = 1", u"c = 1", u"End If", u"End Sub"},
       {6, 3, 6, 3}, 4,
       {u"Sub A()", u"    If a Then", u"        a = 1", u"  b = 1", u"c = 1", u"End If",
        u"End Sub"}, {6, 3, 6, 3}},
      // The editor answers the procedure's start but refuses its count: the block search finds
      // no block around it, and the tool works on the module.
      {"indent: a refused line count is made good by the block search", IndentCode,
       {u"Sub A()", u"a = 1", u"End Sub", u"x = 1"}, {2, 1, 2, 1}, 0,
       {u"Sub A()", u"    a = 1", u"End Sub", u"x = 1"}, {2, 1, 2, 1}, u"CodeModule.ProcCountLines"},
      // A property, which the editor answers for no ordinary procedure, is found by its header,
      // on the module's first line too; nothing below it moves.
      {"indent: a property is found by its header", IndentCode,
       {u"Property Get P()", u"P = 1", u"End Property", u"  x = 1"}, {2, 1, 2, 1}, 0,
       {u"Property Get P()", u"    P = 1", u"End Property", u"  x = 1"}, {2, 1, 2, 1}},
      {"blank lines: an unreadable line ends the run", DeleteBlankLines,
       {u"Sub A()", u"", u"  x = 1", u"", u"", u"End Sub"}, {3, 2, 3, 2}, 4,
       {u"Sub A()", u"  x = 1", u"", u"", u"End Sub"}, {3, 2, 3, 2}},
      {"blank lines: a refused deletion keeps the line", DeleteBlankLines,
       {u"Sub A()", u"", u"x = 1", u"", u"End Sub"}, {3, 1, 3, 1}, 0,
       {u"Sub A()", u"", u"x = 1", u"", u"End Sub"}, {3, 1, 3, 1}, u"CodeModule.DeleteLines"},
      {"align: an unreadable line ends the run there", AlignComments,
       {u"Sub A()", u"x = 1 ' a", u"y = 22 ' b", u"longest = 1 ' c", u"z = 1 ' d", u"End Sub"},
       {5, 2, 5, 2}, 4,
       {u"Sub A()", u"x = 1  ' a", u"y = 22 ' b", u"longest = 1 ' c", u"z = 1 ' d", u"End Sub"},
       {5, 2, 5, 2}},
      {"annotate: an unreadable line ends the run", Annotate, annotated, {4, 3, 4, 3}, 7,
       {u"Option Explicit", u"' 汇总", u"Sub 汇总()", u"    Dim n As Long '定义变量 n 为 长整型值",
        u"", u"    n = 5 ' 五", u"    n = n + 1", u"End Sub"}, {4, 3, 4, 3}},
  };
  // clang-format on
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.name);
    CodeFixture editor(walk.text);
    test_support::RefusingModule module(editor.Module());
    if (walk.refuse_read) module.RefuseReadAt(walk.refuse_read);
    if (walk.refuse_call) editor.Application().Calls().Refuse(walk.refuse_call);
    editor.Click(walk.click.start_line, walk.click.start_column, walk.click.end_line,
                 walk.click.end_column);
    walk.tool({editor.Target().pane, module, editor.Target().SavedStartLine});
    EXPECT_EQ(editor.Text(), walk.expected);
    EXPECT_EQ(editor.Caret(), walk.caret);
  }
}

}  // namespace
}  // namespace tessaly::codetools
