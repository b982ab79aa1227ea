#include "codetools/annotation_walk.h"

#include "codetools/annotation.h"
#include "codetools/code_tool.h"
#include "codetools/procedure_body.h"

namespace tessaly::codetools {

bool AnnotateRange(LineCache& lines, std::int32_t first, std::int32_t last,
                   const AnnotationDictionary& dictionary) {
  const ProcedureBody body = ReadProcedureBody(lines, first, last);
  Annotator annotator(dictionary);
  // The annotator reads the body in order, as the walk writes it.
  WriteChangedLines(lines.Module(), body.first, body.lines,
                    [&](std::size_t i) -> std::optional<std::u16string> {
                      auto annotated = annotator.AnnotateLine(body.lines[i]);
                      if (annotated && *annotated == body.lines[i]) return std::nullopt;
                      return annotated;
                    });
  return body.complete;
}

void AnnotateCode(const CodeTarget& target, const AnnotationDictionary& dictionary) {
  RunOnTargetRange(target, [&dictionary](LineCache& lines, TargetRange range) {
    return AnnotateRange(lines, range.FirstLine, range.LastLine, dictionary);
  });
}

}  // namespace tessaly::codetools
