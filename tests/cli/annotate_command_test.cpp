#include <gtest/gtest.h>

#include <string>

#include <set>
#include <vector>
#include "cli/command_line.h"
#include "codetools/annotation_walk.h"
#include "support/cli_fixture.h"
#include "support/code_fixture.h"
#include "support/framed_module.h"

namespace tessaly::cli {
namespace {

// `tessaly annotate` annotates every procedure the editor counts over its own body, as a
// click in that body does where the range search finds the procedure, and touches no
// header, end line, directive or declaration.
using Lines = std::vector<std::u16string>;

TEST(AnnotateRanges, EveryProcedureIsAnnotatedOverItsBodyAsAClickThere) {
  const Lines module = test_support::SplitUtf8Lines(test_support::kFramedModule);
  const auto result =
      test_support::RunTessaly({"annotate", "-"}, std::string(test_support::kFramedModule));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const Lines annotated = test_support::SplitUtf8Lines(result.out);
  ASSERT_EQ(annotated.size(), module.size());

  std::set<std::int32_t> changed;
  for (std::size_t i = 0; i < module.size(); ++i) {
    if (annotated[i] != module[i]) changed.insert(static_cast<std::int32_t>(i + 1));
  }
  // Total, both Traces, the Friend Property, Indented and Report: each body's code lines
  // without a comment, and nothing else.
  EXPECT_EQ(changed, (std::set<std::int32_t>{7, 14, 18, 23, 27, 29, 36}));

  // Where a click finds the procedure, it writes the same lines.
  const codetools::AnnotationDictionary dictionary;
  for (const std::int32_t caret : {6, 13, 27, 36}) {
    SCOPED_TRACE(caret);
    test_support::CodeFixture code(module);
    code.Click(caret);
    codetools::AnnotateCode(code.Connection(), dictionary);
    std::size_t clicked = 0;
    for (std::size_t i = 0; i < module.size(); ++i) {
      if (code.Text()[i] == module[i]) continue;
      ++clicked;
      EXPECT_EQ(annotated[i], code.Text()[i]);
    }
    EXPECT_GT(clicked, 0u);
  }
}

}  // namespace
}  // namespace tessaly::cli
