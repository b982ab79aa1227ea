#pragma once

// The core's UTF-16 text and the W functions' wchar_t text are the same code units on Windows:
// one place says how to pass one as the other.

#include <string>
#include <string_view>

namespace tessaly::win32 {

// The text as a W function takes it, without a copy: valid while `text` lives unchanged.
inline const wchar_t* WideView(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A copy of the text, for a W function that keeps or changes what it is given.
inline std::wstring WideCopy(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace tessaly::win32
