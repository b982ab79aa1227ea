#pragma once

// Letter case as the editors fold it for names, keywords, settings and program files: A to Z
// only. Every fold of the program goes through these, for text of any unit.

#include <algorithm>
#include <string_view>

namespace tessaly::text {

template <typename Unit>
constexpr Unit AsciiUpper(Unit c) {
  return c >= 'a' && c <= 'z' ? static_cast<Unit>(c - 'a' + 'A') : c;
}

template <typename Unit>
constexpr Unit AsciiLower(Unit c) {
  return c >= 'A' && c <= 'Z' ? static_cast<Unit>(c - 'A' + 'a') : c;
}

// The whole text folded.
template <typename String>
String AsciiUppercased(String text) {
  for (auto& c : text)
    c = AsciiUpper(c);
  return text;
}

template <typename String>
String AsciiLowercased(String text) {
  for (auto& c : text)
    c = AsciiLower(c);
  return text;
}

constexpr bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

}  // namespace tessaly::text
