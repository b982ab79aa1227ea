#pragma once

// The text of one `.editorconfig` as the EditorConfig cores read it: an optional preamble whose
// `root = true` ends the search upward, then `[glob]` sections of `key = value` lines. Lines
// starting with `#` or `;` are comments, and so is the rest of a line from a `#` or `;` that
// follows a blank. Keys are lower-cased, and so are the values of the keys whose values the
// cores lower-case.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::style {

// Past these a file is refused rather than read: nobody writes such a file by hand, and a
// bounded file keeps every later step bounded.
inline constexpr std::size_t kEditorConfigSizeLimit = 1024 * 1024;
inline constexpr std::size_t kEditorConfigLineLimit = 4096;

struct EditorConfigProperty {
  std::string key;
  std::string value;
  std::uint32_t line = 0;
};

struct EditorConfigSection {
  std::string glob;
  std::uint32_t line = 0;
  std::vector<EditorConfigProperty> properties;
};

struct EditorConfigText {
  bool root = false;
  std::vector<EditorConfigSection> sections;
};

// `file` names the file in errors (StyleError).
EditorConfigText ParseEditorConfig(std::string_view text, const std::string& file);

}  // namespace tessaly::style
