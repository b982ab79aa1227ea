// Properties every code tool keeps on a realistic module, whatever line the caret is on:
// the whitespace tools change only blanks, a second click changes nothing, deleting blank
// lines removes nothing else, and no tool reads or writes more than it must.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "codetools/alignment.h"
#include "codetools/blanks.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"
#include "codetools/target_range.h"
#include "support/code_fixture.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

// A module as users hand it over: procedures of every kind, nested blocks, Chinese comments
// and strings, continuations, indentation off by a few blanks or a tab. Small enough to try
// every caret line.
Lines SampleModule() {
  std::ifstream file(TESSALY_SOURCE_DIR "/tests/data/realistic_module.bas", std::ios::binary);
  Lines lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(text::FromUtf8(line));
  }
  // Without it every property below would hold over nothing.
  if (lines.size() != 240) throw std::runtime_error("tests/data/realistic_module.bas is missing");
  return lines;
}

// The editor's largest module, made of copies of the sample.
Lines LargeModule(std::size_t line_count) {
  const Lines sample = SampleModule();
  Lines lines;
  while (lines.size() < line_count)
    lines.push_back(sample[lines.size() % sample.size()]);
  return lines;
}

Lines WithoutBlanksAndTabs(const Lines& lines) {
  Lines squeezed;
  for (const auto& line : lines)
    squeezed.push_back(RemoveBlanksAndTabs(line));
  return squeezed;
}

Lines WithoutBlankLines(const Lines& lines) {
  Lines kept;
  for (const auto& line : lines) {
    if (!IsBlankLine(line)) kept.push_back(line);
  }
  return kept;
}

std::int32_t RangeSizeAt(const Lines& text, std::int32_t line) {
  CodeFixture probe(text);
  probe.Click(line);
  LineCache lines(probe.Module());
  const TargetRange range = FindTargetRange(lines, line);
  return range.LastLine - range.FirstLine + 1;
}

std::int64_t ChangedLines(const Lines& before, const Lines& after) {
  std::int64_t changed = 0;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i] != after[i]) ++changed;
  }
  return changed;
}

struct Tool {
  const char* name;
  std::function<void(const CodeTarget&)> run;
  bool blanks_only;
  // A second click finds nothing to change. "注解对齐" measures the comment's first characters
  // along with the code, so wide ones move the column right on every click.
  bool settles;
};

const Tool kTools[] = {
    {"代码缩进", IndentCode, true, true},
    {"取消缩进", [](const CodeTarget& t) { RunCleaningWalk(t, Cleaning::kUnindent); }, true, true},
    {"注解对齐", [](const CodeTarget& t) { RunAlignmentWalk(t, kAlignCommentsMode); }, true, false},
    {"取消对齐", [](const CodeTarget& t) { RunAlignmentWalk(t, kUnalignCommentsMode); }, true,
     true},
    {"删除注解", [](const CodeTarget& t) { RunCleaningWalk(t, Cleaning::kDeleteComments); }, false,
     true},
};

TEST(CodeToolProperties, ToolsChangeOnlyWhatTheyOwnWriteOnlyChangedLinesAndSettle) {
  const Lines original = SampleModule();
  const auto count = static_cast<std::int32_t>(original.size());
  for (const Tool& tool : kTools) {
    for (std::int32_t caret = 1; caret <= count; ++caret) {
      CodeFixture editor(original);
      editor.Click(caret, 3);
      editor.ResetCalls();
      tool.run(editor.Target());
      SCOPED_TRACE(std::string(tool.name) + " at line " + std::to_string(caret));
      ASSERT_EQ(editor.Text().size(), original.size());
      if (tool.blanks_only) {
        EXPECT_EQ(WithoutBlanksAndTabs(editor.Text()), WithoutBlanksAndTabs(original));
      }
      EXPECT_LE(editor.Calls(u"CodeModule.Lines"), RangeSizeAt(original, caret));
      EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), ChangedLines(original, editor.Text()));
      EXPECT_EQ(editor.Caret(), (host::Selection{caret, 1, caret, 1}));
      if (!tool.settles) continue;
      const Lines once = editor.Text();
      editor.ResetCalls();
      tool.run(editor.Target());
      EXPECT_EQ(editor.Text(), once);
      EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 0);
    }
  }
}

TEST(CodeToolProperties, DeletingBlankLinesRemovesOnlyBlankLines) {
  const Lines original = SampleModule();
  for (std::int32_t caret = 1; caret <= static_cast<std::int32_t>(original.size()); ++caret) {
    CodeFixture editor(original);
    editor.Click(caret);
    editor.ResetCalls();
    RunCleaningWalk(editor.Target(), Cleaning::kDeleteBlankLines);
    SCOPED_TRACE("caret at line " + std::to_string(caret));
    EXPECT_EQ(WithoutBlankLines(editor.Text()), WithoutBlankLines(original));
    EXPECT_EQ(editor.Calls(u"CodeModule.DeleteLines"),
              static_cast<std::int64_t>(original.size() - editor.Text().size()));
    EXPECT_LE(editor.Calls(u"CodeModule.Lines"), RangeSizeAt(original, caret));
    EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 0);
  }
  CodeFixture editor(original);
  editor.Click(2);  // declarations: the whole module
  RunCleaningWalk(editor.Target(), Cleaning::kDeleteBlankLines);
  EXPECT_EQ(editor.Text(), WithoutBlankLines(original));
}

// The command line formats whole modules through these range variants: each reads a line at
// most once and writes only what changed, on the editor's largest module. How fast they are
// is measured in bench/, not here.
TEST(CodeToolProperties, AWholeModuleOf65000LinesIsReadOnceAndKeepsItsCode) {
  const Lines original = LargeModule(65000);
  CodeFixture editor(original);
  const std::function<bool()> runs[] = {
      [&] { return IndentRange(editor.Module(), 1, 65000); },
      [&] { return AlignRange(editor.Module(), 1, 65000, kAlignCommentsMode); },
      [&] { return CleanRange(editor.Module(), 1, 65000, Cleaning::kUnindent); },
  };
  for (const auto& run : runs) {
    editor.ResetCalls();
    const Lines before = editor.Text();
    EXPECT_TRUE(run());
    EXPECT_LE(editor.Calls(u"CodeModule.Lines"), 65000);
    EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), ChangedLines(before, editor.Text()));
  }
  EXPECT_EQ(WithoutBlanksAndTabs(editor.Text()), WithoutBlanksAndTabs(original));
  EXPECT_NE(editor.Text(), original);
}

}  // namespace
}  // namespace tessaly::codetools
