#include "codetools/indent.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <span>
#include <string_view>

#include "codetools/blanks.h"
#include "codetools/code_tool.h"
#include "codetools/indent_rules.h"
#include "codetools/line_kinds.h"
#include "host/resume.h"

namespace tessaly::codetools {

namespace {

// Columns a run of blanks and tabs reaches, a tab going on to the next tab stop.
std::uint32_t ColumnsOf(std::string_view indentation, std::uint32_t tab_width) {
  std::uint32_t columns = 0;
  for (const char c : indentation)
    columns = c == '\t' ? (columns / tab_width + 1) * tab_width : columns + 1;
  return columns;
}

// How many blanks a line starts with, eight at a time: deep code is led by dozens of them.
std::size_t LeadingBlankCount(std::string_view line) {
  std::size_t blanks = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kEightBlanks = 0x2020202020202020u;
    for (; blanks + 8 <= line.size(); blanks += 8) {
      std::uint64_t eight;
      std::memcpy(&eight, line.data() + blanks, sizeof eight);
      // The lowest byte that differs is the first that is no blank.
      if (const std::uint64_t differs = eight ^ kEightBlanks; differs != 0) {
        return blanks + static_cast<std::size_t>(std::countr_zero(differs) / 8);
      }
    }
  }
  while (blanks < line.size() && line[blanks] == ' ')
    ++blanks;
  return blanks;
}

// One module's walk: the level, and what the lines above have opened. It runs for every line
// of whole modules, so what the style decides is worked out once.
class Indenter {
 public:
  Indenter(std::span<const std::string_view> lines, const IndentStyle& style)
      : lines_(lines),
        style_(style),
        layouts_(lines.size()),
        tabs_too_(style.indentation != IndentStyle::Indentation::kBlanksKeepingTabs),
        level_columns_(style.indentation == IndentStyle::Indentation::kTabs ? style.tab_width
                                                                            : style.indent_size) {}

  std::vector<LineLayout> Run() && {
    for (std::size_t first = 0; first < lines_.size();) {
      // A statement continued over several lines is one unit: its words decide the level,
      // and its later lines stand deeper than its first.
      std::size_t end = first + 1;
      while (end < lines_.size() && ContinuesOnNextLine(lines_[end - 1]))
        ++end;
      LayOutStatement(first, end);
      first = end;
    }
    return std::move(layouts_);
  }

 private:
  // Reads the statement's lines once: each line's code after its blanks and tabs, and where
  // its own indentation ends, blanks, and tabs where the style makes them indentation.
  std::span<const std::string_view> ReadStatement(std::size_t first, std::size_t end) {
    const std::size_t count = end - first;
    if (codes_.size() < count) {
      codes_.resize(count);
      indentations_.resize(count);
    }
    for (std::size_t k = 0; k < count; ++k) {
      const std::string_view line = lines_[first + k];
      const std::size_t blanks = LeadingBlankCount(line);
      std::size_t code = blanks;
      while (code < line.size() && (line[code] == ' ' || line[code] == '\t'))
        ++code;
      codes_[k] = line.substr(code);
      indentations_[k] = static_cast<std::uint32_t>(tabs_too_ ? code : blanks);
    }
    return {codes_.data(), count};
  }

  // How far the own indentation of the statement's line `k` reaches.
  std::uint32_t WrittenColumns(std::size_t first, std::size_t k) const {
    return ColumnsOf(lines_[first + k].substr(0, indentations_[k]), style_.tab_width);
  }

  // The new indentation of `columns` columns: whole levels as the style writes them.
  LineLayout IndentationAt(std::uint32_t columns) const {
    if (style_.indentation == IndentStyle::Indentation::kTabs) {
      return {0, columns / style_.tab_width, columns % style_.tab_width, 0};
    }
    return {0, 0, columns, 0};
  }

  std::uint32_t LevelColumns(int level) const {
    return static_cast<std::uint32_t>(level) * level_columns_;
  }

  StatementEffect EffectOf(const StatementHead& head, std::span<const std::string_view> codes) {
    // The words count after tabs too, as VB reads them, even where the style keeps the tabs.
    if (!in_member_list_) {
      StatementEffect effect = EffectOfStatement(head, codes, style_.indent_case);
      in_member_list_ = effect.opens_member_list;
      return effect;
    }
    // A member may be named like a keyword (`For As Integer`): only the block's end counts.
    StatementEffect effect;
    if (EndsMemberList(codes.front())) {
      effect.close_before = 1;
      effect.ends_at_module_level = true;
      in_member_list_ = false;
    }
    return effect;
  }

  // Whether the statement's first line goes to column 1 whatever its level.
  bool AtColumnOne(std::size_t first, const StatementEffect& effect, Directive directive) const {
    if (style_.directives_at_column_1 && directive != Directive::kNone) return true;
    if (style_.labels_at_column_1 && effect.lone_label) return true;
    // As written: a comment led by blanks or tabs is not at column 1.
    return style_.keep_column_1_comments && IsCommentCode(lines_[first]);
  }

