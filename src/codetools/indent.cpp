#include "codetools/indent.h"

#include <span>
#include <string_view>

#include "codetools/code_tool.h"
#include "codetools/indent_walk.h"
#include "codetools/line_kinds.h"

namespace tessaly::codetools {

std::vector<LineLayout> IndentLayouts(std::span<const std::string_view> lines,
                                      const IndentStyle& style) {
  std::vector<LineLayout> layouts(lines.size());
  IndentWalk walk(style);
  for (std::size_t first = 0; first < lines.size();) {
    // A statement continued over several lines is one unit: its words decide the level, and
    // its later lines stand deeper than its first.
    std::size_t end = first + 1;
    while (end < lines.size() && ContinuesOnNextLine(lines[end - 1]))
      ++end;
    walk.LayOutStatement(lines.subspan(first, end - first),
                         std::span(layouts).subspan(first, end - first));
    first = end;
  }
  return layouts;
}

std::vector<LineLayout> IndentLayouts(std::span<const std::u16string_view> lines,
                                      const IndentStyle& style) {
  // The rules read bytes (indent_rules.h): each unit outside ASCII becomes one byte of 0x80,
  // which keeps every unit where it was.
  std::size_t units = 0;
  for (const std::u16string_view line : lines)
    units += line.size();
  std::string bytes(units, '\0');
  std::vector<std::string_view> narrowed;
  narrowed.reserve(lines.size());
  char* out = bytes.data();
  for (const std::u16string_view line : lines) {
    narrowed.emplace_back(out, line.size());
    for (const char16_t unit : line)
      *out++ = unit < 0x80 ? static_cast<char>(unit) : '\x80';
  }
  return IndentLayouts(std::span<const std::string_view>(narrowed), style);
}

std::vector<LineLayout> IndentLayouts(const std::vector<std::u16string>& lines,
                                      const IndentStyle& style) {
  const std::vector<std::u16string_view> views(lines.begin(), lines.end());
  return IndentLayouts(std::span<const std::u16string_view>(views), style);
}

bool IndentRange(LineCache& lines, std::int32_t first, std::int32_t last,
                 const IndentStyle& style) {
  const RangeText range = ReadRange(lines, first, last);
  const std::vector<LineLayout> layouts = IndentLayouts(range.lines, style);
  WriteChangedLines(lines.Module(), first, range.lines,
                    [&](std::size_t i) -> std::optional<std::u16string> {
                      const std::u16string& line = range.lines[i];
                      if (!ChangesLine(std::u16string_view(line), layouts[i])) return std::nullopt;
                      return LaidOut(line, layouts[i]);
                    });
  return range.complete;
}

void IndentCode(const CodeTarget& target) {
  RunOnTargetRange(target, [&target](LineCache& lines, TargetRange range) {
    return IndentRange(lines, range.FirstLine, range.LastLine, target.style);
  });
}

}  // namespace tessaly::codetools
