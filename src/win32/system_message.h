#pragma once

// The system's own words for an error code, in the language the user reads Windows in, for
// messages that name what failed: a bare number tells a user nothing they can act on.

#include "win32/windows_headers.h"

#include <cstdio>
#include <string>

#include "text/utf.h"

namespace tessaly::win32 {

// One line of UTF-8, without the line break and full stop the system's texts end with. A code
// the system has no text for is named as such, with the number in the form the system's
// documentation lists it.
inline std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD flags =
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  // Language 0: the thread's, then the user's, then the system's, as Windows itself chooses.
  const DWORD length =
      FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message(text, text + length);
  if (text) LocalFree(text);
  while (!message.empty() &&
         (message.back() == u'\n' || message.back() == u'\r' || message.back() == u'.' ||
          message.back() == u' ' || message.back() == u'\u3002')) {
    message.pop_back();
  }
  for (char16_t& unit : message) {
    if (unit == u'\r' || unit == u'\n') unit = u' ';
  }
  if (message.empty()) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(error));
    return std::string("an error the system has no text for (") + code + ")";
  }
  return text::ToUtf8(message);
}

}  // namespace tessaly::win32
