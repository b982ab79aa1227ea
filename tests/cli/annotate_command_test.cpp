#include <gtest/gtest.h>

#include <string>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kExamples = TESSALY_SOURCE_DIR "/examples/";

// Annotating an annotated module adds nothing: twice is once, in both encodings.
TEST(AnnotateCommandTest, TwiceIsOnce) {
  TempFolder folder;
  for (const char* name : {"SalesReport.bas", "SalesReportGbk.bas"}) {
    SCOPED_TRACE(name);
    const std::string original = ReadBytes(kExamples + name);
    const std::string path = folder.Write(name, original);

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
}

TEST(AnnotateCommandTest, CommentsEachLineInChinese) {
  const auto result =
      RunTessaly({"annotate", "-"}, "Sub A()\r\nDim n As Long\r\nn = 1\r\nEnd Sub\r\n");
  EXPECT_EQ(result.status, kExitOk) << result.err;
  // An ASCII module is written in code page 936: "定义变量" in GBK.
  EXPECT_NE(result.out.find("Dim n As Long '\xB6\xA8\xD2\xE5\xB1\xE4\xC1\xBF"), std::string::npos)
      << result.out;
}

}  // namespace
}  // namespace tessaly::cli
