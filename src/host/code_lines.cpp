#include "host/code_lines.h"

namespace tessaly::host {

std::vector<std::u16string> SplitCodeLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t stop = text.find_first_of(u"\r\n", start);
    lines.emplace_back(text.substr(start, stop - start));
    if (stop == std::u16string_view::npos) return lines;
    start = stop + 1;
    if (text[stop] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
  }
}

std::u16string JoinCodeLines(std::span<const std::u16string> lines) {
  std::u16string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace tessaly::host
