// Properties and overrides into a layout: the derivations between the two sizes, unset, the
// defaults, and each key's refusal naming file, line and key.

#include <gtest/gtest.h>

#include <string>

#include "style/style_error.h"
#include "style/style_resolution.h"

namespace tessaly::style {
namespace {

using Indentation = codetools::IndentStyle::Indentation;

Properties Set(std::initializer_list<std::pair<const char*, const char*>> pairs) {
  Properties properties;
  std::uint32_t line = 1;
  for (const auto& [key, value] : pairs)
    properties[key] = {value, "/p/.editorconfig", line++};
  return properties;
}

codetools::IndentStyle Style(Indentation indentation, std::uint32_t size, std::uint32_t width) {
  codetools::IndentStyle style;
  style.indentation = indentation;
  style.indent_size = size;
  style.tab_width = width;
  return style;
}

TEST(ResolveStyle, DerivesSizesAndFallsBackToDefaults) {
  const auto keeping = Indentation::kBlanksKeepingTabs;
  const struct {
    Properties properties;
    std::vector<StyleOverride> overrides;
    codetools::IndentStyle expected;
  } cases[] = {
      {{}, {}, codetools::IndentStyle{}},
      {Set({{"indent_style", "space"}}), {}, Style(Indentation::kBlanks, 4, 4)},
      {Set({{"indent_style", "Tab"}}), {}, Style(Indentation::kTabs, 4, 4)},
      {Set({{"indent_style", "tab"}, {"tab_width", "8"}}), {}, Style(Indentation::kTabs, 8, 8)},
      {Set({{"indent_size", "2"}}), {}, Style(keeping, 2, 2)},
      {Set({{"indent_size", "2"}, {"tab_width", "8"}}), {}, Style(keeping, 2, 8)},
      {Set({{"indent_size", "tab"}, {"tab_width", "3"}}), {}, Style(keeping, 3, 3)},
      {Set({{"tab_width", "tab"}, {"indent_size", "6"}}), {}, Style(keeping, 6, 6)},
      {Set({{"tab_width", "3"}}), {}, Style(keeping, 4, 3)},
      {Set({{"indent_size", "unset"}, {"indent_style", "unset"}}), {}, Style(keeping, 4, 4)},
      {Set({{"indent_size", "2"}}), {{"indent_size", "16"}}, Style(keeping, 16, 16)},
      {Set({{"indent_size", "abc"}}), {{"indent_size", "1"}}, Style(keeping, 1, 1)},
      {Set({{"tab_width", "8"}}), {{"indent_style", "TAB"}}, Style(Indentation::kTabs, 8, 8)},
      {Set({{"unknown_key", "whatever"}}), {}, codetools::IndentStyle{}},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(ResolveStyle(row.properties, row.overrides).style, row.expected)
        << row.properties.size() << " properties";
  }
  codetools::IndentStyle vb;
  vb.trim_trailing_whitespace = vb.indent_case = vb.directives_at_column_1 = vb.labels_at_column_1 =
      vb.keep_column_1_comments = true;
  vb.continuation = codetools::IndentStyle::Continuation::kKeep;
  vb.indent_procedure_body = false;
  EXPECT_EQ(ResolveStyle(Set({{"trim_trailing_whitespace", "true"},
                              {"vb_indent_case", "TRUE"},
                              {"vb_indent_procedure_body", "False"},
                              {"vb_directives_at_column_1", "true"},
                              {"vb_labels_at_column_1", "true"},
                              {"vb_keep_column_1_comments", "true"},
                              {"vb_continuation", "Keep"}}),
                         {})
                .style,
            vb);
}

TEST(ResolveStyle, RefusesAValueAKeyCannotTake) {
  const struct {
    const char* key;
    const char* value;
  } cases[] = {
      {"indent_style", "blanks"},    {"indent_size", "abc"},
      {"indent_size", "17"},         {"indent_size", "0"},
      {"tab_width", "-4"},           {"indent_size", " 4"},
      {"vb_indent_case", "yes"},     {"trim_trailing_whitespace", ""},
      {"vb_continuation", "wobble"},
  };
  for (const auto& row : cases) {
    try {
      Properties properties = Set({{"indent_style", "space"}});
      properties[row.key] = {row.value, "/p/.editorconfig", 7};
      ResolveStyle(properties, {});
      ADD_FAILURE() << row.key << " = " << row.value;
    } catch (const StyleError& error) {
      EXPECT_EQ(error.file(), "/p/.editorconfig");
      EXPECT_EQ(error.line(), 7u);
      EXPECT_EQ(error.key(), row.key);
      EXPECT_EQ(std::string(error.what()).rfind("/p/.editorconfig:7: " + std::string(row.key), 0),
                0u)
          << error.what();
    }
  }
  EXPECT_THROW(ParseStyleOverride("indent_sizes=4"), StyleError);
  EXPECT_THROW(ParseStyleOverride("indent_size"), StyleError);
  EXPECT_EQ(ParseStyleOverride(" Indent_Size = 2 ").key, "indent_size");
}

}  // namespace
}  // namespace tessaly::style
