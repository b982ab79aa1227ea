#pragma once

#include <cstdint>
#include <string>

#include "language/messages.h"

namespace tessaly::style {

// An `.editorconfig` (or a `--style` override) that cannot be taken as written. The message is
// one line naming where and what: "FILE:LINE: KEY: WHAT"; `line` is 0 where no line applies (a
// file that cannot be read, an override), and `key` is empty where the line has none. WHAT is
// a message of the table, told in the user's language where it reaches the user.
class StyleError : public language::MessageError {
 public:
  StyleError(std::string file, std::uint32_t line, std::string key, language::MessageId what,
             std::vector<language::MessageArgument> arguments = {});

  const std::string& file() const { return file_; }
  std::uint32_t line() const { return line_; }
  const std::string& key() const { return key_; }

 private:
  std::string file_;
  std::uint32_t line_;
  std::string key_;
};

}  // namespace tessaly::style
