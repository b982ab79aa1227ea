#include "style/style_resolution.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "style/style_error.h"
#include "style/style_keys.h"
#include "text/ascii_case.h"

namespace tessaly::style {

namespace {

constexpr char kOverrideOrigin[] = "--style";
constexpr std::uint32_t kLargestSize = 16;

std::string Lower(std::string text) {
  return text::AsciiLowercased(std::move(text));
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const StyleKey* FindKey(const std::string& name) {
  const auto keys = StyleKeys();
  const auto found =
      std::find_if(keys.begin(), keys.end(), [&](const StyleKey& key) { return key.name == name; });
  return found == keys.end() ? nullptr : &*found;
}

std::string KeyList() {
  std::string list;
  for (const StyleKey& key : StyleKeys())
    list += (list.empty() ? "" : ", ") + std::string(key.name);
  return list;
}

// One key's setting: its value lower-cased, or nothing where it is absent or unset.
struct Setting {
  const StyleKey& key;
  const PropertySetting* property;

  std::optional<std::string> Value() const {
    if (property == nullptr) return std::nullopt;
    std::string value = Lower(property->value);
    if (value == "unset") return std::nullopt;
    return value;
  }
  std::string Origin() const {
    if (property == nullptr) return kDefaultOrigin;
    if (property->line == 0) return property->file;
    return property->file + ":" + std::to_string(property->line);
  }
  // `accepted` names what the key takes.
  [[noreturn]] void Refuse(language::MessageId accepted) const {
    throw StyleError(property->file, property->line, std::string(key.name), accepted,
                     {property->value});
  }
};

std::optional<std::uint32_t> Size(const std::string& text) {
  std::uint32_t size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size < 1 || size > kLargestSize) {
    return std::nullopt;
  }
  return size;
}

// A size's number, or nothing for `tab` (which takes the other size's number).
std::optional<std::uint32_t> SizeOrTab(const Setting& setting, const std::string& value) {
  if (value == "tab") return std::nullopt;
  const auto size = Size(value);
  if (!size) setting.Refuse(language::MessageId::kStyleTakesSize);
  return size;
}

bool TrueFalse(const Setting& setting) {
  const auto value = setting.Value();
  if (!value) return setting.key.default_value == "true";
  if (*value != "true" && *value != "false")
    setting.Refuse(language::MessageId::kStyleTakesBoolean);
  return *value == "true";
}

}  // namespace

StyleOverride ParseStyleOverride(const std::string& text) {
  const std::size_t equals = text.find('=');
  const std::string key = Lower(Trimmed(text.substr(0, equals)));
  if (equals == std::string::npos) {
    throw StyleError(kOverrideOrigin, 0, "", language::MessageId::kStyleOverrideForm, {text});
  }
  if (FindKey(key) == nullptr) {
    throw StyleError(kOverrideOrigin, 0, key, language::MessageId::kStyleNotAKey, {KeyList()});
  }
  return {key, Trimmed(text.substr(equals + 1))};
}

ResolvedStyle ResolveStyle(Properties properties, const std::vector<StyleOverride>& overrides) {
  // Every style key's values are words compared without case, as the cores compare
  // indent_style's, which the derivations below read.
  for (const auto& [key, value] : overrides)
    properties[key] = {Lower(value), kOverrideOrigin, 0};
  DeriveSizes(properties);
  const auto setting = [&](const std::string& name) {
    const auto found = properties.find(name);
    return Setting{*FindKey(name), found == properties.end() ? nullptr : &found->second};
  };
  ResolvedStyle resolved;
  codetools::IndentStyle& style = resolved.style;

  const Setting indent_style = setting("indent_style");
  if (const auto value = indent_style.Value()) {
    if (*value != "space" && *value != "tab")
      indent_style.Refuse(language::MessageId::kStyleTakesIndentStyle);
    style.indentation = *value == "tab" ? codetools::IndentStyle::Indentation::kTabs
                                        : codetools::IndentStyle::Indentation::kBlanks;
  }
  const Setting indent_size = setting("indent_size");
  const Setting tab_width = setting("tab_width");
  const auto size_value = indent_size.Value();
  const auto width_value = tab_width.Value();
  const auto size = size_value ? SizeOrTab(indent_size, *size_value) : std::nullopt;
  const auto width = width_value ? SizeOrTab(tab_width, *width_value) : std::nullopt;
  // `tab` for one size is the other's number, and the default where that is `tab` too.
  style.tab_width = width.value_or(size.value_or(style.tab_width));
  style.indent_size = size_value ? size.value_or(style.tab_width) : style.indent_size;

  style.trim_trailing_whitespace = TrueFalse(setting("trim_trailing_whitespace"));
  style.indent_case = TrueFalse(setting("vb_indent_case"));
  style.indent_procedure_body = TrueFalse(setting("vb_indent_procedure_body"));
  style.directives_at_column_1 = TrueFalse(setting("vb_directives_at_column_1"));
  style.labels_at_column_1 = TrueFalse(setting("vb_labels_at_column_1"));
  style.keep_column_1_comments = TrueFalse(setting("vb_keep_column_1_comments"));
  const Setting continuation = setting("vb_continuation");
  if (const auto value = continuation.Value()) {
    if (*value != "level" && *value != "keep")
      continuation.Refuse(language::MessageId::kStyleTakesContinuation);
    if (*value == "keep") style.continuation = codetools::IndentStyle::Continuation::kKeep;
  }

  for (const StyleKey& key : StyleKeys()) {
    const Setting shown = setting(std::string(key.name));
    std::string value = shown.Value().value_or(std::string(key.default_value));
    if (key.name == "indent_size") value = std::to_string(style.indent_size);
    if (key.name == "tab_width") value = std::to_string(style.tab_width);
    resolved.settings.push_back({std::string(key.name), value, shown.Origin()});
  }
  return resolved;
}

}  // namespace tessaly::style
