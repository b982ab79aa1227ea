#include <windows.h>

#include <cstdlib>
#include <string_view>

#include "language/language.h"

namespace tessaly::language {

// Windows users choose one language for the whole system rather than a locale per program:
// the language of its menus and of its own error texts, which our messages stand beside.
Language UserLanguage() {
  const char* variable = std::getenv("TESSALY_LANG");
  const std::string_view chosen = variable ? variable : "";
  if (chosen == "zh") return Language::kChinese;
  if (chosen == "en") return Language::kEnglish;
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::kChinese
                                                                   : Language::kEnglish;
}

}  // namespace tessaly::language
