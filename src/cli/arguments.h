#pragma once

// A small reader of command arguments: flags, options with a value, positional operands; and
// the values of the options several commands share.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/file_encoding.h"

namespace tessaly::cli {

class Arguments {
 public:
  // `with_value` names the options that take the next argument as their value.
  Arguments(const std::vector<std::string>& args, const std::vector<std::string>& flags,
            const std::vector<std::string>& with_value);

  bool Flag(const std::string& name) const;
  std::optional<std::string> Value(const std::string& name) const;
  // Every value given to an option that may be repeated, in order.
  std::vector<std::string> Values(const std::string& name) const;
  const std::vector<std::string>& Operands() const { return operands_; }

 private:
  std::vector<std::string> flags_;
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> operands_;
};

// A whole positive number no larger than the editor's line limit; throws UsageError naming
// the option otherwise.
std::int32_t PositiveNumber(const std::string& text, const std::string& option);

// `--encoding gbk|utf-8`: the encoding of files whose bytes do not decide it (plain ASCII);
// code page 936 when not given. Throws UsageError for any other value.
FileEncoding PlainAsciiEncodingOption(const std::optional<std::string>& value);

}  // namespace tessaly::cli
