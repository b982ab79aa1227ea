#pragma once

#include <string>
#include <string_view>

#include "text/byte_escape.h"

namespace tessaly::text {

// Code page 936 as the Chinese editions of the editor write it: ASCII, 0x80 for the euro sign,
// the GBK double-byte characters and the user-defined areas (0xAAA1..0xAFFE, 0xF8A1..0xFEFE,
// 0xA140..0xA7A0, mapped to the private use area U+E000..U+E765).
//
// Decoding never fails: a byte that starts no character is kept as a byte escape (see
// byte_escape.h), and a pair is decoded only if its character encodes back to the same pair,
// so EncodeGbk(DecodeGbk(bytes)).bytes == bytes for every byte string.
std::u16string DecodeGbk(std::string_view bytes);
Encoded EncodeGbk(std::u16string_view text);

// For a reader that walks the bytes itself and widens ASCII on its own: the characters from
// `at`, whose byte is 0x80 or more, up to the next character that is ASCII (the trail byte of a
// pair may be an ASCII letter) or the end, decoded as DecodeGbk decodes them and written from
// `out`, at most one unit a byte. Returns where the run stops; `out` is moved past what it wrote.
std::size_t DecodeGbkRun(std::string_view bytes, std::size_t at, char16_t*& out);
// The same run, its characters counted into `characters` and not decoded.
std::size_t CountGbkRun(std::string_view bytes, std::size_t at, std::size_t& characters);

}  // namespace tessaly::text
