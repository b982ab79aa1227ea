#include "style/style_keys.h"

#include <array>

namespace tessaly::style {

namespace {

constexpr std::array<StyleKey, 10> kStyleKeys = {{
    {"indent_style", StyleValues::kIndentStyle, "space"},
    {"indent_size", StyleValues::kSize, "4"},
    {"tab_width", StyleValues::kSize, "4"},
    {"trim_trailing_whitespace", StyleValues::kTrueFalse, "false"},
    {"vb_indent_case", StyleValues::kTrueFalse, "false"},
    {"vb_indent_procedure_body", StyleValues::kTrueFalse, "true"},
    {"vb_directives_at_column_1", StyleValues::kTrueFalse, "false"},
    {"vb_labels_at_column_1", StyleValues::kTrueFalse, "false"},
    {"vb_keep_column_1_comments", StyleValues::kTrueFalse, "false"},
    {"vb_continuation", StyleValues::kContinuation, "level"},
}};

}  // namespace

std::span<const StyleKey> StyleKeys() {
  return kStyleKeys;
}

}  // namespace tessaly::style
