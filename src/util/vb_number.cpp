#include "util/vb_number.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace tessaly::util {

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::optional<double> ParseRadix(std::u16string_view digits, unsigned radix,
                                 std::size_t max_digits) {
  if (digits.empty() || digits.size() > max_digits) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    unsigned digit = radix;
    if (c >= u'0' && c <= u'9') digit = c - u'0';
    if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    if (digit >= radix) return std::nullopt;
    value = value * radix + digit;
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  // &H80000001 is a Long, so its top bit is the sign.
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

std::optional<double> ParseVbNumber(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back()))
    text.remove_suffix(1);
  if (text.size() > 2 && text[0] == u'&') {
    if (text[1] == u'H' || text[1] == u'h') return ParseRadix(text.substr(2), 16, 8);
    if (text[1] == u'O' || text[1] == u'o') return ParseRadix(text.substr(2), 8, 11);
    return std::nullopt;
  }
  std::string ascii;
  std::size_t i = 0;
  const auto take_sign = [&] {
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ascii.push_back(char(text[i++]));
  };
  const auto take_digits = [&] {
    std::size_t count = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++count) {
      ascii.push_back(char(text[i]));
    }
    return count;
  };
  take_sign();
  std::size_t digits = take_digits();
  if (i < text.size() && text[i] == u'.') {
    ascii.push_back('.');
    ++i;
    digits += take_digits();
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
    ascii.push_back('e');
    ++i;
    take_sign();
    if (take_digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::u16string FormatVbNumber(double number) {
  char buffer[40];
  if (number == std::trunc(number) && std::fabs(number) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", number);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15G", number);
    std::string text = buffer;
    // Trailing zeros of the fraction are not written.
    const auto exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') != std::string::npos) {
      while (mantissa.back() == '0')
        mantissa.pop_back();
      if (mantissa.back() == '.') mantissa.pop_back();
    }
    text = mantissa + tail;
    return std::u16string(text.begin(), text.end());
  }
  const std::string text = buffer;
  return std::u16string(text.begin(), text.end());
}

std::optional<std::int64_t> RoundHalfEvenIn(double number, std::int64_t low, std::int64_t high) {
  if (!std::isfinite(number)) return std::nullopt;
  const double rounded = std::nearbyint(number);  // the default mode rounds halves to even
  if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(rounded);
}

std::optional<std::int32_t> VbLong(double number) {
  const auto rounded = RoundHalfEvenIn(number, INT32_MIN, INT32_MAX);
  return rounded ? std::optional<std::int32_t>(static_cast<std::int32_t>(*rounded)) : std::nullopt;
}

}  // namespace tessaly::util
