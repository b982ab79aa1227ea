#pragma once

// The walk of "代码缩进" down a module, one statement at a time: the level, and what the
// statements above have opened. The editor face and `tessaly fmt` hand it their lines as they
// have them; the command line lays each statement out as it splits the file, so a module is
// walked once, not split, then laid out, then measured.

#include <cstdint>
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
  // The same of a statement of one line, as most are.
  LineLayout LayOutStatement(std::string_view line);

 private:
  std::span<const std::string_view> ReadStatement(std::span<const std::string_view> lines);
  // The line's code after its blanks and tabs, and where its own indentation ends.
  struct ReadLine {
    std::string_view code;
    std::uint32_t indentation = 0;
  };
  ReadLine Read(std::string_view line) const;
  void LayOutByRules(const StatementHead& head, std::span<const std::string_view> lines,
                     std::span<const std::string_view> codes, std::span<LineLayout> layouts);
  std::uint32_t WrittenColumns(std::string_view line, std::size_t k) const;
  LineLayout IndentationAt(std::uint32_t columns) const;
  std::uint32_t LevelColumns(int level) const;
  StatementEffect EffectOf(const StatementHead& head, std::span<const std::string_view> codes);
  bool AtColumnOne(std::string_view first_line, const StatementEffect& effect,
                   Directive directive) const;
  int FollowDirective(Directive directive);
  void LayOutContinuation(std::span<const std::string_view> lines, std::span<LineLayout> layouts,
                          std::uint32_t first_columns);
  int ClosesFile(const StatementEffect& effect);
  void LayOutLine(std::string_view line, std::uint32_t indentation, std::uint32_t columns,
                  LineLayout& layout);

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
