#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly::text {

// Conversions at the edges (terminal, files, .reg text). Invalid input never throws:
// ill-formed UTF-8 bytes become U+FFFD, lone surrogates are written as their three-byte form.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
// Appends one code point's UTF-8 bytes.
void AppendUtf8(std::string& out, char32_t code_point);

// The UTF-8 sequence that starts at `at`, if the bytes there make one: its length (1 to 4) and
// its code point. Length 0 means they make none: a continuation byte, a byte that starts no
// sequence (C0, C1, F5 to FF), a sequence cut short, an overlong form or a code point past
// U+10FFFF. Only the shortest form of each code point is accepted, so a sequence encodes back
// to its own bytes. Encoded surrogates (ED A0 80 to ED BF BF) count as sequences here; a
// reader that needs characters refuses them itself.
struct Utf8Sequence {
  int length = 0;
  char32_t code_point = 0;
};
Utf8Sequence Utf8SequenceAt(std::string_view bytes, std::size_t at);

}  // namespace tessaly::text
