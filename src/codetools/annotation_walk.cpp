#include "codetools/annotation_walk.h"

#include "codetools/alignment.h"
#include "codetools/annotation.h"
#include "codetools/code_tool.h"

namespace tessaly::codetools {

bool AnnotateRange(LineCache& lines, std::int32_t first, std::int32_t last,
                   const AnnotationDictionary& dictionary) {
  const RangeText range = ReadRange(lines, first, last - 1);
  const auto header = CountHeaderLines(range.lines);
  const std::vector<std::u16string> body(range.lines.begin() + static_cast<std::ptrdiff_t>(header),
                                         range.lines.end());
  std::vector<std::u16string> annotated;
  annotated.reserve(body.size());
  Annotator annotator(dictionary);
  for (const auto& line : body) {
    auto rendered = annotator.AnnotateLine(line);
    annotated.push_back(rendered ? std::move(*rendered) : line);
  }
  WriteChangedLines(lines.Module(), first + static_cast<std::int32_t>(header), body, annotated);
  return range.complete;
}

void AnnotateCode(addin::Connection& connection, const AnnotationDictionary& dictionary) {
  RunOnTargetRange(connection, [&dictionary](LineCache& lines, TargetRange range) {
    return AnnotateRange(lines, range.FirstLine, range.LastLine, dictionary);
  });
}

}  // namespace tessaly::codetools
