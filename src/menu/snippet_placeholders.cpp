#include "menu/snippet_placeholders.h"

#include <cstdio>

#include "host/code_lines.h"
#include "menu/line_text.h"

namespace tessaly::menu {
namespace {

const std::u16string* ValueOf(std::u16string_view name, const SnippetContext& context) {
  if (name == u"PROC") return &context.proc;
  if (name == u"MODULE") return &context.module;
  if (name == u"PROJECT") return &context.project;
  if (name == u"DATE") return &context.date;
  if (name == u"TIME") return &context.time;
  if (name == u"AUTHOR") return &context.author;
  if (name == u"SELECTION") return &context.selection;
  return nullptr;
}

// Appends a value that may hold line breaks. Its later lines stand where its first does when
// only blanks come before it ("    $SELECTION$" indents every selected line), else at the
// line's start.
void AppendValue(ExpandedSnippet& out, const std::u16string& value) {
  const auto pieces = host::SplitCodeLines(value);
  const std::u16string lead = IsBlankLine(out.lines.back()) ? out.lines.back() : u"";
  out.lines.back() += pieces.front();
  for (std::size_t i = 1; i < pieces.size(); ++i)
    out.lines.push_back(lead + pieces[i]);
}

void ExpandLine(std::u16string_view line, const SnippetContext& context, ExpandedSnippet& out) {
  out.lines.emplace_back();
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] != u'$') {
      out.lines.back() += line[i++];
      continue;
    }
    if (i + 1 < line.size() && line[i + 1] == u'$') {
      out.lines.back() += u'$';
      i += 2;
      continue;
    }
    const auto close = line.find(u'$', i + 1);
    const auto name = close == std::u16string_view::npos ? std::u16string_view()
                                                         : line.substr(i + 1, close - i - 1);
    if (name == u"CURSOR") {
      out.cursor = {out.lines.size() - 1, out.lines.back().size()};
    } else if (const auto* value = ValueOf(name, context)) {
      AppendValue(out, *value);
    } else {
      // Not ours: the dollar sign stays, and the text after it is read on.
      out.lines.back() += u'$';
      ++i;
      continue;
    }
    i = close + 1;
  }
}

std::u16string Ascii(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

std::u16string FormatDate(const host::LocalTime& time) {
  char buffer[32] = {};
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", time.year, time.month, time.day);
  return Ascii(buffer);
}

std::u16string FormatTime(const host::LocalTime& time) {
  char buffer[32] = {};
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", time.hour, time.minute);
  return Ascii(buffer);
}

ExpandedSnippet ExpandSnippet(std::u16string_view text, const SnippetContext& context) {
  ExpandedSnippet out;
  for (const auto& line : host::SplitCodeLines(text))
    ExpandLine(line, context, out);
  return out;
}

}  // namespace tessaly::menu
