#pragma once

// The runtime's string functions on one code line, with its rules: blanks are the character
// 32 only (see codetools/blanks.h), positions count from 1, and a negative length is refused
// (nothing) instead of yielding a text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::menu {

std::u16string LeadingBlanks(std::u16string_view text);
bool IsBlankLine(std::u16string_view text);
bool StartsWith(std::u16string_view text, std::u16string_view prefix);
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to);

std::optional<std::u16string> Left(std::u16string_view text, std::int32_t count);
std::optional<std::u16string> Mid(std::u16string_view text, std::int32_t start, std::int32_t count);
std::optional<std::u16string> Right(std::u16string_view text, std::int32_t count);

std::int32_t Length(std::u16string_view text);

}  // namespace tessaly::menu
