#include "style/editorconfig_text.h"

#include <algorithm>
#include <array>

#include "style/style_error.h"
#include "text/ascii_case.h"

namespace tessaly::style {

namespace {

// The keys whose values the EditorConfig cores compare without case.
constexpr std::array<std::string_view, 6> kCaseFreeValues = {"end_of_line",
                                                             "indent_style",
                                                             "indent_size",
                                                             "insert_final_newline",
                                                             "trim_trailing_whitespace",
                                                             "charset"};

// The C locale's blanks, as the cores' reader trims with isspace.
bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsWhitespace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsWhitespace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  return text::AsciiLowercased(std::string(text));
}

// Where a comment starts: a `#` or `;` after a blank; the text's size when none does.
std::size_t CommentStart(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if ((text[i] == '#' || text[i] == ';') && IsWhitespace(text[i - 1])) return i;
  }
  return text.size();
}

// The first `wanted` before any comment, or npos.
std::size_t FindBeforeComment(std::string_view text, char wanted) {
  return text.substr(0, CommentStart(text)).find(wanted);
}

std::string Shown(std::string_view line) {
  constexpr std::size_t kShown = 40;
  return std::string(line.substr(0, kShown)) + (line.size() > kShown ? "..." : "");
}

}  // namespace

EditorConfigText ParseEditorConfig(std::string_view text, const std::string& file) {
  if (text.size() > kEditorConfigSizeLimit) {
    throw StyleError(file, 0, "", language::MessageId::kStyleFileTooLarge);
  }
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  EditorConfigText config;
  bool in_preamble = true;
  std::uint32_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (raw.size() > kEditorConfigLineLimit) {
      throw StyleError(file, number, "", language::MessageId::kStyleLineTooLong);
    }
    const std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::string_view inside = line.substr(1, CommentStart(line) - 1);
      const std::size_t close = inside.rfind(']');
      if (close == std::string_view::npos) {
        throw StyleError(file, number, Shown(line), language::MessageId::kStyleSectionUnclosed);
      }
      config.sections.push_back({std::string(inside.substr(0, close)), number, {}});
      in_preamble = false;
      continue;
    }
    std::size_t separator = FindBeforeComment(line, '=');
    if (separator == std::string_view::npos) separator = FindBeforeComment(line, ':');
    if (separator == std::string_view::npos) {
      throw StyleError(file, number, Shown(line), language::MessageId::kStyleNeitherKeyNorSection);
    }
    std::string key = Lower(Trimmed(line.substr(0, separator)));
    // A comment may follow the value, but a `#` or `;` that begins it is part of it.
    std::string_view stripped = Trimmed(line.substr(separator + 1));
    stripped = Trimmed(stripped.substr(0, CommentStart(stripped)));
    if (key.empty()) continue;
    std::string kept =
        std::find(kCaseFreeValues.begin(), kCaseFreeValues.end(), key) != kCaseFreeValues.end()
            ? Lower(stripped)
            : std::string(stripped);
    if (in_preamble) {
      if (key == "root") config.root = Lower(stripped) == "true";
      continue;
    }
    config.sections.back().properties.push_back({std::move(key), std::move(kept), number});
  }
  return config;
}

}  // namespace tessaly::style
