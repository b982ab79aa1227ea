#include "codetools/target_range.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/code_fixture.h"

namespace tessaly::codetools {
namespace {

using test_support::CodeFixture;

// Lines 4-7 an Enum, 8-10 and 11-13 Types (the second indented), 14-18 S with a comment and a
// blank line above it, 19-23 P, 24-26 Q, 27-28 F.
const std::vector<std::u16string> kModule = {
    // clang-format off
    u"Option Explicit", u"Public Const A As Long = 1", u"Dim x As Long",
    u"Private Enum Colors", u"    cRed = 1", u"    cBlue = 2", u"End Enum",
    u"Type Pair", u"    a As Long", u"End Type", u"  Private Type Indented", u"    z As Long", u"End Type",
    u"' about S", u"", u"Sub S()", u"    x = 1", u"End Sub",
    u"Public Property Get P() As Long", u"If x Then", u"    P = 1", u"End If", u"End Property",
    u"Friend Property Get Q() As Long", u"    Q = 2", u"End Property",
    u"Function F()", u"End Function"};
// clang-format on

TEST(TargetRange, FollowsTheStartLine) {
  const struct {
    const char* title;
    std::int32_t start_line;
    TargetRange expected;
  } cases[] = {
      // The walks meet a procedure with comment and blank lines above it, and an Enum block.
      {"a procedure with comment and blank line above", 17, {14, 18}},
      {"End Type line finds its own Type header", 10, {8, 10}},
      {"property procedure closes at an End If in column 1", 21, {19, 22}},
      {"indented header is no header", 12, {1, 28}},
      {"Friend header is no header", 25, {1, 28}},
      {"Dim below a Public Const is the whole module", 3, {1, 28}},
      {"first line of the module", 1, {1, 28}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    CodeFixture editor(kModule);
    LineCache lines(editor.Module());
    EXPECT_EQ(FindTargetRange(lines, c.start_line), c.expected);
  }
  // The editor answers the start but refuses the count: the range is empty and no block search
  // replaces it.
  CodeFixture editor(kModule);
  editor.Application().Calls().Refuse(u"CodeModule.ProcCountLines");
  LineCache lines(editor.Module());
  EXPECT_EQ(FindTargetRange(lines, 17), (TargetRange{14, 13}));
  // A block without its End runs to the last line.
  CodeFixture open_type({u"Option Explicit", u"Type T", u"    a As Long", u"    b As Long"});
  LineCache open_lines(open_type.Module());
  EXPECT_EQ(FindTargetRange(open_lines, 3), (TargetRange{2, 4}));
}

}  // namespace
}  // namespace tessaly::codetools
