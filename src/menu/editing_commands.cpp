#include "menu/editing_commands.h"

#include "codetools/display_width.h"
#include "menu/line_text.h"

namespace tessaly::menu {
namespace {

constexpr std::u16string_view kPrivate = u"Private ";
constexpr std::u16string_view kPublic = u"Public ";
constexpr std::u16string_view kRem = u"Rem ";
constexpr std::u16string_view kSeparatorStart = u"'-----";
constexpr std::u16string_view kCommentPrefix = u"'---";
constexpr std::u16string_view kMessageBoxLine = u"Msgbox \"1:\" & VbCr ";
constexpr std::u16string_view kDebugPrintLine = u"Debug.Print \"1:\"";
constexpr std::int32_t kSeparatorWidth = 150;
// Far enough right for the editor to put the caret at the end of the inserted debug line.
constexpr std::int32_t kDebugLineCaretOffset = 111;

bool HasSelectionInLine(const ClickState& click) {
  return click.selection.start_column != click.selection.end_column;
}

bool IsBlankCaretLine(const ClickState& click) {
  return click.line_read && click.line_length == 0;
}

// Removes line StartLine once per selected line, so StartLine to EndLine disappear.
void DeleteSelectedLines(ClickModule& module, const ClickState& click) {
  for (auto line = click.selection.start_line; line <= click.selection.end_line; ++line) {
    module.DeleteLine(click.selection.start_line);
  }
}

std::u16string Concatenated(std::initializer_list<std::optional<std::u16string>> parts,
                            bool& complete) {
  std::u16string result;
  complete = true;
  for (const auto& part : parts) {
    if (!part) complete = false;
    if (part) result += *part;
  }
  return result;
}

}  // namespace

void SwitchPublicPrivate(ClickModule& module, const ClickState& click) {
  const auto& s = click.selection;
  if (click.line_read) {
    // The keyword is looked for after the indentation, so an indented declaration is switched
    // too instead of getting a second keyword in front of it.
    const std::u16string indent = LeadingBlanks(click.line_text);
    const std::u16string_view rest = std::u16string_view(click.line_text).substr(indent.size());
    std::u16string switched;
    if (StartsWith(rest, kPrivate)) {
      switched = indent + std::u16string(kPublic) + std::u16string(rest.substr(kPrivate.size()));
    } else if (StartsWith(rest, kPublic)) {
      switched = indent + std::u16string(kPrivate) + std::u16string(rest.substr(kPublic.size()));
    } else {
      switched = indent + std::u16string(kPrivate) + std::u16string(rest);
    }
    module.ReplaceLine(s.start_line, switched);
  }
  module.PlaceCaret(s.start_line, s.end_column);
}

void ToggleComment(ClickModule& module, const ClickState& click) {
  const auto& s = click.selection;
  for (auto i = s.start_line; i <= s.end_line; ++i) {
    const auto line = module.Line(i);
    if (!line) continue;
    std::u16string toggled;
    if (IsBlankLine(*line)) {
      toggled = module.GetHeadCode() + u"'";
    } else {
      const auto indent = LeadingBlanks(*line).size();
      const std::u16string_view rest = std::u16string_view(*line).substr(indent);
      toggled = *line;
      if (StartsWith(rest, u"'")) {
        toggled.erase(indent, 1);
      } else if (StartsWith(rest, kRem)) {
        toggled.erase(indent, kRem.size());
      } else {
        toggled.insert(indent, u"'");
      }
    }
    module.ReplaceLine(i, toggled);
  }
  if (HasSelectionInLine(click)) module.PlaceCaret(s.end_line, s.end_column);
}

void DeleteLines(ClickModule& module, const ClickState& click) {
  DeleteSelectedLines(module, click);
  module.PlaceCaret(click.selection.start_line, click.selection.end_column);
}

void PasteText(ClickModule& module, const ClickState& click, const std::u16string& clipboard) {
  // With nothing to paste, replacing would only delete the user's lines.
  if (clipboard.empty()) return;
  if (IsBlankCaretLine(click) || HasSelectionInLine(click)) DeleteSelectedLines(module, click);
  module.InsertLines(click.selection.start_line, module.GetHeadCode() + clipboard);
  module.PlaceCaret(click.selection.start_line, click.selection.end_column);
}

void InsertCommentPrefix(ClickModule& module, const ClickState& click) {
  module.InsertLines(click.selection.start_line,
                     module.GetHeadCode() + std::u16string(kCommentPrefix));
  module.PlaceCaret(click.selection.start_line, click.selection.end_column + 6);
}

void InsertSeparator(ClickModule& module, const ClickState& click) {
  const auto& s = click.selection;
  if (!click.line_read || !StartsWith(click.line_text, kSeparatorStart)) {
    module.InsertLines(s.start_line, std::u16string(kSeparatorStart));
    module.PlaceCaret(s.start_line, s.end_column + 6);
    return;
  }
  std::u16string completed = click.line_text;
  const auto width = codetools::DisplayWidth(completed);
  if (width <= kSeparatorWidth) {
    completed.append(static_cast<std::size_t>(kSeparatorWidth - width), u'-');
  } else {
    completed.resize(
        static_cast<std::size_t>(codetools::CharIndexAtWidth(completed, kSeparatorWidth)));
  }
  module.ReplaceLine(s.start_line, completed);
  module.PlaceCaret(s.start_line, kSeparatorWidth + 1);
}

void InsertDebugLine(ClickModule& module, const ClickState& click, DebugLineKind kind) {
  if (IsBlankCaretLine(click) || HasSelectionInLine(click)) DeleteSelectedLines(module, click);
  const auto statement = kind == DebugLineKind::kMessageBox ? kMessageBoxLine : kDebugPrintLine;
  module.InsertLines(click.selection.start_line, module.GetHeadCode() + std::u16string(statement));
  module.PlaceCaret(click.selection.start_line, click.selection.end_column + kDebugLineCaretOffset);
}

void QuoteSelection(ClickModule& module, const ClickState& click) {
  const auto& s = click.selection;
  const auto& text = click.line_text;
  bool complete = false;
  const auto quoted = Concatenated({Left(text, s.start_column - 1), u"\"",
                                    Mid(text, s.start_column, s.end_column - s.start_column), u"\"",
                                    Right(text, Length(text) - s.end_column + 1)},
                                   complete);
  // A selection the start line cannot hold (it ends on a later line, left of its start)
  // leaves the line as it is, as the runtime refuses the negative length.
  if (click.line_read && complete) module.ReplaceLine(s.start_line, quoted);
  module.PlaceCaret(s.start_line, s.end_column + 2);
}

void ReplaceSelection(ClickModule& module, const ClickState& click,
                      const std::u16string& replacement) {
  const auto& s = click.selection;
  const auto& text = click.line_text;
  bool complete = false;
  const auto replaced = Concatenated(
      {Left(text, s.start_column - 1), replacement, Right(text, Length(text) - s.end_column + 1)},
      complete);
  if (click.line_read && complete) module.ReplaceLine(s.start_line, replaced);
  module.PlaceCaret(s.start_line, s.end_column + Length(replacement));
}

}  // namespace tessaly::menu
