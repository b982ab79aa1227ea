#include "language/language.h"

namespace tessaly::language {

namespace {

bool NamesChinese(std::string_view locale) {
  return locale == "zh" || locale.starts_with("zh_") || locale.starts_with("zh.") ||
         locale.starts_with("zh@");
}

}  // namespace

Language LanguageOfLocale(std::string_view tessaly_lang, std::string_view lc_all,
                          std::string_view lc_messages, std::string_view lang) {
  if (tessaly_lang == "zh") return Language::kChinese;
  if (tessaly_lang == "en") return Language::kEnglish;
  for (const std::string_view locale : {lc_all, lc_messages, lang}) {
    if (!locale.empty()) return NamesChinese(locale) ? Language::kChinese : Language::kEnglish;
  }
  return Language::kEnglish;
}

}  // namespace tessaly::language
