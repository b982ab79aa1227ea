#pragma once

// How a project wants its code laid out: what "代码缩进" and `tessaly fmt` write, and how the
// tools that measure columns count a tab. A default-built style is the layout the editor
// itself has always been given: four blanks a level, tabs in the text left where they are.

#include <cstdint>

namespace tessaly::codetools {

struct IndentStyle {
  enum class Indentation : std::uint8_t {
    // Blanks; a tab at the start of a line is part of its text, as the editor treats it.
    kBlanksKeepingTabs,
    // Blanks; leading tabs are indentation too and give way to blanks.
    kBlanks,
    // One tab a level; leading blanks and tabs give way to tabs.
    kTabs,
  };
  enum class Continuation : std::uint8_t {
    kLevel,  // continuation lines one level deeper than their statement's first line
    kKeep,   // continuation lines keep their offset from the first line, as written
  };

  Indentation indentation = Indentation::kBlanksKeepingTabs;
  std::uint32_t indent_size = 4;  // blanks a level
  std::uint32_t tab_width = 4;    // columns a tab counts where a tool measures width
  bool trim_trailing_whitespace = false;
  bool indent_case = false;
  // Where false, a procedure's statements stand at its header's level, as code written flush
  // left inside each procedure has them; blocks inside still open their levels.
  bool indent_procedure_body = true;
  bool directives_at_column_1 = false;
  bool labels_at_column_1 = false;
  bool keep_column_1_comments = false;
  Continuation continuation = Continuation::kLevel;

  bool operator==(const IndentStyle&) const = default;
};

}  // namespace tessaly::codetools
