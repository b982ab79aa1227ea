#pragma once

// Code annotation: a trailing comment that renders a statement in Chinese, word by word,
// from the annotation dictionary. Only the text after the new apostrophe is generated;
// the code in front of it is the line as it was.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "codetools/annotation_dictionary.h"

namespace tessaly::codetools {

// The pieces a statement is rendered in: commas, brackets, "]." and colons are cut out as
// pieces of their own (a bracket stays with the call before it), and the pieces keep their
// own blanks.
std::vector<std::u16string> AnnotationTokens(std::u16string_view statement);

// One annotation run over the lines of a range, top to bottom. The run remembers the
// names its Dim statements declared, so construct one per run.
class Annotator {
 public:
  explicit Annotator(const AnnotationDictionary& dictionary) : dictionary_(dictionary) {}

  // The line followed by a blank, an apostrophe and its rendering; nothing for a line that
  // stays as it is (blank, a comment, already commented, continued on the next line, or a
  // directive).
  std::optional<std::u16string> AnnotateLine(std::u16string_view line);

  // The Chinese text for a statement that is not a whole dictionary entry.
  std::u16string Render(std::u16string_view statement);

 private:
  struct TokenContext {
    bool first_token;
    bool dim_line;  // the line's first token begins with "Dim"
  };

  void RenderCompound(std::u16string_view token, TokenContext context, std::u16string& out);
  void RenderWord(std::u16string_view word, bool first_word, bool dim_statement,
                  TokenContext context, std::u16string& out);
  std::u16string_view GlossOr(std::u16string_view text) const;

  const AnnotationDictionary& dictionary_;
  std::unordered_set<std::u16string> declared_names_;
};

}  // namespace tessaly::codetools
