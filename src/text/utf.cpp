#include "text/utf.h"
#include "text/surrogates.h"

#include <cstdint>

namespace tessaly::text {

Utf8Sequence Utf8SequenceAt(std::string_view bytes, std::size_t at) {
  const auto b0 = static_cast<std::uint8_t>(bytes[at]);
  if (b0 < 0x80) return {1, b0};
  // Lead bytes: C2..DF start two bytes, E0..EF three, F0..F4 four; every other byte none.
  const int length = b0 >= 0xC2 && b0 <= 0xDF   ? 2
                     : b0 >= 0xE0 && b0 <= 0xEF ? 3
                     : b0 >= 0xF0 && b0 <= 0xF4 ? 4
                                                : 0;
  if (length == 0 || bytes.size() - at < static_cast<std::size_t>(length)) return {};
  char32_t cp = b0 & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<std::uint8_t>(bytes[at + k]);
    if ((b & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (b & 0x3F);
  }
  const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (cp < smallest || cp > 0x10FFFF) return {};
  return {length, cp};
}

std::u16string FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Utf8Sequence sequence = Utf8SequenceAt(utf8, i);
    if (sequence.length == 0) {
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    PutUnits(sequence.code_point, [&out](char16_t unit) { out.push_back(unit); });
    i += static_cast<std::size_t>(sequence.length);
  }
  return out;
}

std::string ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size();) {
    const CodePointUnits read = CodePointAt(utf16, i);
    AppendUtf8(out, read.code_point);
    i += read.units;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace tessaly::text
