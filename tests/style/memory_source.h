#pragma once

// .editorconfig files held in memory, by path, counting the reads the lookup makes.

#include <map>
#include <optional>
#include <string>

#include "style/config_source.h"
#include "style/style_error.h"

namespace tessaly::style {

class MemorySource : public ConfigSource {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, int> reads;
  std::string unreadable;

  std::optional<std::string> Read(const std::string& path) override {
    ++reads[path];
    if (path == unreadable) {
      throw StyleError(path, 0, "", language::MessageId::kStyleCannotBeRead);
    }
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
};

}  // namespace tessaly::style
