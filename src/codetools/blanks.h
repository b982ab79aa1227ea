#pragma once

// Trimming as the editor's own language does it: "blank" means the space character only,
// so a tab survives every trim here but those named for tabs too.

#include <string>
#include <string_view>

namespace tessaly::codetools {

std::u16string_view TrimLeadingBlanks(std::u16string_view text);
std::u16string_view TrimTrailingBlanks(std::u16string_view text);
std::u16string_view TrimBlanks(std::u16string_view text);

// Empty or blanks only; a tab makes a line not blank.
bool IsBlankLine(std::u16string_view line);

// A blank or a tab, as a unit of either width.
template <typename Unit>
constexpr bool IsBlankOrTab(Unit c) {
  return c == ' ' || c == '\t';
}

// Text without its leading run, its trailing run, or both, of blanks and tabs in any mixture.
// The same of bytes, which hold blanks and tabs as ASCII in every encoding a module may have.
std::u16string_view TrimLeadingBlanksAndTabs(std::u16string_view text);
std::u16string_view TrimTrailingBlanksAndTabs(std::u16string_view text);
std::string_view TrimLeadingBlanksAndTabs(std::string_view text);
std::string_view TrimTrailingBlanksAndTabs(std::string_view text);
std::u16string TrimBlanksAndTabs(std::u16string_view text);

}  // namespace tessaly::codetools
