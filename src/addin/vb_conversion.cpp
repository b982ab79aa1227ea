#include "addin/vb_conversion.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tessaly::addin {

namespace {

std::string TrimmedAscii(const std::u16string& text, bool& ascii) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == u' ' || text[first] == u'\t'))
    ++first;
  while (last > first && (text[last - 1] == u' ' || text[last - 1] == u'\t'))
    --last;
  std::string out;
  ascii = true;
  for (std::size_t i = first; i < last; ++i) {
    if (text[i] > 0x7F) ascii = false;
    out.push_back(static_cast<char>(text[i]));
  }
  return out;
}

std::string Lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::optional<double> ToNumber(const std::u16string& text) {
  bool ascii = false;
  const std::string trimmed = TrimmedAscii(text, ascii);
  if (!ascii || trimmed.empty()) return std::nullopt;
  const std::string lower = Lowered(trimmed);
  if (lower.rfind("&h", 0) == 0) {
    if (lower.size() == 2 || lower.size() > 10) return std::nullopt;
    char* end = nullptr;
    const unsigned long value = std::strtoul(lower.c_str() + 2, &end, 16);
    if (*end != '\0') return std::nullopt;
    // Eight hex digits read as a signed 32-bit number, like the runtime does.
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
  }
  // Only plain decimal notation: no hexadecimal floats, infinities or NaN from strtod.
  for (const char c : lower) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e')) {
      return std::nullopt;
    }
  }
  char* end = nullptr;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end == trimmed.c_str() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int32_t> ToWholeNumber(const std::u16string& text) {
  const auto number = ToNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);  // default rounding mode: half to even
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

std::optional<bool> ToBoolean(const std::u16string& text) {
  bool ascii = false;
  const std::string lower = Lowered(TrimmedAscii(text, ascii));
  if (ascii && lower == "true") return true;
  if (ascii && lower == "false") return false;
  const auto number = ToNumber(text);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

}  // namespace tessaly::addin
