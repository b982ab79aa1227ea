// Properties every code tool keeps on a realistic module, whatever line the caret is on:
// the whitespace tools change only blanks, deleting blank lines removes nothing else, a second
// click changes nothing, and no tool reads or writes more than it must.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "codetools/alignment.h"
#include "codetools/annotation_walk.h"
#include "codetools/blanks.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"
#include "codetools/target_range.h"
#include "host/code_lines.h"
#include "support/code_fixture.h"
#include "text/utf.h"

namespace tessaly::codetools {
namespace {

using Lines = std::vector<std::u16string>;
using test_support::CodeFixture;

// A module as users hand it over: procedures of every kind, nested blocks, Chinese comments
// and strings, continuations, indentation off by a few blanks or a tab. Small enough to try
// every caret line.
Lines ReadModule(const std::string& path) {
  std::ifstream file(TESSALY_SOURCE_DIR "/tests/" + path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // Split as the editor splits code handed to it; the break that ends the file ends a line.
  Lines lines = host::SplitCodeLines(text::FromUtf8(bytes));
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  // Without it every property below would hold over nothing.
  if (lines.empty()) throw std::runtime_error("tests/" + path + " is missing");
  return lines;
}

// The lines with what a tool may change taken out.
Lines WithoutBlanksAndTabs(Lines lines) {
  for (auto& line : lines)
    std::erase_if(line, [](char16_t c) { return c == u' ' || c == u'\t'; });
  return lines;
}
Lines WithoutBlankLines(Lines lines) {
  std::erase_if(lines, [](const std::u16string& line) { return IsBlankLine(line); });
  return lines;
}

TargetRange RangeAt(const Lines& text, std::int32_t line) {
  CodeFixture probe(text);
  LineCache lines(probe.Module());
  return FindTargetRange(lines, line);
}

std::int64_t ChangedLines(const Lines& before, const Lines& after) {
  std::int64_t changed = 0;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
    changed += before[i] != after[i];
  return changed;
}

struct Tool {
  const char* name;
  const char* expected;  // the module after a click in each of its procedures and blocks
  void (*run)(const CodeTarget&);
  Lines (*kept)(Lines);  // what the tool leaves as it was; null: no such promise
  // A second click finds nothing to change. "注解对齐" measures the comment's first characters
  // along with the code, so wide ones move the column right on every click.
  bool settles;
};

const AnnotationDictionary kDictionary;
// clang-format off
void Unindent(const CodeTarget& t) { RunCleaningWalk(t, Cleaning::kUnindent); }
void DeleteComments(const CodeTarget& t) { RunCleaningWalk(t, Cleaning::kDeleteComments); }
void DeleteBlankLines(const CodeTarget& t) { RunCleaningWalk(t, Cleaning::kDeleteBlankLines); }
void Align(const CodeTarget& t) { RunAlignmentWalk(t, kAlignCommentsMode); }
void Unalign(const CodeTarget& t) { RunAlignmentWalk(t, kUnalignCommentsMode); }
void Annotate(const CodeTarget& t) { AnnotateCode(t, kDictionary); }

const Tool kTools[] = {
    {"代码缩进", "indent.bas", IndentCode, WithoutBlanksAndTabs, true},
    {"取消缩进", "unindent.bas", Unindent, WithoutBlanksAndTabs, true},
    {"注解对齐", "align.bas", Align, WithoutBlanksAndTabs, false},
    {"取消对齐", "unalign.bas", Unalign, WithoutBlanksAndTabs, true},
    {"删除注解", "delete_comments.bas", DeleteComments, nullptr, true},
    {"代码注解", "annotate.bas", Annotate, nullptr, true},
    {"删除空行", "delete_blank_lines.bas", DeleteBlankLines, WithoutBlankLines, false},
};
// clang-format on

// A click on each line of the module, from the last to the first so that the ranges above keep
// their lines: each click changes only what its tool owns, reads no line twice, writes only the
// lines it changes and puts the caret back; a second click in a range finds nothing left to do;
// and the module that comes out is the one written down in tests/codetools/expected/. A click
// in the declarations takes the whole module, so it is made once, on the module as it was.
TEST(CodeToolProperties, AClickOnEachLineKeepsTheRulesAndGivesTheExpectedModule) {
  const Lines original = ReadModule("data/realistic_module.bas");
  for (const Tool& tool : kTools) {
    const bool deletes = tool.kept == WithoutBlankLines;
    const auto click = [&](CodeFixture& editor, std::int32_t caret, TargetRange range, bool again) {
      SCOPED_TRACE(std::string(tool.name) + " at line " + std::to_string(caret));
      const Lines before = editor.Text();
      editor.Click(caret, 3);
      editor.ResetCalls();
      tool.run(editor.Target());
      if (tool.kept) {
        EXPECT_EQ(tool.kept(editor.Text()), tool.kept(before));
      }
      if (again && tool.settles) {
        EXPECT_EQ(editor.Text(), before);
      }
      EXPECT_EQ(editor.Calls(u"CodeModule.DeleteLines"),
                static_cast<std::int64_t>(before.size() - editor.Text().size()));
      EXPECT_LE(editor.Calls(u"CodeModule.Lines"), range.LastLine - range.FirstLine + 1);
      EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"),
                deletes ? 0 : ChangedLines(before, editor.Text()));
      if (!deletes) {  // after deletions the caret's line may be gone
        EXPECT_EQ(editor.Caret(), (host::Selection{caret, 1, caret, 1}));
      }
    };
    CodeFixture editor(original);
    std::int32_t previous = 0;
    for (auto caret = static_cast<std::int32_t>(original.size()); caret >= 1; --caret) {
      const TargetRange range = RangeAt(editor.Text(), caret);
      if (range.FirstLine == 1) continue;  // the declarations: the whole module, once below
      click(editor, caret, range, range.FirstLine == previous);
      previous = range.FirstLine;
    }
    EXPECT_EQ(editor.Text(), ReadModule(std::string("codetools/expected/") + tool.expected))
        << tool.name;
    CodeFixture whole(original);
    click(whole, 2, RangeAt(original, 2), false);
  }
}

}  // namespace
}  // namespace tessaly::codetools
