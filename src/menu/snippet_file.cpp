#include "menu/snippet_file.h"

#include <vector>

#include "host/code_lines.h"
#include "text/byte_escape.h"
#include "text/gbk.h"
#include "text/surrogates.h"
#include "text/utf.h"

namespace tessaly::menu {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto sequence = text::Utf8SequenceAt(bytes, i);
    if (sequence.length == 0 || text::IsSurrogate(sequence.code_point)) return false;
    i += static_cast<std::size_t>(sequence.length);
  }
  return true;
}

bool IsControlByte(unsigned char byte) {
  return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

std::string Position(std::size_t at) {
  return " at byte " + std::to_string(at);
}

}  // namespace

std::variant<std::u16string, SnippetFileProblem> DecodeSnippetFile(std::string_view bytes) {
  if (bytes.size() > kMaxSnippetBytes) return SnippetFileProblem{"larger than 64 KB"};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (IsControlByte(static_cast<unsigned char>(bytes[i]))) {
      return SnippetFileProblem{"not text: control byte" + Position(i)};
    }
  }
  std::u16string decoded;
  if (bytes.starts_with(kUtf8Bom)) {
    bytes.remove_prefix(kUtf8Bom.size());
    if (!IsUtf8(bytes)) return SnippetFileProblem{"marked as UTF-8 but is not"};
    decoded = text::FromUtf8(bytes);
  } else if (IsUtf8(bytes)) {
    decoded = text::FromUtf8(bytes);
  } else {
    decoded = text::DecodeGbk(bytes);
    for (const char16_t unit : decoded) {
      if (text::IsByteEscape(unit)) return SnippetFileProblem{"neither UTF-8 nor GBK"};
    }
  }
  std::vector<std::u16string> lines = host::SplitCodeLines(decoded);
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return host::JoinCodeLines(lines);
}

}  // namespace tessaly::menu
