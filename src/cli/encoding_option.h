#pragma once

#include <optional>
#include <string>

#include "cli/file_encoding.h"

namespace tessaly::cli {

// `--encoding gbk|utf-8`: the encoding of files whose bytes do not decide it (plain ASCII);
// code page 936 when not given. Throws UsageError for any other value.
FileEncoding PlainAsciiEncodingOption(const std::optional<std::string>& value);

}  // namespace tessaly::cli
