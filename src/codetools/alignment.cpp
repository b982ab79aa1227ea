#include "codetools/alignment.h"

#include <algorithm>

#include "codetools/blanks.h"
#include "codetools/code_tool.h"
#include "codetools/comments.h"
#include "codetools/display_width.h"
#include "host/resume.h"

namespace tessaly::codetools {

namespace {

struct Tightened {
  std::u16string text;
  std::int32_t width = 0;  // how far the line's code reaches, for the common column
};

// The measuring step of "注解对齐" on one line.
Tightened Tighten(std::u16string_view line, std::int32_t tab_width) {
  const auto p = FindCommentStart(line);
  if (p == 0) {
    Tightened tightened{std::u16string(TrimTrailingBlanks(line)), 0};
    if (!IsCommentLine(tightened.text)) {
      tightened.width = DisplayWidth(tightened.text, 0, tab_width);
    }
    return tightened;
  }
  const auto comment_at = static_cast<std::size_t>(p - 1);
  std::u16string text(TrimTrailingBlanks(line.substr(0, comment_at)));
  text.append(line.substr(comment_at));
  // As many columns as the code stood before the blanks came out: the code followed by the
  // comment's first characters.
  const auto width = DisplayWidth(
      TrimTrailingBlanks(std::u16string_view(text).substr(0, comment_at)), 0, tab_width);
  return {std::move(text), width};
}

std::u16string Place(const std::u16string& line, std::int32_t mode, std::int32_t width,
                     std::int32_t tab_width) {
  const auto p = FindCommentStart(line);
  if (p == 0) return line;
  const std::u16string_view view = line;
  const auto code = view.substr(0, static_cast<std::size_t>(p - 1));
  const auto comment = view.substr(static_cast<std::size_t>(p - 1));
  if (mode == kAlignCommentsMode) {
    const auto gap = std::max(0, width - DisplayWidth(code, 0, tab_width));
    std::u16string placed(code);
    placed.append(static_cast<std::size_t>(gap), u' ');
    placed.append(comment);
    return placed;
  }
  const auto bare_code = TrimTrailingBlanks(code);
  if (bare_code.empty()) return line;
  std::u16string joined(bare_code);
  joined.append(comment);
  return joined;
}

// Aligning tightens every line first and measures the widest code: the lines as placing starts
// from them, and the column their comments go to. Unaligning starts from the lines as they are.
struct Tightening {
  std::vector<std::u16string> lines;
  std::int32_t width = 0;
};

Tightening TightenAll(const std::vector<std::u16string>& lines, std::int32_t mode,
                      std::int32_t tab_width) {
  if (mode != kAlignCommentsMode) return {lines, 0};
  Tightening tightening;
  tightening.lines.reserve(lines.size());
  for (const auto& line : lines) {
    Tightened tightened = Tighten(line, tab_width);
    tightening.width = std::max(tightening.width, tightened.width);
    tightening.lines.push_back(std::move(tightened.text));
  }
  return tightening;
}

}  // namespace

bool AlignRange(LineCache& lines, std::int32_t first, std::int32_t last, std::int32_t mode,
                std::int32_t tab_width) {
  const ProcedureBody body = ReadProcedureBody(lines, first, last);
  const Tightening tightening = TightenAll(body.lines, mode, tab_width);
  // Each placed line is built only when it is written: one long line in a body would otherwise
  // pad every other comment out to it at once.
  WriteChangedLines(
      lines.Module(), body.first, body.lines, [&](std::size_t i) -> std::optional<std::u16string> {
        std::u16string placed = Place(tightening.lines[i], mode, tightening.width, tab_width);
        if (placed == body.lines[i]) return std::nullopt;
        return placed;
      });
  return body.complete;
}

void RunAlignmentWalk(const CodeTarget& target, std::int32_t mode) {
  const auto tab_width = static_cast<std::int32_t>(target.style.tab_width);
  RunOnTargetRange(target, [mode, tab_width](LineCache& lines, TargetRange range) {
    return AlignRange(lines, range.FirstLine, range.LastLine, mode, tab_width);
  });
}

}  // namespace tessaly::codetools