  // Each branch of `#If` starts from the level the `#If` found, as only one of them is
  // compiled, and the directives of one `#If` stand at its level; after `#End If` the code
  // goes on from where the first branch left it. A header written once per branch
  // (`#If VBA7 Then` / `Function F() As LongPtr` / `#Else` / ...) then opens its body once.
  // Returns the level the directive stands at.
  int FollowDirective(Directive directive) {
    if (directive == Directive::kIf) branches_.push_back({level_, -1});
    if (branches_.empty()) return level_;
    Branches& branch = branches_.back();
    if (directive == Directive::kElseIf || directive == Directive::kElse) {
      if (branch.first_branch_end < 0) branch.first_branch_end = level_;
      level_ = branch.at_if;
    } else if (directive == Directive::kEndIf) {
      const int at_if = branch.at_if;
      if (branch.first_branch_end >= 0) level_ = branch.first_branch_end;
      branches_.pop_back();
      return at_if;
    }
    return level_;
  }

  void LayOutStatement(std::size_t first, std::size_t end) {
    const std::span<const std::string_view> codes = ReadStatement(first, end);
    const StatementHead head(codes.front());
    // Most lines are statements of their own that move no level: they stand at the level and
    // leave it as it was, with nothing more to read of them. A member list's lines, names that
    // may look like keywords, are always left to the rules.
    if (end - first == 1 && !in_member_list_ && head.IsPlain()) {
      LayOutLine(first, indentations_[0], LevelColumns(level_));
      return;
    }
    const StatementEffect effect = head.MovesNoLevel() ? StatementEffect() : EffectOf(head, codes);
    if (effect.starts_at_module_level || effect.ends_at_module_level) {
      level_ = 0;
      file_bodies_.clear();
    } else if (effect.close_before != 0 || effect.closes_file) {
      level_ = std::max(0, level_ - effect.close_before - ClosesFile(effect));
    }
    const Directive directive = DirectiveOf(codes.front());
    const int written_level = directive == Directive::kNone ? level_ : FollowDirective(directive);
    const std::uint32_t first_columns =
        AtColumnOne(first, effect, directive) ? 0 : LevelColumns(written_level);
    LayOutLine(first, indentations_[0], first_columns);
    if (end - first > 1) LayOutContinuation(first, end, first_columns);
    level_ = effect.ends_at_module_level ? 0 : level_ + effect.open_after;
    if (effect.opens_file) file_bodies_.push_back(level_);
  }

  // The lines after a statement's first.
  void LayOutContinuation(std::size_t first, std::size_t end, std::uint32_t first_columns) {
    const bool keep = style_.continuation == IndentStyle::Continuation::kKeep;
    const std::uint32_t first_written = keep ? WrittenColumns(first, 0) : 0;
    for (std::size_t i = first + 1; i < end; ++i) {
      std::uint32_t columns = first_columns + LevelColumns(1);
      if (keep) {
        // The offset from the first line as written, kept from where the first line goes.
        const auto offset =
            static_cast<std::int64_t>(WrittenColumns(first, i - first)) - first_written;
        columns = static_cast<std::uint32_t>(std::max<std::int64_t>(0, first_columns + offset));
      }
      LayOutLine(i, indentations_[i - first], columns);
    }
  }

  // A Close ends the innermost block only when that block is an Open's: a second Close in an
  // error handler, or one whose file another procedure opened, closes nothing.
  int ClosesFile(const StatementEffect& effect) {
    if (!effect.closes_file) return 0;
    while (!file_bodies_.empty() && file_bodies_.back() > level_)
      file_bodies_.pop_back();
    if (file_bodies_.empty() || file_bodies_.back() != level_) return 0;
    file_bodies_.pop_back();
    return 1;
  }

  void LayOutLine(std::size_t index, std::uint32_t indentation, std::uint32_t columns) {
    const std::string_view line = lines_[index];
    // Only a comment can be a marker; most lines are turned away by their first character.
    const bool maybe_marker =
        indentation < line.size() && (line[indentation] == '\'' || line[indentation] == '\t');
    const FormatMarker marker =
        maybe_marker ? FormatMarkerOf(TrimLeadingBlanksAndTabs(line.substr(indentation)))
                     : FormatMarker::kNone;
    if (marker == FormatMarker::kOff) formatting_off_ = true;
    if (formatting_off_) {
      // Left exactly as written; the levels still follow the code inside.
      if (marker == FormatMarker::kOn) formatting_off_ = false;
      return;
    }
    LineLayout layout = IndentationAt(columns);
    layout.strip = indentation;
    if (style_.trim_trailing_whitespace) {
      const std::string_view code = line.substr(indentation);
      const std::string_view kept = TrimTrailingBlanksAndTabs(code);
      layout.trim = static_cast<std::uint32_t>(code.size() - kept.size());
      // A blank line stays empty.
      if (kept.empty()) layout.tabs = layout.blanks = 0;
    }
    layouts_[index] = layout;
  }

  std::span<const std::string_view> lines_;
  const IndentStyle& style_;
  std::vector<LineLayout> layouts_;
  const bool tabs_too_;                      // leading tabs are indentation, not text
  const std::uint32_t level_columns_;        // columns a level
  std::vector<std::string_view> codes_;      // the statement being laid out, one per line
  std::vector<std::uint32_t> indentations_;  // and the end of each line's indentation
  struct Branches {
    int at_if = 0;
    int first_branch_end = -1;  // none while the first branch goes on
  };
  std::vector<Branches> branches_;  // the `#If` blocks around the line, innermost last
  std::vector<int> file_bodies_;    // the level of each open file's statements, innermost last
  int level_ = 0;
  bool in_member_list_ = false;
  bool formatting_off_ = false;
};

}  // namespace

std::vector<LineLayout> IndentLayouts(std::span<const std::string_view> lines,
                                      const IndentStyle& style) {
  return Indenter(lines, style).Run();
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
