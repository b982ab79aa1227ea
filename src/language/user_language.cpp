#include <cstdlib>

#include "language/language.h"

namespace tessaly::language {

namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

Language UserLanguage() {
  return LanguageOfLocale(Variable("TESSALY_LANG"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                          Variable("LANG"));
}

}  // namespace tessaly::language
