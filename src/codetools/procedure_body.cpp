#include "codetools/procedure_body.h"

#include <algorithm>

#include "codetools/blanks.h"
#include "codetools/comments.h"
#include "codetools/line_kinds.h"

namespace tessaly::codetools {

namespace {

bool FramesTheBody(std::u16string_view line) {
  return IsBlankLine(line) || IsCommentLine(line) || IsDirectiveLine(line);
}

}  // namespace

std::size_t CountHeaderLines(const std::vector<std::u16string>& lines) {
  std::size_t i = 0;
  while (i < lines.size() && FramesTheBody(lines[i]))
    ++i;
  while (i < lines.size() && ContinuesOnNextLine(lines[i]))
    ++i;
  return std::min(i + 1, lines.size());
}

std::size_t CountLinesAfterBody(const std::vector<std::u16string>& lines) {
  std::size_t after = 0;
  while (after < lines.size() && FramesTheBody(lines[lines.size() - 1 - after]))
    ++after;
  // Only the module's last procedure has lines under its end line; in every other range the
  // line reached is a statement of the body.
  if (after == lines.size() || !IsProcedureEndLine(lines[lines.size() - 1 - after])) return 0;
  return after + 1;
}

ProcedureBody ReadProcedureBody(LineCache& lines, std::int32_t first, std::int32_t last) {
  RangeText range = ReadRange(lines, first, last - 1);
  if (range.complete) range.lines.resize(range.lines.size() - CountLinesAfterBody(range.lines));
  const auto header = CountHeaderLines(range.lines);
  range.lines.erase(range.lines.begin(), range.lines.begin() + static_cast<std::ptrdiff_t>(header));
  return {first + static_cast<std::int32_t>(header), std::move(range.lines), range.complete};
}

}  // namespace tessaly::codetools
