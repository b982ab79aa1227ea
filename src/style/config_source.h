#pragma once

// Where a lookup reads `.editorconfig` files: the file system, or whatever a test or a host
// puts in its place.

#include <optional>
#include <string>

namespace tessaly::style {

class ConfigSource {
 public:
  virtual ~ConfigSource() = default;
  // The bytes of the file at `utf8_path` (`/` or `\` between folders), or nothing when there
  // is no such file. Throws StyleError when there is one that cannot be read.
  virtual std::optional<std::string> Read(const std::string& utf8_path) = 0;
};

// The file system through the standard library, on any platform it builds for: a path is
// UTF-8 text, handed to the system as such (wide on Windows).
class FileConfigSource : public ConfigSource {
 public:
  std::optional<std::string> Read(const std::string& utf8_path) override;
};

}  // namespace tessaly::style
