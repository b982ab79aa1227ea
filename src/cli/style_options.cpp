#include "cli/style_options.h"

#include <filesystem>

#include "cli/native_path.h"

namespace tessaly::cli {

StyleOptions::StyleOptions(const Arguments& arguments)
    : read_editorconfig_(!arguments.Flag("--no-editorconfig")), lookup_(source_) {
  for (const auto& text : arguments.Values("--style")) {
    overrides_.push_back(style::ParseStyleOverride(text));
  }
  style::ResolveStyle({}, overrides_);
}

style::ResolvedStyle StyleOptions::ResolvedFor(const std::string& path) {
  style::Properties properties;
  if (read_editorconfig_ && path != "-") {
    const auto absolute = std::filesystem::absolute(NativePath(path)).lexically_normal();
    properties = lookup_.PropertiesFor(PathText(absolute));
  }
  return style::ResolveStyle(std::move(properties), overrides_);
}

}  // namespace tessaly::cli
