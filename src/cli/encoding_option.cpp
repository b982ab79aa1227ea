#include "cli/encoding_option.h"

#include "cli/command_line.h"

namespace tessaly::cli {

FileEncoding PlainAsciiEncodingOption(const std::optional<std::string>& value) {
  if (!value || *value == "gbk") return FileEncoding::kCodePage936;
  if (*value == "utf-8") return FileEncoding::kUtf8;
  throw UsageError("--encoding takes gbk or utf-8, not '" + *value + "'");
}

}  // namespace tessaly::cli
