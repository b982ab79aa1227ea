#include "menu/web_lookup.h"

#include "text/surrogates.h"
#include "text/utf.h"

namespace tessaly::menu {
namespace {

// Baidu is the search and translation service most Chinese developers use. Its result page
// takes the query under "wd" at "/s"; its translator reads the direction and the text from
// the fragment, and "aldtype" is the query its own links carry.
constexpr std::u16string_view kSearchAddress = u"https://www.baidu.com/s?wd=";
constexpr std::u16string_view kTranslateAddress = u"https://fanyi.baidu.com/?aldtype=16047#";
constexpr std::u16string_view kChineseToEnglish = u"zh/en/";
constexpr std::u16string_view kEnglishToChinese = u"en/zh/";

constexpr char32_t kReplacement = 0xFFFD;

// Calls `visit` with each code point; a lone surrogate is passed as U+FFFD.
template <class Visit>
void ForEachCodePoint(std::u16string_view text, Visit&& visit) {
  for (std::size_t i = 0; i < text.size();) {
    const text::CodePointUnits read = text::CodePointAt(text, i);
    visit(text::IsSurrogate(read.code_point) ? kReplacement : read.code_point);
    i += read.units;
  }
}

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

bool IsChineseText(std::u16string_view text) {
  bool chinese = false;
  ForEachCodePoint(text, [&](char32_t c) {
    if ((c >= 0x4E00 && c <= 0xFA29) || (c >= 0x20000 && c <= 0x3FFFF)) chinese = true;
  });
  return chinese;
}

std::u16string PercentEncode(std::u16string_view text) {
  std::u16string well_formed;
  ForEachCodePoint(text, [&](char32_t c) {
    text::PutUnits(c, [&well_formed](char16_t unit) { well_formed += unit; });
  });
  constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string encoded;
  for (const char c : text::ToUtf8(well_formed)) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      encoded += char16_t(byte);
    } else {
      encoded += u'%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::u16string WebLookupAddress(std::u16string_view text, std::int32_t mode) {
  std::u16string address;
  if (mode != 0) {
    address = kSearchAddress;
  } else {
    address = kTranslateAddress;
    address += IsChineseText(text) ? kChineseToEnglish : kEnglishToChinese;
  }
  return address + PercentEncode(text);
}

void OpenWebLookup(host::SystemServices& system, std::u16string_view text, std::int32_t mode) {
  system.OpenUrl(WebLookupAddress(text, mode));
}

}  // namespace tessaly::menu
