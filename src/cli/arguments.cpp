#include "cli/arguments.h"

#include <algorithm>
#include <charconv>

#include "cli/command_line.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                     const std::vector<std::string>& with_value) {
  bool only_operands = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (only_operands || arg == "-" || arg.empty() || arg[0] != '-') {
      operands_.push_back(arg);
    } else if (arg == "--") {
      only_operands = true;
    } else if (Contains(flags, arg)) {
      flags_.push_back(arg);
    } else if (Contains(with_value, arg)) {
      if (i + 1 >= args.size()) throw UsageError(MessageId::kNeedsValue, {arg});
      values_.emplace_back(arg, args[++i]);
    } else {
      throw UsageError(MessageId::kUnknownOption, {arg});
    }
  }
}

bool Arguments::Flag(const std::string& name) const {
  return Contains(flags_, name);
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  std::optional<std::string> found;
  for (const auto& [option, value] : values_) {
    if (option == name) found = value;  // the last one given wins, as in most tools
  }
  return found;
}

std::vector<std::string> Arguments::Values(const std::string& name) const {
  std::vector<std::string> found;
  for (const auto& [option, value] : values_) {
    if (option == name) found.push_back(value);
  }
  return found;
}

std::int32_t PositiveNumber(const std::string& text, const std::string& option) {
  constexpr std::int64_t kLimit = 16'777'216;
  std::int64_t value = 0;
  const bool digits =
      !text.empty() && text.size() <= 9 &&
      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits) std::from_chars(text.data(), text.data() + text.size(), value);
  if (!digits || value < 1 || value > kLimit) {
    throw UsageError(MessageId::kWholeNumber, {option, text});
  }
  return static_cast<std::int32_t>(value);
}

FileEncoding PlainAsciiEncodingOption(const std::optional<std::string>& value) {
  if (!value || *value == "gbk") return FileEncoding::kCodePage936;
  if (*value == "utf-8") return FileEncoding::kUtf8;
  throw UsageError(MessageId::kEncodingValue, {*value});
}

}  // namespace tessaly::cli
