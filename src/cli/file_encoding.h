#pragma once

#include <string>
#include <string_view>

#include "text/byte_escape.h"

namespace tessaly::cli {

enum class FileEncoding { kUtf8, kUtf8WithBom, kCodePage936 };

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A byte order mark means UTF-8; so does text that is valid UTF-8 and not plain ASCII; other
// text is code page 936. Plain ASCII fits both, and is taken as `plain_ascii`: code page 936
// unless asked otherwise, since the editor imports modules in the ANSI code page, so Chinese
// text that a command adds to an exported ASCII module must be written in it.
FileEncoding DetectEncoding(std::string_view bytes,
                            FileEncoding plain_ascii = FileEncoding::kCodePage936);

// Lossless in both directions: bytes that do not decode become byte escapes (byte_escape.h)
// and encode back to themselves. Decode does not strip the byte order mark.
std::u16string Decode(std::string_view bytes, FileEncoding encoding);
text::Encoded Encode(std::u16string_view text, FileEncoding encoding);

}  // namespace tessaly::cli
