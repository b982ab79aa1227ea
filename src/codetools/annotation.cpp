#include "codetools/annotation.h"

#include "codetools/blanks.h"
#include "codetools/comments.h"
#include "codetools/line_kinds.h"

namespace tessaly::codetools {
namespace {

constexpr char16_t kTab = u'\t';
constexpr std::u16string_view kWithObject = u"<With对象>的";

// Every occurrence, left to right and without overlap, in one pass.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
  std::u16string result;
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::u16string_view::npos;
       found = text.find(from, start)) {
    result.append(text.substr(start, found - start)).append(to);
    start = found + from.size();
  }
  result.append(text.substr(start));
  return result;
}

std::vector<std::u16string_view> SplitAt(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> pieces;
  std::size_t start = 0;
  for (std::size_t found = text.find(separator); found != std::u16string_view::npos;
       found = text.find(separator, start)) {
    pieces.push_back(text.substr(start, found - start));
    start = found + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::u16string WithoutTabs(std::u16string_view line) {
  std::u16string result;
  result.reserve(line.size());
  for (char16_t c : line) {
    if (c != kTab) result.push_back(c);
  }
  return result;
}

// The comment rules pass over a Rem line, so a Rem line annotated once is recognised by the
// apostrophe the annotation put there; without this every run would add one more comment.
bool HasApostropheOutsideString(std::u16string_view t) {
  return StripComment(t).size() != t.size();
}

bool StartsWithQuote(std::u16string_view text) {
  return text.starts_with(u'"');
}

}  // namespace

std::vector<std::u16string> AnnotationTokens(std::u16string_view statement) {
  std::u16string t = ReplaceAll(statement, u",", u"\t,\t");
  t = ReplaceAll(t, u"(", u"(\t");
  t = ReplaceAll(t, u")", u"\t)");
  t = ReplaceAll(t, u"].", u"].\t");
  t = ReplaceAll(t, u":=", u"\t:=\t");
  t = ReplaceAll(t, u":", u"\t:");
  while (t.find(u"\t\t") != std::u16string::npos) {
    t = ReplaceAll(TrimBlanks(t), u"\t\t", u"\t");
  }
  std::vector<std::u16string> tokens;
  for (std::u16string_view piece : SplitAt(t, kTab))
    tokens.emplace_back(piece);
  return tokens;
}

std::optional<std::u16string> Annotator::AnnotateLine(std::u16string_view line) {
  const std::u16string t = WithoutTabs(line);
  const std::u16string_view trimmed = TrimBlanks(t);
  // A comment after a continuation underscore turns the underscore into a syntax error; a
  // directive is no statement to render.
  if (trimmed.empty() || trimmed.starts_with(u'\'') || FindCommentStart(t) > 0 ||
      HasApostropheOutsideString(t) || ContinuesOnNextLine(trimmed) || IsDirectiveLine(trimmed)) {
    return std::nullopt;
  }
  std::u16string annotated(line);
  annotated.append(u" '");
  if (const auto whole = dictionary_.Find(trimmed)) {
    annotated.append(*whole);
  } else {
    annotated.append(Render(t));
  }
  return annotated;
}

std::u16string Annotator::Render(std::u16string_view statement) {
  const std::vector<std::u16string> tokens = AnnotationTokens(statement);
  const bool dim_line = TrimBlanks(tokens.front()).starts_with(u"Dim");
  std::u16string out;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::u16string_view token = tokens[i];
    const std::u16string_view trimmed = TrimBlanks(token);
    const bool compound =
        token.find_first_of(u" .") != std::u16string_view::npos && !StartsWithQuote(trimmed);
    if (compound) {
      RenderCompound(token, TokenContext{.first_token = i == 0, .dim_line = dim_line}, out);
    } else {
      // A string literal is copied, never looked up.
      out.append(StartsWithQuote(trimmed) ? trimmed : GlossOr(trimmed));
    }
  }
  return out;
}

void Annotator::RenderCompound(std::u16string_view token, TokenContext context,
                               std::u16string& out) {
  const std::u16string text =
      context.dim_line ? std::u16string(token) : ReplaceAll(token, u"_", u" _ ");
  const std::vector<std::u16string_view> words = SplitAt(TrimBlanks(text), u' ');
  const bool dim_statement = words.front() == u"Dim";
  for (std::size_t j = 0; j < words.size(); ++j) {
    // Runs of blanks leave empty words; an empty word is no name and renders as nothing.
    if (words[j].empty()) continue;
    RenderWord(words[j], j == 0, dim_statement, context, out);
  }
}

void Annotator::RenderWord(std::u16string_view word, bool first_word, bool dim_statement,
                           TokenContext context, std::u16string& out) {
  if (word.starts_with(u'.')) {
    out.append(kWithObject).append(GlossOr(word.substr(1)));
  } else if (word == u"For" && !first_word) {
    out.append(u"以");  // the For of Open ... For Input
  } else if (word == u"*") {
    out.append(word);
  } else if (const auto gloss = dictionary_.Find(word)) {
    out.append(*gloss);
  } else if (context.dim_line && !context.first_token && first_word) {
    out.append(word);  // a further name of a Dim list, after a comma
  } else if (word.find(u'.') != std::u16string_view::npos && !StartsWithQuote(word)) {
    const std::vector<std::u16string_view> parts = SplitAt(word, u'.');
    out.append(u" ").append(GlossOr(parts.front()));
    for (std::size_t k = 1; k < parts.size(); ++k)
      out.append(u"的").append(GlossOr(parts[k]));
  } else if (dim_statement && !first_word) {
    out.append(word);
    declared_names_.emplace(word);
  } else if (declared_names_.contains(std::u16string(word))) {
    out.append(u" ").append(word);
  } else {
    out.append(word);
  }
}

std::u16string_view Annotator::GlossOr(std::u16string_view text) const {
  return dictionary_.Find(text).value_or(text);
}

}  // namespace tessaly::codetools
