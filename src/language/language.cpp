#include "language/language.h"
#include "text/ascii_case.h"

#include <string>

namespace tessaly::language {

namespace {

// A zh locale whose characters are UTF-8, the bytes our messages are written in; a terminal
// set to GBK (zh_CN, zh_CN.GBK, zh_CN.GB18030) would show them garbled, so it reads English.
bool NamesChinese(std::string_view locale) {
  const bool chinese = locale == "zh" || locale.starts_with("zh_") || locale.starts_with("zh.") ||
                       locale.starts_with("zh@");
  const auto dot = locale.find('.');
  if (!chinese || dot == std::string_view::npos) return false;
  std::string codeset;
  for (const char c : locale.substr(dot + 1, locale.find('@', dot) - dot - 1)) {
    if (c != '-') codeset.push_back(text::AsciiLower(c));
  }
  return codeset == "utf8";
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
