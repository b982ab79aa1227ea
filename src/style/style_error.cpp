#include "style/style_error.h"

namespace tessaly::style {

namespace {

std::string Message(const std::string& file, std::uint32_t line, const std::string& key,
                    const std::string& what) {
  std::string message = file;
  if (line != 0) message += ":" + std::to_string(line);
  message += ": ";
  if (!key.empty()) message += key + ": ";
  return message + what;
}

}  // namespace

StyleError::StyleError(std::string file, std::uint32_t line, std::string key, std::string what)
    : std::runtime_error(Message(file, line, key, what)),
      file_(std::move(file)),
      line_(line),
      key_(std::move(key)),
      problem_(std::move(what)) {}

}  // namespace tessaly::style
