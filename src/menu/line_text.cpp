#include "menu/line_text.h"

#include <algorithm>

#include "codetools/blanks.h"

namespace tessaly::menu {

std::u16string LeadingBlanks(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  return std::u16string(text.substr(0, first == std::u16string_view::npos ? text.size() : first));
}

bool IsBlankLine(std::u16string_view text) {
  return codetools::TrimBlanks(text).empty();
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
  std::u16string result;
  std::size_t position = 0;
  for (auto found = text.find(from); !from.empty() && found != std::u16string_view::npos;
       found = text.find(from, position)) {
    result.append(text.substr(position, found - position)).append(to);
    position = found + from.size();
  }
  result.append(text.substr(position));
  return result;
}

std::int32_t Length(std::u16string_view text) {
  return static_cast<std::int32_t>(text.size());
}

std::optional<std::u16string> Left(std::u16string_view text, std::int32_t count) {
  if (count < 0) return std::nullopt;
  return std::u16string(text.substr(0, std::min<std::size_t>(count, text.size())));
}

std::optional<std::u16string> Mid(std::u16string_view text, std::int32_t start,
                                  std::int32_t count) {
  if (start < 1 || count < 0) return std::nullopt;
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= text.size()) return std::u16string();
  return std::u16string(text.substr(from, static_cast<std::size_t>(count)));
}

std::optional<std::u16string> Right(std::u16string_view text, std::int32_t count) {
  if (count < 0) return std::nullopt;
  const auto n = std::min<std::size_t>(count, text.size());
  return std::u16string(text.substr(text.size() - n));
}

}  // namespace tessaly::menu
