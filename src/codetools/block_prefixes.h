#pragma once

// Lines that the editor does not report as procedures but that still bound a tool's range.
// Compared case-sensitively with the start of the raw line, so an indented or "Friend"
// header is not one.

#include <array>
#include <string_view>

namespace tessaly::codetools {

// Open a Type, Enum or Property block. Consulted before StopPrefixes, so "Public Type" is a
// header although it also begins with "Public".
inline constexpr std::array<std::u16string_view, 9> BlockHeaderPrefixes = {
    u"Enum",         u"Type",     u"Public Enum",     u"Public Type",      u"Private Enum",
    u"Private Type", u"Property", u"Public Property", u"Private Property",
};

// End the upward search for a header: such a line belongs to no block around the caret.
inline constexpr std::array<std::u16string_view, 9> StopPrefixes = {
    u"End", u"Public", u"Private", u"Sub", u"Function", u"Declare", u"Const", u"Dim", u"Global",
};

}  // namespace tessaly::codetools
