#pragma once

// The EditorConfig keys a project's layout is read from, in the order they are shown.

#include <span>
#include <string_view>

namespace tessaly::style {

enum class StyleValues {
  kIndentStyle,   // space, tab
  kSize,          // 1 to 16, tab
  kTrueFalse,     // true, false
  kContinuation,  // level, keep
};

struct StyleKey {
  std::string_view name;
  StyleValues values;
  std::string_view default_value;
};

std::span<const StyleKey> StyleKeys();

}  // namespace tessaly::style
