#include "codetools/cleaning.h"

#include "codetools/blanks.h"
#include "codetools/code_tool.h"
#include "codetools/comments.h"
#include "host/resume.h"

namespace tessaly::codetools {

namespace {

bool IsRemStatement(std::u16string_view text) {
  const auto trimmed = TrimBlanks(text);
  return trimmed == u"Rem" || trimmed.substr(0, 4) == u"Rem ";
}

}  // namespace

std::u16string UnindentLine(std::u16string_view line) {
  const std::u16string trimmed = TrimBlanksAndTabs(line);
  const std::u16string_view u = trimmed;
  const auto blank = u.find(u' ');
  if (blank == std::u16string_view::npos) return trimmed;
  // A tab before the first blank ends the first word just as well.
  const auto split = std::min(blank, u.find(u'\t'));
  const auto quote = u.find(u'"');
  if (quote != std::u16string_view::npos && quote < split) return trimmed;
  return TrimBlanksAndTabs(u.substr(0, split + 1)) + u' ' + TrimBlanksAndTabs(u.substr(split));
}

std::u16string DeleteCommentOfLine(std::u16string_view line) {
  const auto apostrophe = line.find(u'\'');
  const bool has_rem = line.find(u"Rem") != std::u16string_view::npos;
  if (!has_rem && apostrophe == std::u16string_view::npos) return std::u16string(line);
  std::u16string cut = apostrophe == 0 ? std::u16string() : StripComment(line);
  if (IsRemStatement(cut)) cut.clear();
  return cut;
}

namespace {

using LineCleaner = std::optional<std::u16string> (*)(const std::u16string& line);

std::optional<std::u16string> DeleteIfBlank(const std::u16string& line) {
  if (IsBlankLine(line)) return std::nullopt;
  return line;
}

LineCleaner CleanerOf(Cleaning cleaning) {
  switch (cleaning) {
    case Cleaning::kUnindent:
      return [](const std::u16string& line) -> std::optional<std::u16string> {
        return UnindentLine(line);
      };
    case Cleaning::kDeleteBlankLines:
      return &DeleteIfBlank;
    case Cleaning::kDeleteComments:
      return [](const std::u16string& line) -> std::optional<std::u16string> {
        return DeleteCommentOfLine(line);
      };
  }
  return [](const std::u16string& line) -> std::optional<std::u16string> { return line; };
}

}  // namespace

std::vector<std::optional<std::u16string>> CleanLines(const std::vector<std::u16string>& lines,
                                                      Cleaning cleaning) {
  const LineCleaner clean = CleanerOf(cleaning);
  std::vector<std::optional<std::u16string>> cleaned;
  cleaned.reserve(lines.size());
  for (const auto& line : lines)
    cleaned.push_back(clean(line));
  return cleaned;
}

bool CleanRange(LineCache& lines, std::int32_t first, std::int32_t last, Cleaning cleaning) {
  const RangeText range = ReadRange(lines, first, last);
  const auto cleaned = CleanLines(range.lines, cleaning);
  host::CodeModule& module = lines.Module();
  // Bottom up, so that a line's number holds until it is written. The text below a deleted
  // line is the next line the walk keeps, as it left it.
  const std::u16string* below = nullptr;
  for (auto i = cleaned.size(); i-- > 0;) {
    const auto line = first + static_cast<std::int32_t>(i);
    if (!cleaned[i]) {
      module.KnowLine(line, range.lines[i]);
      if (below) module.KnowLine(line + 1, *below);
      host::Resume([&] { module.DeleteLines(line, 1); });
      continue;
    }
    if (*cleaned[i] != range.lines[i]) {
      module.KnowLine(line, range.lines[i]);
      host::Resume([&] { module.ReplaceLine(line, *cleaned[i]); });
    }
    below = &*cleaned[i];
  }
  return range.complete;
}

void RunCleaningWalk(const CodeTarget& target, Cleaning cleaning) {
  RunOnTargetRange(target, [cleaning](LineCache& lines, TargetRange range) {
    return CleanRange(lines, range.FirstLine, range.LastLine, cleaning);
  });
}

}  // namespace tessaly::codetools
