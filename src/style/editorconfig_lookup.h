#pragma once

// The EditorConfig properties that apply to a module: the `.editorconfig` files from the
// module's folder upward, nearer files over farther ones, none past a file with `root = true`;
// within a file, later sections over earlier ones.
//
// Each folder's file is read and parsed once for the lookup's life, however many modules ask:
// a lookup answers for one run over files that do not change under it. A longer-lived caller
// (the add-in, between clicks) makes a fresh lookup for each run, which rereads the few small
// files and so sees every edit.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "style/config_source.h"

namespace tessaly::style {

struct PropertySetting {
  std::string value;
  std::string file;  // the .editorconfig that set it, as the lookup named it
  std::uint32_t line = 0;

  bool operator==(const PropertySetting&) const = default;
};
using Properties = std::map<std::string, PropertySetting>;

struct ParsedConfig;

class EditorConfigLookup {
 public:
  explicit EditorConfigLookup(ConfigSource& source);
  ~EditorConfigLookup();

  // `module_path` is absolute, UTF-8, with `/` or `\` between folders (a drive letter allowed).
  // Throws StyleError for a file that cannot be read or parsed.
  Properties PropertiesFor(const std::string& module_path);

 private:
  const ParsedConfig* FileIn(const std::string& folder);

  ConfigSource& source_;
  // Null for a folder without a file.
  std::map<std::string, std::unique_ptr<const ParsedConfig>> files_;
};

// The sizes EditorConfig cores derive, as they report them: `indent_style = tab` without an
// indent_size gives `indent_size = tab`; a numeric indent_size without tab_width gives that
// tab_width; `indent_size = tab` with a tab_width takes its value. A derived setting keeps the
// origin of the one it comes from.
void DeriveSizes(Properties& properties);

}  // namespace tessaly::style
