#pragma once

// The cleaning walk behind "取消缩进", "删除空行" and "删除注解": one operation that takes the
// clicked caption. Any other caption changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "addin/connection.h"
#include "codetools/line_walk.h"
#include "host/editor.h"

namespace tessaly::codetools {

inline constexpr char16_t kUnindentCaption[] = u"取消缩进";
inline constexpr char16_t kDeleteBlankLinesCaption[] = u"删除空行";
inline constexpr char16_t kDeleteCommentsCaption[] = u"删除注解";

// "取消缩进" on one line: ends trimmed of blanks and tabs, the gap after the first word
// shrunk to one blank unless a string literal starts before it.
std::u16string UnindentLine(std::u16string_view line);

// "删除注解" on one line: the comment cut off, a whole-line comment leaving an empty line (or
// its indentation); a line without a comment comes back unchanged.
std::u16string DeleteCommentOfLine(std::u16string_view line);

// The new text of every line, or nullopt for a line to delete.
std::vector<std::optional<std::u16string>> CleanLines(const std::vector<std::u16string>& lines,
                                                      std::u16string_view caption);

// Cleans lines first to last of a module; deletions go bottom-up, so a deleted line never
// moves one still to be handled. Returns false when a line could not be read: the lines
// above it are cleaned, the rest untouched.
bool CleanRange(LineCache& lines, std::int32_t first, std::int32_t last,
                std::u16string_view caption);
bool CleanRange(host::CodeModule& module, std::int32_t first, std::int32_t last,
                std::u16string_view caption);

// The menu tool over the TargetRange of the active code pane.
void RunCleaningWalk(addin::Connection& connection, std::u16string_view caption);
void UnindentCode(addin::Connection& connection);
void DeleteBlankLines(addin::Connection& connection);
void DeleteComments(addin::Connection& connection);

}  // namespace tessaly::codetools
