#include "codetools/line_walk.h"

#include "host/resume.h"

namespace tessaly::codetools {

const std::u16string& LineCache::Line(std::int32_t n) {
  auto found = lines_.find(n);
  if (found == lines_.end()) found = lines_.emplace(n, module_.Lines(n, 1)).first;
  return found->second;
}

std::u16string LineCache::Take(std::int32_t n) {
  auto found = lines_.find(n);
  if (found == lines_.end()) return module_.Lines(n, 1);
  std::u16string text = std::move(found->second);
  lines_.erase(found);
  return text;
}

RangeText ReadRange(LineCache& cache, std::int32_t first, std::int32_t last) {
  RangeText range;
  if (last >= first) range.lines.reserve(static_cast<std::size_t>(last - first + 1));
  for (std::int32_t n = first; n <= last; ++n) {
    const bool read = host::Resume([&] { range.lines.push_back(cache.Take(n)); });
    if (!read) {
      range.complete = false;
      break;
    }
  }
  return range;
}

void WriteChangedLines(
    host::CodeModule& module, std::int32_t first, const std::vector<std::u16string>& read,
    const std::function<std::optional<std::u16string>(std::size_t)>& changed_text) {
  for (std::size_t i = 0; i < read.size(); ++i) {
    const std::optional<std::u16string> text = changed_text(i);
    if (!text) continue;
    const auto line = first + static_cast<std::int32_t>(i);
    module.KnowLine(line, read[i]);
    host::Resume([&] { module.ReplaceLine(line, *text); });
  }
}

}  // namespace tessaly::codetools
