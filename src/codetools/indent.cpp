#include "codetools/indent.h"

#include "codetools/blanks.h"
#include "codetools/code_tool.h"
#include "codetools/indent_rules.h"
#include "host/resume.h"

namespace tessaly::codetools {

namespace {

constexpr std::size_t kIndentUnit = 4;

bool EndsWithContinuation(std::u16string_view line) {
  return line.size() >= 2 && line.substr(line.size() - 2) == u" _";
}

// Sized once: starting from the blanks and appending the code would allocate twice for most
// lines of a whole module.
std::u16string Reindented(std::u16string_view line, std::size_t width) {
  const std::u16string_view code = TrimLeadingBlanks(line);
  std::u16string text;
  text.reserve(width + code.size());
  text.append(width, u' ').append(code);
  return text;
}

}  // namespace

std::vector<std::size_t> IndentWidths(const std::vector<std::u16string>& lines) {
  std::vector<std::size_t> widths;
  widths.reserve(lines.size());
  int level = 0;
  bool in_continuation = false;
  for (const auto& raw : lines) {
    const std::u16string_view line = TrimLeadingBlanks(raw);
    LevelEffect effect = EffectOfWords(line);
    bool close_after = false;
    // A continued statement's later lines stand one level deeper. open_after is a flag, not
    // a count: a block opener that is continued still opens only one level.
    if (EndsWithContinuation(line)) {
      if (!in_continuation) {
        effect.open_after = true;
        in_continuation = true;
      }
    } else if (in_continuation) {
      close_after = true;
      in_continuation = false;
    }
    if (effect.close_before) --level;
    // A closer without its opener in the range goes flush left and the count starts again.
    if (level < 0) level = 0;
    widths.push_back(kIndentUnit * static_cast<std::size_t>(level));
    if (effect.open_after) ++level;
    if (close_after) --level;
  }
  return widths;
}

std::vector<std::u16string> IndentLines(const std::vector<std::u16string>& lines) {
  const std::vector<std::size_t> widths = IndentWidths(lines);
  std::vector<std::u16string> indented;
  indented.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    indented.push_back(Reindented(lines[i], widths[i]));
  return indented;
}

bool IndentRange(LineCache& lines, std::int32_t first, std::int32_t last) {
  const RangeText range = ReadRange(lines, first, last);
  const std::vector<std::size_t> widths = IndentWidths(range.lines);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const std::u16string& line = range.lines[i];
    // Blanks are spaces only, so a line keeps its text when it has as many as it gets.
    if (line.size() - TrimLeadingBlanks(line).size() == widths[i]) continue;
    const auto number = first + static_cast<std::int32_t>(i);
    host::Resume([&] { lines.Module().ReplaceLine(number, Reindented(line, widths[i])); });
  }
  return range.complete;
}

bool IndentRange(host::CodeModule& module, std::int32_t first, std::int32_t last) {
  LineCache lines(module);
  return IndentRange(lines, first, last);
}

void IndentCode(const CodeTarget& target) {
  RunOnTargetRange(target, [](LineCache& lines, TargetRange range) {
    return IndentRange(lines, range.FirstLine, range.LastLine);
  });
}

}  // namespace tessaly::codetools
