#pragma once

// The language `tessaly` answers in: Chinese for a user who reads Chinese, English otherwise.
// Chosen once when the program starts and handed to the commands.

#include <string_view>

namespace tessaly::language {

enum class Language { kEnglish, kChinese };

// The environment's choice as gettext reads it: `TESSALY_LANG` (en or zh) first, then the first
// of LC_ALL, LC_MESSAGES and LANG that is set and not empty; Chinese when that names a zh
// locale in UTF-8 (zh_CN.UTF-8, zh_TW.utf8, zh_SG.UTF-8@stroke). An empty text counts as unset.
Language LanguageOfLocale(std::string_view tessaly_lang, std::string_view lc_all,
                          std::string_view lc_messages, std::string_view lang);

// The current user's language: on Linux from the environment (LanguageOfLocale); on Windows
// `TESSALY_LANG`, then the language the user reads Windows in.
Language UserLanguage();

}  // namespace tessaly::language
