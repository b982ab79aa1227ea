#pragma once

// The word table that decides how a statement moves the block level. The engine never parses
// a statement; it looks at its first words, as VB reads them: in any letter case, after a line
// number or a label, and up to the colon that ends a statement.
//
// The rules read bytes and tell characters by ASCII alone: every byte of 0x80 or more is taken
// for part of a letter outside ASCII. UTF-8 reads so as it is, and so does code page 936 but
// where the second byte of a character may fall in ASCII: such a line is read with each of its
// characters outside ASCII made one byte of 0x80, and the editor's
// UTF-16 with each unit outside ASCII made one byte of 0x80: a line's blanks, quotes, colons and
// words stay where they were, and the line's layout with them.

#include <cstdint>
#include <span>
#include <string_view>

#include "codetools/vb_words.h"

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

  bool operator==(const StatementEffect&) const = default;
};

// A statement's first word, read once for what follows: most statements are told by it alone.
class StatementHead {
 public:
  // `code`: the statement's first line without its indentation; viewed, not copied. Inline:
  // it is read on every line of whole modules.
  explicit StatementHead(std::string_view code) {
    using namespace vb_words;
    // The word's letters are packed before the rest of the name is walked: most names that
    // stop within eight letters are walked no further.
    const LeadingLetters letters = LettersLeading(code);
    std::size_t name_end = letters.count;
    while (name_end < code.size() && IsNameCharacter(code[name_end]))
      ++name_end;
    name_ = code.substr(0, name_end);
    if (name_end == 0) {
      // Comments, `.Member = x` in a With and the like start with no name: nothing to read.
      plain_ = code.empty() || (code.front() != '\'' && code.front() != '#');
      comment_ = !code.empty() && code.front() == '\'';
      return;
    }
    const std::uint64_t packed = name_end == letters.count ? letters.packed : 0;
    const WordGroup group = GroupOf(packed);
    group_ = static_cast<std::uint8_t>(group);
    const bool maybe_label = name_end < code.size() && code[name_end] == ':';
    turned_away_ = group == WordGroup::kNone && !maybe_label && !IsDigit(code.front());
    // `Rem` opens a comment, which a format marker or a column-1 style may keep apart.
    plain_ = turned_away_ && packed != kRem;
  }
  // Whether a statement of this one line surely moves no level and is neither a directive nor a
  // comment (`x = 1`, `Call F`, `.Value = 2`, an empty line): EffectOfStatement would find no
  // effect, DirectiveOf no directive, IsCommentCode no comment. Where it is false, they decide.
  bool IsPlain() const { return plain_; }
  // Whether EffectOfStatement surely finds no effect: the code starts with no name, or with a
  // name that is no keyword and no label.
  bool MovesNoLevel() const { return name_.empty() || turned_away_; }
  // Whether the code is an apostrophe's comment: it moves no level, and is no directive either.
  bool IsComment() const { return comment_; }

 private:
  friend StatementEffect EffectOfStatement(const StatementHead&, std::span<const std::string_view>,
                                           bool);
  std::string_view name_;  // the run of name characters the code starts with
  std::uint8_t group_ = 0;
  bool turned_away_ = false;  // a name that is no keyword and no label: no effect
  bool plain_ = false;
  bool comment_ = false;
};

// The effect of a statement given as the code of its physical lines (each without its leading
// indentation), the first line first; continuation lines are part of it. `indent_case` puts
// `Case` one level inside `Select Case`.
StatementEffect EffectOfStatement(std::span<const std::string_view> lines, bool indent_case);
// The same with its first line's head already read.
StatementEffect EffectOfStatement(const StatementHead& head,
                                  std::span<const std::string_view> lines, bool indent_case);

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
