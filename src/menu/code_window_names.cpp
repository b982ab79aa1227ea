#include "menu/code_window_names.h"

namespace tessaly::menu {

CodeWindowNames NamesOfCodeWindow(std::u16string_view caption) {
  CodeWindowNames names;
  constexpr std::u16string_view kSeparator = u" - ";
  const auto separator = caption.find(kSeparator);
  if (separator != std::u16string_view::npos) {
    names.project = std::u16string(caption.substr(0, separator));
    caption.remove_prefix(separator + kSeparator.size());
  }
  const auto marker = caption.rfind(u" (");
  if (caption.ends_with(u')') && marker != std::u16string_view::npos) {
    caption = caption.substr(0, marker);
  }
  names.module = std::u16string(caption);
  return names;
}

}  // namespace tessaly::menu
