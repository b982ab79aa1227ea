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

using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kExamples = TESSALY_SOURCE_DIR "/examples/";

// Annotating an annotated module adds nothing: twice is once, in both encodings. The
// temporary name does not grow with the file's: a name near the system's limit of 255 bytes
// is rewritten too, and no temporary file stays behind.
TEST(AnnotateCommandTest, TwiceIsOnce) {
  TempFolder folder;
  for (const std::string name : {"SalesReport.bas", "SalesReportGbk.bas"}) {
    SCOPED_TRACE(name);
    const std::string original = ReadBytes(kExamples + name);
    const std::string path = folder.Write(std::string(254 - name.size(), 'm') + name, original);

    const auto once = RunTessaly({"annotate", "-i", path});
    ASSERT_EQ(once.status, kExitOk) << once.err;
    const FileSnapshot annotated(path);
    EXPECT_GT(annotated.bytes.size(), original.size());
    EXPECT_EQ(annotated.bytes.rfind("Attribute VB_Name", 0), 0u);  // the header stays first

    const auto twice = RunTessaly({"annotate", "-i", path});
    EXPECT_EQ(twice.status, kExitOk) << twice.err;
    EXPECT_TRUE(FileSnapshot(path) == annotated);
    EXPECT_EQ(RunTessaly({"annotate", path}).out, annotated.bytes);
  }
  EXPECT_EQ(folder.Entries().size(), 2u);
}

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
