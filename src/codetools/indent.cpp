#include "codetools/indent.h"

#include "codetools/blanks.h"
#include "codetools/code_tool.h"
#include "codetools/indent_rules.h"

namespace tessaly::codetools {

namespace {

constexpr std::size_t kIndentUnit = 4;

bool EndsWithContinuation(std::u16string_view line) {
  return line.size() >= 2 && line.substr(line.size() - 2) == u" _";
}

}  // namespace

std::vector<std::u16string> IndentLines(const std::vector<std::u16string>& lines) {
  std::vector<std::u16string> indented;
  indented.reserve(lines.size());
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
    // Sized once: starting from the blanks and appending the code would allocate twice for
    // most lines of a whole module.
    const std::size_t blanks = kIndentUnit * static_cast<std::size_t>(level);
    std::u16string& text = indented.emplace_back();
    text.reserve(blanks + line.size());
    text.append(blanks, u' ').append(line);
    if (effect.open_after) ++level;
    if (close_after) --level;
  }
  return indented;
}

bool IndentRange(LineCache& lines, std::int32_t first, std::int32_t last) {
  const RangeText range = ReadRange(lines, first, last);
  WriteChangedLines(lines.Module(), first, range.lines, IndentLines(range.lines));
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
