#pragma once

// One snippet file's bytes as the text it inserts. Files come as users save them: UTF-8 with
// or without a byte order mark, or the Chinese code page (GBK), told apart as modules are.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace tessaly::menu {

inline constexpr std::size_t kMaxSnippetBytes = 64 * 1024;

// Why a file is left out, for the failure log.
struct SnippetFileProblem {
  std::string why;
};

// The text, its lines joined by CR LF; a line break at the very end is no line of its own.
// Refused: more than kMaxSnippetBytes, a control byte other than tab and line breaks (not
// text), or bytes that are neither UTF-8 nor GBK.
std::variant<std::u16string, SnippetFileProblem> DecodeSnippetFile(std::string_view bytes);

}  // namespace tessaly::menu
