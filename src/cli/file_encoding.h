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

// For a reader that walks a module's bytes itself and widens the ASCII on its own: the
// characters from `at`, whose byte is 0x80 or more, up to the next ASCII character or the end,
// decoded as Decode decodes them and written from `out`, at most one unit a byte. With
// `strict`, UTF-8 stops at the first byte that starts no character, which tells a file that
// DetectEncoding would not take for UTF-8.
struct DecodedRun {
  std::size_t end = 0;      // where the run stopped
  char16_t* out = nullptr;  // past the last unit written
  bool refused = false;     // strict UTF-8 stopped at a byte that starts no character
};
DecodedRun DecodeNonAsciiRun(std::string_view bytes, std::size_t at, FileEncoding encoding,
                             bool strict, char16_t* out);
// The same run of strict UTF-8 only checked: where it stops, and whether at a byte that starts no
// character.
struct CheckedRun {
  std::size_t end = 0;
  bool refused = false;
};
CheckedRun CheckUtf8Run(std::string_view bytes, std::size_t at);

}  // namespace tessaly::cli
