#pragma once

#include <string>
#include <string_view>

namespace tessaly::text {

// Conversions at the edges (terminal, files, .reg text). Invalid input never throws:
// ill-formed UTF-8 bytes become U+FFFD, lone surrogates are written as their three-byte form.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
// Appends one code point's UTF-8 bytes.
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace tessaly::text
