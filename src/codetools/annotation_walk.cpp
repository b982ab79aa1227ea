#include "codetools/annotation_walk.h"

#include "codetools/annotation.h"
#include "codetools/code_tool.h"
#include "codetools/procedure_body.h"

namespace tessaly::codetools {

bool AnnotateRange(LineCache& lines, std::int32_t first, std::int32_t last,
                   const AnnotationDictionary& dictionary) {
  const ProcedureBody body = ReadProcedureBody(lines, first, last);
  std::vector<std::u16string> annotated;
  annotated.reserve(body.lines.size());
  Annotator annotator(dictionary);
  for (const auto& line : body.lines) {
    auto rendered = annotator.AnnotateLine(line);
    annotated.push_back(rendered ? std::move(*rendered) : line);
  }
  WriteChangedLines(lines.Module(), body.first, body.lines, annotated);
  return body.complete;
}

void AnnotateCode(const CodeTarget& target, const AnnotationDictionary& dictionary) {
  RunOnTargetRange(target, [&dictionary](LineCache& lines, TargetRange range) {
    return AnnotateRange(lines, range.FirstLine, range.LastLine, dictionary);
  });
}

}  // namespace tessaly::codetools
