#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessaly::style {

// An `.editorconfig` (or a `--style` override) that cannot be taken as written. The message is
// one line naming where and what: "FILE:LINE: KEY: WHAT"; `line` is 0 where no line applies (a
// file that cannot be read, an override), and `key` is empty where the line has none.
class StyleError : public std::runtime_error {
 public:
  StyleError(std::string file, std::uint32_t line, std::string key, std::string what);

  const std::string& file() const { return file_; }
  std::uint32_t line() const { return line_; }
  const std::string& key() const { return key_; }
  const std::string& problem() const { return problem_; }

 private:
  std::string file_;
  std::uint32_t line_;
  std::string key_;
  std::string problem_;
};

}  // namespace tessaly::style
