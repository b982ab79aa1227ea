// fmt and annotate: the commands that rewrite whole modules.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/file_encoding.h"
#include "support/cli_fixture.h"
#include "support/code_fixture.h"
#include "support/framed_module.h"

namespace tessaly::cli {
namespace {

using test_support::FileSnapshot;
using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kExamples = TESSALY_SOURCE_DIR "/examples/";

// --check lists each file that would change, once, and exits 1; plain fmt writes the results
// to standard output; -i rewrites only the files that change.
TEST(FormatCommandTest, ChecksShowsOrRewrites) {
  TempFolder folder;
  const std::string flat_name = std::string(246, 'f') + "Flat.bas";  // near the limit of 255
  const std::string flat = folder.Write(flat_name, kFlatModule);
  const std::string indented = folder.Write("Indented.bas", kIndentedModule);
  const std::string other = folder.Write("Other.bas", kFlatModule);
  const auto clean = RunTessaly({"fmt", "--check", indented});
  EXPECT_EQ(clean.status, kExitOk);
  EXPECT_EQ(clean.out, "");
  const auto listed = RunTessaly({"fmt", "--check", indented, flat, indented, other});
  EXPECT_EQ(listed.status, kExitChanged);
  EXPECT_EQ(listed.out, flat + "\n" + other + "\n");
  EXPECT_EQ(listed.err, "");

  const auto shown = RunTessaly({"fmt", flat, indented});
  EXPECT_EQ(shown.status, kExitOk);
  EXPECT_EQ(shown.out, kIndentedModule + kIndentedModule);
  EXPECT_EQ(ReadBytes(flat), kFlatModule);

  const FileSnapshot indented_before(indented);
  const auto in_place = RunTessaly({"fmt", "-i", flat, indented});
  EXPECT_EQ(in_place.status, kExitOk) << in_place.err;
  EXPECT_EQ(in_place.out, "");
  EXPECT_EQ(ReadBytes(flat), kIndentedModule);
  EXPECT_TRUE(FileSnapshot(indented) == indented_before);  // already formatted: not rewritten
  EXPECT_EQ(ReadBytes(other), kFlatModule);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Indented.bas", "Other.bas", flat_name}));
}

// The bundled examples hold one module in UTF-8 and in code page 936, CR LF with hidden
// attributes: fmt -i moves only indentation, annotate -i adds, each once, alike in both files
// and each file kept in its own encoding; a second run rewrites nothing. The temporary name
// does not grow with the file's: names near the system's limit of 255 bytes are rewritten too.
TEST(ExampleModules, ChangeOnceAndAlikeInBothEncodings) {
  auto unindented = [](const std::string& bytes) {
    return std::regex_replace(bytes, std::regex("(^|\n)[ \t]+"), "$1");
  };
  auto text = [](const std::string& path, FileEncoding encoding) {
    const std::u16string decoded = Decode(ReadBytes(path), encoding);
    return decoded.substr(decoded.find(u'\n'));
  };
  const std::string names[] = {"SalesReport.bas", "SalesReportGbk.bas"};
  for (const std::string command : {"fmt", "annotate"}) {
    SCOPED_TRACE(command);
    TempFolder folder;
    std::vector<std::string> paths;
    for (const auto& name : names)
      paths.push_back(
          folder.Write(std::string(254 - name.size(), 'm') + name, ReadBytes(kExamples + name)));
    const auto once = RunTessaly({command, "-i", paths[0], paths[1]});
    ASSERT_EQ(once.status, kExitOk) << once.err;
    for (std::size_t i = 0; i < 2; ++i) {
      const std::string original = ReadBytes(kExamples + names[i]);
      const FileSnapshot after(paths[i]);
      EXPECT_EQ(after.bytes.rfind("Attribute VB_Name", 0), 0u);  // the header stays first
      if (command == "fmt") {
        EXPECT_NE(after.bytes, original);
        EXPECT_EQ(unindented(after.bytes), unindented(original));
      } else {
        EXPECT_GT(after.bytes.size(), original.size());
      }
      EXPECT_EQ(RunTessaly({command, paths[i]}).out, after.bytes);
      EXPECT_EQ(RunTessaly({command, "-i", paths[i]}).status, kExitOk);
      EXPECT_TRUE(FileSnapshot(paths[i]) == after);
    }
    EXPECT_EQ(text(paths[0], FileEncoding::kUtf8), text(paths[1], FileEncoding::kCodePage936));
    EXPECT_EQ(folder.Entries().size(), 2u);
  }
}

// `tessaly annotate` annotates every procedure the editor counts over its own body, as a
// click in that body does where the range search finds the procedure: Total, both Traces, the
// Friend Property, Indented and Report, each body's code lines without a comment, and no
// header, end line, directive or declaration. (What annotation writes: tests/codetools.)
TEST(AnnotateRanges, EveryProcedureIsAnnotatedOverItsBody) {
  const auto module = test_support::SplitUtf8Lines(test_support::kFramedModule);
  const auto result = RunTessaly({"annotate", "-"}, std::string(test_support::kFramedModule));
  ASSERT_EQ(result.status, kExitOk) << result.err;
  const auto annotated = test_support::SplitUtf8Lines(result.out);
  ASSERT_EQ(annotated.size(), module.size());
  std::set<std::size_t> changed;
  for (std::size_t i = 0; i < module.size(); ++i) {
    if (annotated[i] != module[i]) changed.insert(i + 1);
  }
  EXPECT_EQ(changed, (std::set<std::size_t>{7, 14, 18, 23, 27, 29, 36}));
}

}  // namespace
}  // namespace tessaly::cli
