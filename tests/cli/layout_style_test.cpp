// `tessaly fmt` in the style of the `.editorconfig` beside a module: the shared layout table
// (the code tool runs the same table in tests/codetools), the styles of nested folders, and a
// broken file refused before anything is written.

#include "support/cli_fixture.h"
#include "support/layout_cases.h"
#include "text/utf.h"

namespace tessaly::cli {
namespace {

using namespace test_support;

std::string CrLfModule(const std::vector<std::u16string>& lines) {
  std::string bytes;
  for (const auto& line : lines)
    bytes += text::ToUtf8(line) + "\r\n";
  return bytes;
}

std::string EditorConfig(const std::vector<std::string>& keys) {
  std::string text = "root = true\n\n[*.bas]\n";
  for (const auto& key : keys)
    text += key + "\n";
  return text;
}

// Each case formatted in place, then checked: the file is the expected text, and a second run
// finds nothing to change.
TEST(LayoutStyle, FmtLaysOutTheTableInTheStyleOfTheEditorConfig) {
  for (const LayoutCase& layout_case : LayoutCases()) {
    SCOPED_TRACE(layout_case.title);
    TempFolder folder;
    folder.Write(".editorconfig", EditorConfig(layout_case.keys));
    const std::string module = folder.Write("模块1.bas", CrLfModule(InputLines(layout_case)));
    const auto formatted = RunTessaly({"fmt", "-i", module});
    ASSERT_EQ(formatted.status, kExitOk) << formatted.err;
    EXPECT_EQ(ReadBytes(module), CrLfModule(CaseLines(layout_case.expected)));
    EXPECT_EQ(RunTessaly({"fmt", "--check", module}).status, kExitOk);
  }
}

// A nearer file overrides a farther one key by key, for fmt and a click alike, a root file ends the
// search (the labels of the top folder's file stay there), and a file a section does not name keeps
// what the others give. --no-editorconfig and --style try a style without the files.
TEST(LayoutStyle, NearerFilesOverrideFartherOnesUpToTheRoot) {
  TempFolder folder;
  folder.Write(".editorconfig",
               "root = true\n[*]\nindent_size = 3\nvb_labels_at_column_1 = true\n");
  folder.Write("repo/.editorconfig", "root = true\n[*]\nindent_size = 2\nvb_indent_case = true\n");
  folder.Write("repo/src/.editorconfig", "[*.cls]\nindent_style = tab\n");
  const std::string body =
      "Sub S()\r\nSelect Case x\r\nCase 1\r\ny = 1\r\nEnd Select\r\nL:\r\nEnd Sub\r\n";
  const std::string bas = folder.Write("repo/src/A.bas", body);
  const std::string cls = folder.Write("repo/src/B.cls", body);
  const std::string top = folder.Write("C.bas", body);
  const std::string two_space_case =
      "Sub S()\r\n  Select Case x\r\n    Case 1\r\n      y = 1\r\n  End Select\r\n  L:\r\nEnd "
      "Sub\r\n";
  const struct {
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {{"fmt", bas}, two_space_case},
      // The click finds the same files, through the project saved in the module's folder.
      {{"click", "代码缩进", bas, "--line", "2"}, two_space_case},
      {{"fmt", cls},
       "Sub S()\r\n\tSelect Case x\r\n\t\tCase 1\r\n\t\t\ty = 1\r\n\tEnd Select\r\n\tL:\r\nEnd "
       "Sub\r\n"},
      {{"fmt", top},
       "Sub S()\r\n   Select Case x\r\n   Case 1\r\n      y = 1\r\n   End Select\r\nL:\r\nEnd "
       "Sub\r\n"},
      {{"fmt", "--no-editorconfig", bas},
       "Sub S()\r\n    Select Case x\r\n    Case 1\r\n        y = 1\r\n    End Select\r\n    "
       "L:\r\nEnd Sub\r\n"},
      {{"fmt", "--no-editorconfig", "--style", "indent_size=2", "--style", "vb_indent_case=true",
        top},
       two_space_case},
      {{"fmt", "--style", "vb_indent_case=false", "--style", "indent_size=2", bas},
       "Sub S()\r\n  Select Case x\r\n  Case 1\r\n    y = 1\r\n  End Select\r\n  L:\r\nEnd "
       "Sub\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const auto result = RunTessaly(c.args);
    ASSERT_EQ(result.status, kExitOk) << result.err;
    EXPECT_EQ(result.out, c.expected);
  }
}

// A value a key cannot take, or a line that is no setting, stops the run with one line that
// names the file, the line and the key, before any module is rewritten.
TEST(LayoutStyle, ABrokenEditorConfigIsRefusedAndNothingIsWritten) {
  const struct {
    std::string config;
    std::vector<std::string> parts;
  } cases[] = {
      {"[*]\nindent_size = 2\nindent_size = abc\n", {".editorconfig", "3", "indent_size"}},
      {"[*]\nvb_continuation = wobble\n", {".editorconfig", "2", "vb_continuation"}},
      {"[*]\nthis line sets nothing\n", {".editorconfig", "2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.config);
    TempFolder folder;
    const std::string good = folder.Write("A.bas", "Sub S()\r\nx = 1\r\nEnd Sub\r\n");
    folder.Write("broken/.editorconfig", c.config);
    const std::string bad = folder.Write("broken/B.bas", "Sub S()\r\nx = 1\r\nEnd Sub\r\n");
    const auto before = SnapshotFolder(folder);
    EXPECT_TRUE(IsRefusal(RunTessaly({"fmt", "-i", good, bad}), c.parts));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

}  // namespace
}  // namespace tessaly::cli
