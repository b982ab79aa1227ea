#pragma once

// UTF-16's surrogates: a high one (D800 to DBFF) followed by a low one (DC00 to DFFF) stands for
// one code point past U+FFFF; either without the other is a lone surrogate. Every reader and
// writer of UTF-16 pairs them here.

#include <cstddef>
#include <string_view>

namespace tessaly::text {

constexpr bool IsHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
constexpr bool IsLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}
constexpr bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit < 0xE000;
}

// Hands `put` the units of a code point: itself below U+10000, else the pair that stands for it.
template <typename Put>
constexpr void PutUnits(char32_t code_point, Put put) {
  if (code_point < 0x10000) {
    put(static_cast<char16_t>(code_point));
    return;
  }
  const char32_t offset = code_point - 0x10000;
  put(static_cast<char16_t>(0xD800 + (offset >> 10)));
  put(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

// The code point a pair stands for.
constexpr char32_t CodePointOfPair(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The code point that starts at unit `at` and the units it takes: two for a pair, one for any
// other unit, a lone surrogate as itself.
struct CodePointUnits {
  char32_t code_point = 0;
  std::size_t units = 1;
};
constexpr CodePointUnits CodePointAt(std::u16string_view text, std::size_t at) {
  const char32_t unit = text[at];
  if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
    return {CodePointOfPair(unit, text[at + 1]), 2};
  }
  return {unit, 1};
}

}  // namespace tessaly::text
