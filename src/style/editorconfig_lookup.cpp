#include "style/editorconfig_lookup.h"

#include <algorithm>
#include <vector>

#include "style/editorconfig_text.h"
#include "style/glob.h"
#include "text/ascii_case.h"

namespace tessaly::style {

// A file's text with each section's glob compiled once.
struct ParsedConfig {
  EditorConfigText text;
  std::vector<Glob> globs;
};

namespace {

constexpr char kFileName[] = "/.editorconfig";

std::string WithSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// A section's glob as a pattern for the path below the file's folder: a glob without `/`
// matches a name in any folder, one with `/` is taken from the folder.
std::string PatternBelowFolder(const std::string& glob) {
  if (glob.find('/') == std::string::npos) return "/**/" + glob;
  return glob.front() == '/' ? glob : "/" + glob;
}

}  // namespace

EditorConfigLookup::EditorConfigLookup(ConfigSource& source) : source_(source) {}
EditorConfigLookup::~EditorConfigLookup() = default;

const ParsedConfig* EditorConfigLookup::FileIn(const std::string& folder) {
  const auto known = files_.find(folder);
  if (known != files_.end()) return known->second.get();
  const std::string file = folder + kFileName;
  std::unique_ptr<ParsedConfig> parsed;
  if (const auto text = source_.Read(file)) {
    parsed = std::make_unique<ParsedConfig>(ParsedConfig{ParseEditorConfig(*text, file), {}});
    for (const auto& section : parsed->text.sections) {
      parsed->globs.emplace_back(PatternBelowFolder(section.glob));
    }
  }
  return files_.emplace(folder, std::move(parsed)).first->second.get();
}

Properties EditorConfigLookup::PropertiesFor(const std::string& module_path) {
  const std::string path = WithSlashes(module_path);
  // The folders from the module's own upward, to the first whose file is a root, or to the
  // top: "" for `/`, a drive ("C:"), a network share (`//server/share`: the server itself is
  // no folder to read), or the first folder of a relative path.
  std::vector<std::string> folders;
  const std::size_t last_slash = path.rfind('/');
  const bool on_share = path.starts_with("//");
  const std::size_t share_end = on_share ? path.find('/', path.find('/', 2) + 1) : 0;
  const std::string share = on_share ? path.substr(0, share_end) : std::string();
  if (last_slash != std::string::npos) {
    std::string folder = path.substr(0, last_slash);
    while (folder.empty() || folder.back() != '/') {
      folders.push_back(folder);
      const ParsedConfig* file = FileIn(folder);
      if ((file != nullptr && file->text.root) || folder.empty() || (on_share && folder == share)) {
        break;
      }
      const std::size_t slash = folder.rfind('/');
      if (slash == std::string::npos) break;
      folder.resize(slash);
    }
  }
  Properties properties;
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
    const ParsedConfig* file = FileIn(*folder);
    if (file == nullptr) continue;
    const std::string below = path.substr(folder->size());
    for (std::size_t s = 0; s < file->globs.size(); ++s) {
      if (!file->globs[s].Matches(below)) continue;
      for (const auto& property : file->text.sections[s].properties) {
        properties[property.key] = {property.value, *folder + kFileName, property.line};
      }
    }
  }
  return properties;
}

void DeriveSizes(Properties& properties) {
  const auto style = properties.find("indent_style");
  if (style != properties.end() && style->second.value == "tab" &&
      !properties.contains("indent_size")) {
    properties["indent_size"] = {"tab", style->second.file, style->second.line};
  }
  const auto size = properties.find("indent_size");
  if (size == properties.end()) return;
  const auto width = properties.find("tab_width");
  if (size->second.value != "tab" && width == properties.end()) {
    properties["tab_width"] = size->second;
  } else if (size->second.value == "tab" && width != properties.end()) {
    size->second = width->second;
    // indent_size's value is compared without case, wherever it came from.
    size->second.value = text::AsciiLowercased(std::move(size->second.value));
  }
}

}  // namespace tessaly::style
