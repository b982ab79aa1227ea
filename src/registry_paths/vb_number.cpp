#include "registry_paths/vb_number.h"
#include "text/ascii_case.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string>
#include <system_error>

namespace tessaly::registry_paths {

namespace {

bool IsSpaceOrTab(char16_t c) {
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

// Whether a well-formed decimal text "digits[.digits][e[sign]digits]" (not all zeros) is below
// one in magnitude. Only asked of numbers outside a double's range, whose decimal exponent is
// beyond 300 either way, so the exponent is counted only that far.
bool IsBelowOne(std::string_view ascii) {
  const auto exponent_at = std::min(ascii.find('e'), ascii.size());
  const std::string_view mantissa = ascii.substr(0, exponent_at);
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first_significant = mantissa.find_first_not_of("0.");
  if (first_significant == std::string_view::npos) return true;
  // The power of ten of the first significant digit, plus one.
  long long order = first_significant < point
                        ? static_cast<long long>(point - first_significant)
                        : -static_cast<long long>(first_significant - point - 1);
  if (exponent_at < ascii.size()) {
    std::string_view exponent = ascii.substr(exponent_at + 1);
    const bool exponent_negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
      exponent.remove_prefix(1);
    }
    long long magnitude = 0;
    for (const char digit : exponent)
      magnitude = std::min(magnitude * 10 + (digit - '0'), 1'000'000'000LL);
    order += exponent_negative ? -magnitude : magnitude;
  }
  return order <= 0;
}

}  // namespace

std::optional<double> ParseVbNumber(std::u16string_view text) {
  while (!text.empty() && IsSpaceOrTab(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpaceOrTab(text.back()))
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
  // The number's own sign is kept aside: the conversion below takes no plus there.
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
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
  // The C library's conversions follow the process's locale, which the host sets (a German
  // Windows reads "1.5" as 1); this one always takes a point.
  double value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error == std::errc::result_out_of_range && IsBelowOne(ascii)) {
    value = 0;  // too small for a double: zero, as the runtime reads it
  } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::u16string FormatVbNumber(double number) {
  // Wide enough for any whole number below 1e15 and for 15 significant digits with an
  // exponent. The conversion ignores the process's locale, so the point is always a point.
  char buffer[32];
  const bool whole = number == std::trunc(number) && std::fabs(number) < 1e15;
  const auto [end, error] = whole ? std::to_chars(std::begin(buffer), std::end(buffer), number,
                                                  std::chars_format::fixed, 0)
                                  : std::to_chars(std::begin(buffer), std::end(buffer), number,
                                                  std::chars_format::general, 15);
  // Also the runtime's exponent letter and its INF / NAN.
  std::u16string text(std::begin(buffer), error == std::errc() ? end : std::begin(buffer));
  return text::AsciiUppercased(std::move(text));
}

std::optional<std::int64_t> RoundHalfEvenIn(double number, std::int64_t low, std::int64_t high) {
  if (!std::isfinite(number)) return std::nullopt;
  // Worked out by hand rather than by the floating-point unit's rounding mode, which the host
  // process may have changed. The fraction is exact: a double's fraction bits are a double.
  const double below = std::floor(number);
  const double fraction = number - below;
  const double rounded =
      fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2) != 0) ? below + 1 : below;
  if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(rounded);
}

std::optional<std::int32_t> VbLong(double number) {
  const auto rounded = RoundHalfEvenIn(number, INT32_MIN, INT32_MAX);
  return rounded ? std::optional<std::int32_t>(static_cast<std::int32_t>(*rounded)) : std::nullopt;
}

}  // namespace tessaly::registry_paths
