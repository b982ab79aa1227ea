#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tessaly::text {

// Exported modules hold bytes that no strict decoder accepts (a lone 0x80, a Latin-1 letter in
// a code page 936 file, a truncated UTF-8 sequence). Each such byte decodes to a lone low
// surrogate U+DC80..U+DCFF, which never occurs in decoded text otherwise, and encodes back to
// exactly that byte, so a line survives editing with its odd bytes intact.
constexpr bool IsByteEscape(char16_t unit) {
  return unit >= 0xDC80 && unit <= 0xDCFF;
}
constexpr char16_t EscapeByte(unsigned char byte) {
  return static_cast<char16_t>(0xDC00 + byte);
}
constexpr char EscapedByte(char16_t unit) {
  return static_cast<char>(unit - 0xDC00);
}

// The result of encoding editor text for a file. When the encoding has no bytes for some code
// unit, `bytes` is incomplete and `unencodable_at` gives the unit's position.
struct Encoded {
  std::string bytes;
  std::optional<std::size_t> unencodable_at;
};

}  // namespace tessaly::text
