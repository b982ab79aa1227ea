#include "tabs/tab_names.h"

#include <string_view>

namespace tessaly::tabs {

namespace {

constexpr std::u16string_view kSeparator = u" - ";

std::u16string RemoveAll(std::u16string text, std::u16string_view part) {
  for (auto at = text.find(part); at != std::u16string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
  return text;
}

}  // namespace

std::u16string ReduceByWindowRule(const std::u16string& caption) {
  std::u16string text = RemoveAll(RemoveAll(caption, u"(Code)"), u"(代码)");
  const auto separator = text.find(kSeparator);
  if (separator == std::u16string::npos) return text;
  return RemoveAll(text.substr(separator), kSeparator);
}

std::u16string ReduceByNameRule(const std::u16string& caption) {
  // A caption without the marker is taken whole, so a window the editor captions without
  // one still meets the tab the window rule made for it.
  const std::u16string text = caption.substr(0, caption.find(u'('));
  const auto separator = text.find(kSeparator);
  if (separator == std::u16string::npos) return text;
  return text.substr(separator + kSeparator.size());
}

}  // namespace tessaly::tabs
