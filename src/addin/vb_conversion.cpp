#include "addin/vb_conversion.h"

#include "registry_paths/vb_number.h"
#include "text/ascii_case.h"

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

}  // namespace

std::optional<double> ToNumber(const std::u16string& text) {
  return registry_paths::ParseVbNumber(text);
}

std::optional<std::int32_t> ToWholeNumber(const std::u16string& text) {
  const auto number = registry_paths::ParseVbNumber(text);
  return number ? registry_paths::VbLong(*number) : std::nullopt;
}

std::optional<bool> ToBoolean(const std::u16string& text) {
  bool ascii = false;
  const std::string lower = text::AsciiLowercased(TrimmedAscii(text, ascii));
  if (ascii && lower == "true") return true;
  if (ascii && lower == "false") return false;
  const auto number = ToNumber(text);
  if (!number) return std::nullopt;
  return *number != 0.0;
}

}  // namespace tessaly::addin
