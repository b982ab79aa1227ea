#pragma once

// The walk of "代码缩进" down a module, one statement at a time: the level, and what the
// statements above have opened. The editor face and `tessaly fmt` hand it their lines as they
// have them; the command line lays each statement out as it splits the file, so a module is
// walked once, not split, then laid out, then measured.

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "codetools/indent_rules.h"
#include "codetools/indent_style.h"
#include "codetools/line_layout.h"

namespace tessaly::codetools {

class IndentWalk {
 public:
  // The level starts at 0 at the first statement. `style` outlives the walk.
  explicit IndentWalk(const IndentStyle& style);

  // Lays out the module's next statement: its first line and the lines it continues over
  // (each but the last ends in a continuation, line_kinds.h), as the rules read them
  // (indent_rules.h), each line's layout written beside it.
  void LayOutStatement(std::span<const std::string_view> lines, std::span<LineLayout> layouts);
  // The same of a statement of one line, as most are. Inline, with what a plain statement
  // needs: it is asked of nearly every line of whole modules.
  LineLayout LayOutStatement(std::string_view line) {
    const ReadLine read = Read(line);
    const StatementHead head(read.code);
    // Most lines are statements of their own that move no level: they stand at the level and
    // leave it as it was, with nothing more to read of them. A member list's lines, names
    // that may look like keywords, are always left to the rules.
    if (!in_member_list_ && head.IsPlain()) [[likely]] {
      return LaidOut(line, read.indentation, LevelColumns(level_));
    }
    // A comment of a line of its own stands at the level too, unless the style keeps it at
    // column 1.
    if (head.IsComment()) {
      return LaidOut(line, read.indentation,
                     AtColumnOne(line, {}, Directive::kNone) ? 0 : LevelColumns(level_));
    }
    return LayOutByRules(line, read, head);
  }

 private:
  std::span<const std::string_view> ReadStatement(std::span<const std::string_view> lines);
  // The line's code after its blanks and tabs, and where its own indentation ends: blanks, and
  // tabs where the style makes them indentation.
  struct ReadLine {
    std::string_view code;
    std::uint32_t indentation = 0;
  };
  ReadLine Read(std::string_view line) const {
    const std::size_t blanks = LeadingBlankCount(line);
    std::size_t code = blanks;
    while (code < line.size() && (line[code] == ' ' || line[code] == '\t'))
      ++code;
    return {line.substr(code), static_cast<std::uint32_t>(tabs_too_ ? code : blanks)};
  }
  // How many blanks a line starts with, eight at a time: deep code is led by dozens of them.
  static std::size_t LeadingBlankCount(std::string_view line) {
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
  // The line laid out at `columns`, its own indentation ending at `indentation`.
  LineLayout LaidOut(std::string_view line, std::uint32_t indentation, std::uint32_t columns) {
    // Only a comment can be a marker, or a line of those formatting is off for; most lines are
    // turned away by their first character.
    const bool maybe_marker =
        indentation < line.size() && (line[indentation] == '\'' || line[indentation] == '\t');
    if ((maybe_marker || formatting_off_) && KeptByMarkers(line, maybe_marker, indentation))
        [[unlikely]] {
      return LineLayout::Kept();
    }
    LineLayout layout = IndentationAt(columns);
    layout.strip = indentation;
    if (style_.trim_trailing_whitespace) Trim(line, indentation, layout);
    return layout;
  }
  // Follows `' tessaly: off` and `' tessaly: on`: whether the line keeps its text.
  bool KeptByMarkers(std::string_view line, bool maybe_marker, std::uint32_t indentation);
  void Trim(std::string_view line, std::uint32_t indentation, LineLayout& layout) const;
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
  LineLayout LayOutByRules(std::string_view line, const ReadLine& read, const StatementHead& head);
  void LayOutByRules(const StatementHead& head, std::span<const std::string_view> lines,
                     std::span<const std::string_view> codes, std::span<LineLayout> layouts);
  std::uint32_t WrittenColumns(std::string_view line, std::size_t k) const;
  StatementEffect EffectOf(const StatementHead& head, std::span<const std::string_view> codes);
  bool AtColumnOne(std::string_view first_line, const StatementEffect& effect,
                   Directive directive) const;
  int FollowDirective(Directive directive);
  void LayOutContinuation(std::span<const std::string_view> lines, std::span<LineLayout> layouts,
                          std::uint32_t first_columns);
  int ClosesFile(const StatementEffect& effect);

  const IndentStyle& style_;
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

}  // namespace tessaly::codetools
