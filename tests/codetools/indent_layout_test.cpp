// "代码缩进" over whole modules in every style of the shared layout table, through the editor:
// the same table runs through `tessaly fmt` in tests/cli, so the two faces cannot drift.

#include <gtest/gtest.h>

#include "codetools/indent.h"
#include "support/code_fixture.h"
#include "support/layout_cases.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using namespace test_support;

IndentStyle StyleOfKeys(const std::vector<std::string>& keys) {
  IndentStyle style;
  for (const std::string& key : keys) {
    if (key == "indent_style = tab") style.indentation = IndentStyle::Indentation::kTabs;
    if (key == "indent_style = space") style.indentation = IndentStyle::Indentation::kBlanks;
    if (key == "indent_size = 2") style.indent_size = 2;
    if (key == "trim_trailing_whitespace = true") style.trim_trailing_whitespace = true;
    if (key == "vb_indent_case = true") style.indent_case = true;
    if (key == "vb_directives_at_column_1 = true") style.directives_at_column_1 = true;
    if (key == "vb_labels_at_column_1 = true") style.labels_at_column_1 = true;
    if (key == "vb_keep_column_1_comments = true") style.keep_column_1_comments = true;
    if (key == "vb_continuation = keep") style.continuation = IndentStyle::Continuation::kKeep;
  }
  return style;
}

// Each case laid out from its input, then once more from its result, which must stay as it is.
TEST(IndentLayout, EveryStyleLaysOutTheTableThroughTheEditor) {
  for (const LayoutCase& layout_case : LayoutCases()) {
    SCOPED_TRACE(layout_case.title);
    const IndentStyle style = StyleOfKeys(layout_case.keys);
    const auto expected = CaseLines(layout_case.expected);
    for (const auto& input : {InputLines(layout_case), expected}) {
      CodeFixture fixture(input);
      LineCache lines(fixture.Module());
      EXPECT_TRUE(IndentRange(lines, 1, static_cast<std::int32_t>(input.size()), style));
      EXPECT_EQ(fixture.Text(), expected);
    }
  }
}

}  // namespace
}  // namespace tessaly::codetools
