// A click of "代码注解", "注解对齐" or "取消对齐" in a procedure works on that procedure's body
// and nothing else: its header (with the comment and directive lines above it and the lines
// it continues on), its end line and the lines under the module's last `End Sub` stay as
// they are.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "codetools/alignment.h"
#include "codetools/annotation_walk.h"
#include "support/code_fixture.h"
#include "support/framed_module.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

std::set<std::int32_t> ChangedLines(const Lines& before, const Lines& after) {
  EXPECT_EQ(before.size(), after.size());
  std::set<std::int32_t> changed;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] != after[i]) changed.insert(static_cast<std::int32_t>(i + 1));
  }
  return changed;
}

struct ClickCase {
  const char* title;
  Lines module;
  std::int32_t caret;
  std::int32_t body_first;
  std::int32_t body_last;
  std::set<std::int32_t> annotated;  // the body's code lines without a comment
};

TEST(AnnotationRanges, AClickChangesOnlyTheBodyOfTheProcedureTheSearchFinds) {
  const Lines framed = test_support::SplitUtf8Lines(test_support::kFramedModule);
  const ClickCase cases[] = {
      {"a comment above the header", framed, 6, 6, 7, {7}},
      {"a comment and an #If between the header and the procedure above", framed, 13, 13, 14, {14}},
      {"the second Trace: the search finds the first", framed, 18, 13, 14, {14}},
      {"an indented header, directives in the body", framed, 27, 27, 30, {27, 29}},
      {"a continued header under #If, #End If and a blank line under End Sub",
       framed,
       36,
       36,
       37,
       {36}},
      {"one blank line under End Sub",
       // clang-format off
       {u"Sub A()", u"    x = 1   ' 一", u"    y = 2", u"End Sub   ' 完", u""}, 2, 2, 3,
       // clang-format on
       {3}},
  };
  const AnnotationDictionary dictionary;
  const struct {
    const char* caption;
    std::function<void(addin::Connection&)> tool;
  } tools[] = {
      {"代码注解", [&](addin::Connection& c) { AnnotateCode(c, dictionary); }},
      {"注解对齐", AlignComments},
      {"取消对齐", UnalignComments},
  };
  for (const auto& c : cases) {
    for (const auto& tool : tools) {
      SCOPED_TRACE(std::string(c.title) + ", " + tool.caption);
      CodeFixture code(c.module);
      code.Click(c.caret);
      tool.tool(code.Connection());
      const auto changed = ChangedLines(c.module, code.Text());
      for (const auto line : changed) {
        EXPECT_GE(line, c.body_first);
        EXPECT_LE(line, c.body_last);
      }
      if (tool.caption == std::string("代码注解")) {
        EXPECT_EQ(changed, c.annotated);
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::codetools
