#pragma once

// The web look-up of a word: Baidu's translation page (Chinese to English or English to
// Chinese) or Baidu's web search, opened in the user's browser.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/system_services.h"

namespace tessaly::menu {

// True when the text holds a CJK ideograph: U+4E00 to U+FA29, or one of the supplementary
// ideographs (U+20000 to U+3FFFF) that arrive as a surrogate pair.
bool IsChineseText(std::u16string_view text);

// The text as UTF-8 with every byte outside the unreserved characters written as %XX, so it
// can stand in a query value or a fragment whatever it holds. A lone surrogate becomes
// U+FFFD, which the browser can show.
std::u16string PercentEncode(std::u16string_view text);

// Mode 0 (translate) or any other (search); see menu_commands.h for the names.
std::u16string WebLookupAddress(std::u16string_view text, std::int32_t mode);

void OpenWebLookup(host::SystemServices& system, std::u16string_view text, std::int32_t mode);

}  // namespace tessaly::menu
