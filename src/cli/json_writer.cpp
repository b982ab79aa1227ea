#include "cli/json_writer.h"

#include <cstdio>

#include "text/utf.h"

namespace tessaly::cli {

std::string JsonString(std::u16string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
    if (pair) {
      out += text::ToUtf8(text.substr(i, 2));
      ++i;
      continue;
    }
    switch (unit) {
      case u'"':
        out += "\\\"";
        break;
      case u'\\':
        out += "\\\\";
        break;
      case u'\n':
        out += "\\n";
        break;
      case u'\r':
        out += "\\r";
        break;
      case u'\t':
        out += "\\t";
        break;
      default:
        // Control characters and lone surrogates (escaped file bytes) are written as \u
        // escapes, so the report stays valid JSON whatever the text holds.
        if (unit < 0x20 || (unit >= 0xD800 && unit < 0xE000)) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
          out += escape;
        } else {
          out += text::ToUtf8(std::u16string_view(&unit, 1));
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace tessaly::cli
