#pragma once

// How the code tools find a line's comment. None of this parses the language: quotes are
// counted on the one line, and only an apostrophe opens a comment after code.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::codetools {

// The line with every run of three blanks taken out (left to right, without overlap) and
// then trimmed of blanks: a rough, indentation-blind view of how the line begins.
std::u16string CommentKey(std::u16string_view line);

// The first four characters of CommentKey(line) (fewer when the key is shorter), found
// without building the whole key: every tool asks for it on every line of its range.
std::u16string CommentKeyHead(std::u16string_view line);

// The 1-based position of the apostrophe that opens a comment after code, or 0 for a line
// without one (whole-line apostrophe and Rem comments included).
std::int32_t FindCommentStart(std::u16string_view line);

// An apostrophe comment, or a line whose key begins with exactly "Rem".
bool IsCommentLine(std::u16string_view line);

// Where an apostrophe comment starts, the one rule of every tool and of the indentation: the
// first apostrophe met at an even count of double quotes; npos when there is none.
// The same of bytes in any encoding a module may have: quotes and apostrophes are ASCII in all.
std::size_t FirstApostropheOutsideString(std::u16string_view text);
std::size_t FirstApostropheOutsideString(std::string_view text);

// The text before the first apostrophe outside a string literal, trailing blanks kept; the
// whole text when there is none.
std::u16string StripComment(std::u16string_view text);

}  // namespace tessaly::codetools
