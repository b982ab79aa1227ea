#include "menu/user_snippet_insertion.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

#include "host/code_lines.h"
#include "host/resume.h"
#include "menu/line_text.h"
#include "menu/snippet_insertion.h"
#include "text/surrogates.h"

namespace tessaly::menu {
namespace {

// The selected text and what stays of its first and last lines, in character positions as
// the other commands use the editor's columns. A selection that ends at column 1 of a later
// line holds nothing of that line.
struct SelectedRange {
  std::int32_t first_line = 0;
  std::int32_t last_line = 0;
  std::u16string before;
  std::u16string selected;
  std::u16string after;
};

std::optional<SelectedRange> ReadSelection(ClickModule& module, host::Selection s) {
  if (s.start_line == s.end_line && s.start_column == s.end_column) return std::nullopt;
  bool to_line_end = false;
  if (s.end_line > s.start_line && s.end_column == 1) {
    --s.end_line;
    to_line_end = true;
  }
  std::vector<std::u16string> lines;
  for (auto line = s.start_line; line <= s.end_line; ++line) {
    const auto text = module.Line(line);
    if (!text) return std::nullopt;
    lines.push_back(*text);
  }
  if (lines.empty()) return std::nullopt;
  SelectedRange range{s.start_line, s.end_line, {}, {}, {}};
  const auto start = static_cast<std::size_t>(std::max(s.start_column, 1) - 1);
  const auto end =
      to_line_end ? lines.back().size() : static_cast<std::size_t>(std::max(s.end_column, 1) - 1);
  range.before = lines.front().substr(0, std::min(start, lines.front().size()));
  range.after = lines.back().substr(std::min(end, lines.back().size()));
  lines.back().resize(std::min(end, lines.back().size()));
  // A selection that starts in a line's indentation takes whole lines, which then stand at the
  // snippet's indentation: the selected lines lose the indentation they share.
  const bool whole_lines = IsBlankLine(range.before);
  if (whole_lines) {
    range.before.clear();
  } else {
    lines.front().erase(0, range.before.size());
  }
  std::size_t shared = std::u16string::npos;
  for (std::size_t i = whole_lines ? 0 : 1; i < lines.size(); ++i) {
    if (!IsBlankLine(lines[i])) shared = std::min(shared, LeadingBlanks(lines[i]).size());
  }
  for (std::size_t i = whole_lines ? 0 : 1; i < lines.size() && shared != std::u16string::npos;
       ++i) {
    lines[i].erase(0, std::min(shared, LeadingBlanks(lines[i]).size()));
  }
  range.selected = host::JoinCodeLines(lines);
  return range;
}

// The first character the code page cannot hold, a surrogate pair taken whole.
std::optional<std::u16string> FirstUnsavable(host::SystemServices& system,
                                             std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < 0x80) continue;
    const std::size_t length = text::CodePointAt(text, i).units;
    const std::u16string c(text.substr(i, length));
    const auto ansi = host::ResumeOr<std::string>("", [&] { return system.ToAnsi(c); });
    if (ansi == "?") return c;
    i += length - 1;
  }
  return std::nullopt;
}

std::u16string CodePointText(std::u16string_view c) {
  const char32_t code_point = text::CodePointAt(c, 0).code_point;
  char buffer[16] = {};
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code_point));
  return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

struct Placed {
  std::vector<std::u16string> lines;
  // The caret's line index among them and its column, from 1.
  std::size_t caret_line = 0;
  std::int32_t caret_column = 1;
};

// The expanded lines with `prefix` before each, or `before` in place of it on the first, and
// `after` behind the last; the caret at $CURSOR$, or else where the snippet's text ends.
Placed Place(const ExpandedSnippet& expanded, const std::u16string& prefix,
             const std::u16string& before, const std::u16string& after) {
  Placed placed;
  std::vector<std::size_t> lead;
  for (std::size_t i = 0; i < expanded.lines.size(); ++i) {
    const std::u16string& head = i == 0 && !before.empty() ? before : prefix;
    lead.push_back(head.size());
    placed.lines.push_back(head + expanded.lines[i]);
  }
  placed.caret_line = placed.lines.size() - 1;
  placed.caret_column = Length(placed.lines.back()) + 1;
  if (expanded.cursor) {
    placed.caret_line = expanded.cursor->first;
    placed.caret_column =
        static_cast<std::int32_t>(lead[placed.caret_line] + expanded.cursor->second + 1);
  }
  placed.lines.back() += after;
  return placed;
}

}  // namespace

std::u16string UnsavableCharacterMessage(const std::u16string& caption, std::u16string_view c) {
  return u"片段“" + caption + u"”中的字符“" + std::u16string(c) + u"”（" + CodePointText(c) +
         u"）无法用系统的代码页保存，未插入任何代码。";
}

void InsertUserSnippet(ClickModule& module, host::SystemServices& system,
                       const std::u16string& caption, const std::u16string& text,
                       SnippetContext context) {
  const host::Selection selection = module.Selection();
  const auto start_line = selection.start_line;
  const bool takes_selection = text.find(kSelectionPlaceholder) != std::u16string::npos;
  const auto range = takes_selection ? ReadSelection(module, selection) : std::nullopt;
  if (range) context.selection = range->selected;
  const ExpandedSnippet expanded = ExpandSnippet(text, context);
  const std::u16string prefix = module.GetHeadCode();

  std::int32_t first_line = start_line;
  Placed placed;
  std::int32_t lines_replaced = 0;
  if (range) {
    placed = Place(expanded, prefix, range->before, range->after);
    first_line = range->first_line;
    lines_replaced = range->last_line - range->first_line + 1;
  } else {
    const auto kind = KindOfSnippet(host::JoinCodeLines(expanded.lines));
    if (kind == SnippetKind::kParameter && expanded.lines.size() == 1) {
      const auto line = module.Line(start_line);
      if (!line) return;
      const auto column = static_cast<std::size_t>(std::max(selection.start_column, 1) - 1);
      const auto at = std::min(column, line->size());
      placed = Place(expanded, u"", line->substr(0, at), line->substr(at));
      lines_replaced = 1;
    } else {
      placed = Place(expanded, kind == SnippetKind::kDeclaration ? u"" : prefix, u"", u"");
    }
  }

  if (const auto c = FirstUnsavable(system, host::JoinCodeLines(placed.lines))) {
    host::Resume([&] {
      system.MessageBox(UnsavableCharacterMessage(caption, *c), u"", host::kMbIconExclamation);
    });
    return;
  }
  // The lines that take the place of others are rewritten in place, as the editor's own
  // commands do; the rest are deleted or inserted.
  const auto new_count = static_cast<std::int32_t>(placed.lines.size());
  const auto common = std::min(lines_replaced, new_count);
  for (std::int32_t i = 0; i < common; ++i)
    module.ReplaceLine(first_line + i, placed.lines[static_cast<std::size_t>(i)]);
  for (std::int32_t i = common; i < lines_replaced; ++i)
    module.DeleteLine(first_line + common);
  if (new_count > common) {
    module.InsertLines(
        first_line + common,
        host::JoinCodeLines(std::span(placed.lines).subspan(static_cast<std::size_t>(common))));
  }
  module.PlaceCaret(first_line + static_cast<std::int32_t>(placed.caret_line), placed.caret_column);
}

}  // namespace tessaly::menu
