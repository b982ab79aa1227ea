#pragma once

// UTF-16LE as the registry and its .reg files hold it, for the simulated OS's tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::sim::testing {

// A string value's bytes, with the terminating null.
inline std::vector<std::uint8_t> Sz(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t c : std::u16string(text) + u'\0')
    bytes.insert(bytes.end(),
                 {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8)});
  return bytes;
}

// A .reg file's bytes: a byte-order mark, then the text without a terminating null.
inline std::vector<std::uint8_t> Utf16File(std::u16string_view text) {
  auto bytes = Sz(u"\uFEFF" + std::u16string(text));
  bytes.resize(bytes.size() - 2);
  return bytes;
}

// The text of such a file, its mark left out.
inline std::u16string TextOfUtf16File(const std::vector<std::uint8_t>& file) {
  std::u16string text;
  for (std::size_t i = 2; i + 1 < file.size(); i += 2)
    text.push_back(static_cast<char16_t>(file[i] | (file[i + 1] << 8)));
  return text;
}

}  // namespace tessaly::sim::testing
