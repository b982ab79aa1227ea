#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/file_encoding.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::CrLfLines;
using test_support::FileSnapshot;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kExamples = TESSALY_SOURCE_DIR "/examples/";

const std::string kFlat = CrLfLines(
    {"Attribute VB_Name = \"Flat\"", "Sub A()", "If x Then", "y = 1 ' 中文", "End If", "End Sub"});
const std::string kIndented = CrLfLines({"Attribute VB_Name = \"Flat\"", "Sub A()", "    If x Then",
                                         "        y = 1 ' 中文", "    End If", "End Sub"});

// --check lists each file that would change, once, and exits 1; plain fmt writes the results
// to standard output; -i rewrites only the files that change.
TEST(FormatCommandTest, ChecksShowsOrRewrites) {
  TempFolder folder;
  const std::string flat_name = std::string(246, 'f') + "Flat.bas";  // near the limit of 255
  const std::string flat = folder.Write(flat_name, kFlat);
  const std::string indented = folder.Write("Indented.bas", kIndented);
  const std::string other = folder.Write("Other.bas", kFlat);
  const auto clean = RunTessaly({"fmt", "--check", indented});
  EXPECT_EQ(clean.status, kExitOk);
  EXPECT_EQ(clean.out, "");
  const auto listed = RunTessaly({"fmt", "--check", indented, flat, indented, other});
  EXPECT_EQ(listed.status, kExitChanged);
  EXPECT_EQ(listed.out, flat + "\n" + other + "\n");
  EXPECT_EQ(listed.err, "");

  const auto shown = RunTessaly({"fmt", flat, indented});
  EXPECT_EQ(shown.status, kExitOk);
  EXPECT_EQ(shown.out, kIndented + kIndented);
  EXPECT_EQ(ReadBytes(flat), kFlat);

  const FileSnapshot indented_before(indented);
  const auto in_place = RunTessaly({"fmt", "-i", flat, indented});
  EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
  EXPECT_EQ(in_place.out, "");
  EXPECT_EQ(ReadBytes(flat), kIndented);
  EXPECT_TRUE(FileSnapshot(indented) == indented_before);  // already formatted: not rewritten
  EXPECT_EQ(ReadBytes(other), kFlat);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Indented.bas", "Other.bas", flat_name}));
}

// The bundled examples, one UTF-8 and one GBK, both CR LF with hidden attributes: fmt -i
// moves only indentation, and a second fmt -i finds nothing left to change.
TEST(FormatCommandTest, ExamplesChangeOnlyInIndentationAndOnlyOnce) {
  TempFolder folder;
  const std::string names[] = {"SalesReport.bas", "SalesReportGbk.bas"};
  std::vector<std::string> in_place = {"fmt", "-i"};
  for (const auto& name : names)
    in_place.push_back(folder.Write(name, ReadBytes(kExamples + name)));
  const auto formatted = RunTessaly(in_place);
  ASSERT_EQ(formatted.status, kExitOk) << formatted.err;

  auto unindented = [](const std::string& bytes) {
    return std::regex_replace(bytes, std::regex("(^|\n)[ \t]+"), "$1");
  };
  for (std::size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(names[i]);
    const std::string original = ReadBytes(kExamples + names[i]);
    const FileSnapshot after(in_place[2 + i]);
    EXPECT_NE(after.bytes, original);
    EXPECT_EQ(unindented(after.bytes), unindented(original));
    EXPECT_EQ(RunTessaly(in_place).status, kExitOk);
    EXPECT_TRUE(FileSnapshot(in_place[2 + i]) == after);
  }
  // The examples hold one module in two encodings (only their names differ): formatted
  // alike, each kept in its own encoding.
  auto text = [](const std::string& bytes, FileEncoding encoding) {
    std::u16string decoded = Decode(bytes, encoding);
    return decoded.substr(decoded.find(u'\n'));
  };
  EXPECT_EQ(text(ReadBytes(in_place[2]), FileEncoding::kUtf8),
            text(ReadBytes(in_place[3]), FileEncoding::kCodePage936));
}

}  // namespace
}  // namespace tessaly::cli
