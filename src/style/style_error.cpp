#include "style/style_error.h"

namespace tessaly::style {

namespace {

// "FILE:LINE: KEY", what goes before the problem.
std::string Where(const std::string& file, std::uint32_t line, const std::string& key) {
  std::string where = file;
  if (line != 0) where += ":" + std::to_string(line);
  if (!key.empty()) where += ": " + key;
  return where;
}

}  // namespace

StyleError::StyleError(std::string file, std::uint32_t line, std::string key,
                       language::MessageId what, std::vector<language::MessageArgument> arguments)
    : MessageError({what, std::move(arguments), Where(file, line, key)}),
      file_(std::move(file)),
      line_(line),
      key_(std::move(key)) {}

}  // namespace tessaly::style
