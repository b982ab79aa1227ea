#pragma once

// A module's layout from the EditorConfig properties that apply to it and the overrides a user
// gives (`--style KEY=VALUE`), each key's value checked and its origin kept for showing.

#include <string>
#include <vector>

#include "codetools/indent_style.h"
#include "style/editorconfig_lookup.h"

namespace tessaly::style {

struct StyleOverride {
  std::string key;
  std::string value;
};

// "KEY=VALUE" as given to `--style`; throws StyleError (file "--style") for a text without `=`
// or a key that is not one of StyleKeys().
StyleOverride ParseStyleOverride(const std::string& text);

// The origin of a value no file and no override gives.
inline constexpr char kDefaultOrigin[] = "default";

struct ResolvedSetting {
  std::string key;
  std::string value;   // as it takes effect: a number for a size, the default when unset
  std::string origin;  // "FILE:LINE", "--style" or "default"
};

struct ResolvedStyle {
  codetools::IndentStyle style;
  std::vector<ResolvedSetting> settings;  // one for each of StyleKeys(), in its order
};

// `properties` as EditorConfigLookup::PropertiesFor gives them (before DeriveSizes); overrides
// take precedence over them, the later of two for one key winning. Keys not in StyleKeys()
// are ignored. Throws StyleError naming file, line and key for a value a key cannot take.
ResolvedStyle ResolveStyle(Properties properties, const std::vector<StyleOverride>& overrides);

}  // namespace tessaly::style
