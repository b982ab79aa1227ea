#include "style/config_source.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "style/editorconfig_text.h"
#include "style/style_error.h"

namespace tessaly::style {

using language::MessageId;

std::optional<std::string> FileConfigSource::Read(const std::string& utf8_path) {
  const std::filesystem::path path(std::u8string(utf8_path.begin(), utf8_path.end()));
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
  if (error) {
    throw StyleError(utf8_path, 0, "", MessageId::kStyleCannotBeReadBecause, {error.message()});
  }
  if (status.type() != std::filesystem::file_type::regular) {
    throw StyleError(utf8_path, 0, "", MessageId::kStyleNotAFile);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw StyleError(utf8_path, 0, "", MessageId::kStyleCannotBeRead);
  // One byte past the limit is enough to refuse the file without reading it whole.
  std::string bytes;
  std::istreambuf_iterator<char> from(in), end;
  while (from != end && bytes.size() <= kEditorConfigSizeLimit)
    bytes.push_back(*from++);
  if (in.bad()) throw StyleError(utf8_path, 0, "", MessageId::kStyleCannotBeRead);
  return bytes;
}

}  // namespace tessaly::style
