#pragma once

// The cleaning walk behind "取消缩进", "删除空行" and "删除注解": one walk over the lines, each
// line cleaned the one way the menu chose.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codetools/code_tool.h"
#include "codetools/line_walk.h"

namespace tessaly::codetools {

enum class Cleaning { kUnindent, kDeleteBlankLines, kDeleteComments };

// "取消缩进" on one line: ends trimmed of blanks and tabs, the gap after the first word
// shrunk to one blank unless a string literal starts before it.
std::u16string UnindentLine(std::u16string_view line);

// "删除注解" on one line: the comment cut off, a whole-line comment leaving an empty line (or
// its indentation); a line without a comment comes back unchanged.
std::u16string DeleteCommentOfLine(std::u16string_view line);

// The new text of every line, or nullopt for a line to delete.
std::vector<std::optional<std::u16string>> CleanLines(const std::vector<std::u16string>& lines,
                                                      Cleaning cleaning);

// Cleans lines first to last of a module; deletions go bottom-up, so a deleted line never
// moves one still to be handled. Returns false when a line could not be read: the lines
// above it are cleaned, the rest untouched.
bool CleanRange(LineCache& lines, std::int32_t first, std::int32_t last, Cleaning cleaning);

// The menu tool over the TargetRange of the click's target.
void RunCleaningWalk(const CodeTarget& target, Cleaning cleaning);

}  // namespace tessaly::codetools
