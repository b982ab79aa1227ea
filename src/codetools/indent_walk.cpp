#include "codetools/indent_walk.h"

#include <algorithm>

#include "codetools/blanks.h"
#include "codetools/line_kinds.h"

namespace tessaly::codetools {

namespace {

// Columns a run of blanks and tabs reaches, a tab going on to the next tab stop.
std::uint32_t ColumnsOf(std::string_view indentation, std::uint32_t tab_width) {
  std::uint32_t columns = 0;
  for (const char c : indentation)
    columns = c == '\t' ? (columns / tab_width + 1) * tab_width : columns + 1;
  return columns;
}

}  // namespace

IndentWalk::IndentWalk(const IndentStyle& style)
    : style_(style),
      tabs_too_(style.indentation != IndentStyle::Indentation::kBlanksKeepingTabs),
      level_columns_(style.indentation == IndentStyle::Indentation::kTabs ? style.tab_width
                                                                          : style.indent_size) {}

// Reads the statement's lines once.
std::span<const std::string_view> IndentWalk::ReadStatement(
    std::span<const std::string_view> lines) {
  const std::size_t count = lines.size();
  if (codes_.size() < count) {
    codes_.resize(count);
    indentations_.resize(count);
  }
  for (std::size_t k = 0; k < count; ++k) {
    const ReadLine read = Read(lines[k]);
    codes_[k] = read.code;
    indentations_[k] = read.indentation;
  }
  return {codes_.data(), count};
}

// How far the own indentation of the statement's line `k` reaches.
std::uint32_t IndentWalk::WrittenColumns(std::string_view line, std::size_t k) const {
  return ColumnsOf(line.substr(0, indentations_[k]), style_.tab_width);
}

StatementEffect IndentWalk::EffectOf(const StatementHead& head,
                                     std::span<const std::string_view> codes) {
  // The words count after tabs too, as VB reads them, even where the style keeps the tabs.
  if (!in_member_list_) {
    StatementEffect effect = EffectOfStatement(head, codes, style_.indent_case);
    in_member_list_ = effect.opens_member_list;
    // A procedure's header opens no level for its body where the style keeps bodies flush
    // with it; a Type's or an Enum's members are indented still.
    if (!style_.indent_procedure_body && effect.starts_at_module_level && !in_member_list_) {
      effect.open_after = 0;
    }
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
bool IndentWalk::AtColumnOne(std::string_view first_line, const StatementEffect& effect,
                             Directive directive) const {
  if (style_.directives_at_column_1 && directive != Directive::kNone) return true;
  if (style_.labels_at_column_1 && effect.lone_label) return true;
  // As written: a comment led by blanks or tabs is not at column 1.
  return style_.keep_column_1_comments && IsCommentCode(first_line);
}

// Each branch of `#If` starts from the level the `#If` found, as only one of them is compiled,
// and the directives of one `#If` stand at its level; after `#End If` the code goes on from
// where the first branch left it. A header written once per branch (`#If VBA7 Then` /
// `Function F() As LongPtr` / `#Else` / ...) then opens its body once. Returns the level the
// directive stands at.
int IndentWalk::FollowDirective(Directive directive) {
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

LineLayout IndentWalk::LayOutByRules(std::string_view line, const ReadLine& read,
                                     const StatementHead& head) {
  if (codes_.empty()) {
    codes_.resize(1);
    indentations_.resize(1);
  }
  codes_[0] = read.code;
  indentations_[0] = read.indentation;
  LineLayout layout;
  LayOutByRules(head, {&line, 1}, {codes_.data(), 1}, {&layout, 1});
  return layout;
}

void IndentWalk::LayOutStatement(std::span<const std::string_view> lines,
                                 std::span<LineLayout> layouts) {
  if (lines.size() == 1) {
    layouts[0] = LayOutStatement(lines[0]);
    return;
  }
  const std::span<const std::string_view> codes = ReadStatement(lines);
  LayOutByRules(StatementHead(codes.front()), lines, codes, layouts);
}

void IndentWalk::LayOutByRules(const StatementHead& head, std::span<const std::string_view> lines,
                               std::span<const std::string_view> codes,
                               std::span<LineLayout> layouts) {
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
      AtColumnOne(lines[0], effect, directive) ? 0 : LevelColumns(written_level);
  layouts[0] = LaidOut(lines[0], indentations_[0], first_columns);
  if (lines.size() > 1) LayOutContinuation(lines, layouts, first_columns);
  level_ = effect.ends_at_module_level ? 0 : level_ + effect.open_after;
  if (effect.opens_file) file_bodies_.push_back(level_);
}

// The lines after a statement's first.
void IndentWalk::LayOutContinuation(std::span<const std::string_view> lines,
                                    std::span<LineLayout> layouts, std::uint32_t first_columns) {
  const bool keep = style_.continuation == IndentStyle::Continuation::kKeep;
  const std::uint32_t first_written = keep ? WrittenColumns(lines[0], 0) : 0;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    std::uint32_t columns = first_columns + LevelColumns(1);
    if (keep) {
      // The offset from the first line as written, kept from where the first line goes.
      const auto offset = static_cast<std::int64_t>(WrittenColumns(lines[k], k)) - first_written;
      columns = static_cast<std::uint32_t>(std::max<std::int64_t>(0, first_columns + offset));
    }
    layouts[k] = LaidOut(lines[k], indentations_[k], columns);
  }
}

// A Close ends the innermost block only when that block is an Open's: a second Close in an
// error handler, or one whose file another procedure opened, closes nothing.
int IndentWalk::ClosesFile(const StatementEffect& effect) {
  if (!effect.closes_file) return 0;
  while (!file_bodies_.empty() && file_bodies_.back() > level_)
    file_bodies_.pop_back();
  if (file_bodies_.empty() || file_bodies_.back() != level_) return 0;
  file_bodies_.pop_back();
  return 1;
}

bool IndentWalk::KeptByMarkers(std::string_view line, bool maybe_marker,
                               std::uint32_t indentation) {
  const FormatMarker marker =
      maybe_marker ? FormatMarkerOf(TrimLeadingBlanksAndTabs(line.substr(indentation)))
                   : FormatMarker::kNone;
  if (marker == FormatMarker::kOff) formatting_off_ = true;
  if (!formatting_off_) return false;
  // Left exactly as written; the levels still follow the code inside.
  if (marker == FormatMarker::kOn) formatting_off_ = false;
  return true;
}

void IndentWalk::Trim(std::string_view line, std::uint32_t indentation, LineLayout& layout) const {
  const std::string_view code = line.substr(indentation);
  const std::string_view kept = TrimTrailingBlanksAndTabs(code);
  layout.trim = static_cast<std::uint32_t>(code.size() - kept.size());
  // A blank line stays empty.
  if (kept.empty()) layout.tabs = layout.blanks = 0;
}

}  // namespace tessaly::codetools
