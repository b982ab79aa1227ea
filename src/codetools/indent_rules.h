#pragma once

// The word table that decides how a statement moves the block level. The engine never parses
// a statement; it looks at its first words, as VB reads them: in any letter case, after a line
// number or a label, and up to the colon that ends a statement.
//
// The rules read bytes and tell characters by ASCII alone: every byte of 0x80 or more is taken
// for part of a letter outside ASCII. UTF-8 reads so as it is. Code page 936, where the second
// byte of a character may fall in ASCII, is read with such bytes made 0x80, and the editor's
// UTF-16 with each unit outside ASCII made one byte of 0x80: a line's blanks, quotes, colons and
// words stay where they were, and the line's layout with them.

#include <span>
#include <string_view>

namespace tessaly::codetools {

struct StatementEffect {
  int close_before = 0;  // levels the statement stands shallower than the lines above it
  int open_after = 0;    // levels the lines below stand deeper than the statement
  // A `Type` or `Enum` block starts: its member lines are names, not statements.
  bool opens_member_list = false;
  // `End Type` or `End Enum`.
  bool closes_member_list = false;
  // A line label or line number with nothing after it but a comment.
  bool lone_label = false;
  // A procedure or a Type or Enum starts or ends: VB has them only at the module's level, so
  // whatever the lines above left open is closed there.
  bool starts_at_module_level = false;
  bool ends_at_module_level = false;
  // `Open` indents a file's statements up to its `Close`; a `Close` closes only that.
  bool opens_file = false;
  bool closes_file = false;
};

// The effect of a statement given as the code of its physical lines (each without its leading
// indentation), the first line first; continuation lines are part of it. `indent_case` puts
// `Case` one level inside `Select Case`.
StatementEffect EffectOfStatement(std::span<const std::string_view> lines, bool indent_case);

// Whether a statement inside a `Type` or `Enum` block ends it: its member lines open and close
// nothing, whatever their names.
bool EndsMemberList(std::string_view code);

// `'` or `Rem` first.
bool IsCommentCode(std::string_view code);

// Conditional compilation: `#If`, `#ElseIf`, `#Else`, `#End If`, `#Const`.
enum class Directive { kNone, kIf, kElseIf, kElse, kEndIf, kConst };
Directive DirectiveOf(std::string_view code);

// `' tessaly: off` and `' tessaly: on`: the lines from one to the other keep their text.
enum class FormatMarker { kNone, kOff, kOn };
FormatMarker FormatMarkerOf(std::string_view code);

}  // namespace tessaly::codetools
