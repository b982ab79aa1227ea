#include "sim/editor/procedure_table.h"

#include <algorithm>

#include "text/ascii_case.h"

namespace tessaly::sim {
namespace {

bool IsSpaceOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

using text::EqualsIgnoringAsciiCase;

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::u16string_view TrimLeft(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpaceOrTab(text[i]))
    ++i;
  return text.substr(i);
}

bool IsIdentifierStart(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c >= 0x80;
}

bool IsIdentifierPart(char16_t c) {
  return IsIdentifierStart(c) || (c >= u'0' && c <= u'9') || c == u'_';
}

// Reads a header's words one at a time, each ended by a space or a tab.
class WordReader {
 public:
  explicit WordReader(std::u16string_view text) : text_(text) {}

  std::u16string_view NextWord() {
    Skip();
    std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpaceOrTab(text_[pos_]))
      ++pos_;
    return text_.substr(start, pos_ - start);
  }

  // The procedure name: an identifier, ended by anything that cannot continue it ("(" etc.).
  std::u16string_view NextIdentifier() {
    Skip();
    std::size_t start = pos_;
    if (pos_ >= text_.size() || !IsIdentifierStart(text_[pos_])) return {};
    while (pos_ < text_.size() && IsIdentifierPart(text_[pos_]))
      ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  void Skip() {
    while (pos_ < text_.size() && IsSpaceOrTab(text_[pos_]))
      ++pos_;
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
};

std::optional<std::int32_t> PropertyKind(std::u16string_view word) {
  if (EqualsIgnoringAsciiCase(word, u"Get")) return kProcKindGet;
  if (EqualsIgnoringAsciiCase(word, u"Let")) return kProcKindLet;
  if (EqualsIgnoringAsciiCase(word, u"Set")) return kProcKindSet;
  return std::nullopt;
}

}  // namespace

std::optional<ProcedureHeader> ParseProcedureHeader(std::u16string_view line) {
  WordReader reader(line);
  std::u16string_view word = reader.NextWord();
  if (EqualsIgnoringAsciiCase(word, u"Public") || EqualsIgnoringAsciiCase(word, u"Private") ||
      EqualsIgnoringAsciiCase(word, u"Friend")) {
    word = reader.NextWord();
  }
  if (EqualsIgnoringAsciiCase(word, u"Static")) word = reader.NextWord();

  std::int32_t kind = kProcKindProcedure;
  if (EqualsIgnoringAsciiCase(word, u"Property")) {
    auto property_kind = PropertyKind(reader.NextWord());
    if (!property_kind) return std::nullopt;
    kind = *property_kind;
  } else if (!EqualsIgnoringAsciiCase(word, u"Sub") &&
             !EqualsIgnoringAsciiCase(word, u"Function")) {
    return std::nullopt;
  }
  std::u16string_view name = reader.NextIdentifier();
  if (name.empty()) return std::nullopt;
  return ProcedureHeader{std::u16string(name), kind};
}

bool IsProcedureEnd(std::u16string_view line) {
  std::u16string_view text = TrimLeft(line);
  return StartsWithIgnoringCase(text, u"End Sub") ||
         StartsWithIgnoringCase(text, u"End Function") ||
         StartsWithIgnoringCase(text, u"End Property");
}

bool IsBlankOrComment(std::u16string_view line) {
  std::u16string_view text = TrimLeft(line);
  if (text.empty() || text.front() == u'\'') return true;
  return StartsWithIgnoringCase(text, u"Rem") && (text.size() == 3 || IsSpaceOrTab(text[3]));
}

ProcedureTable ProcedureTable::Scan(const std::vector<std::u16string>& lines) {
  ProcedureTable table;
  const auto count = static_cast<std::int32_t>(lines.size());
  for (std::int32_t i = 0; i < count; ++i) {
    auto header = ParseProcedureHeader(lines[i]);
    if (!header) continue;
    // A header before this procedure's end belongs to it, so the scan resumes after the end.
    std::int32_t end = i + 1;
    while (end < count && !IsProcedureEnd(lines[end]))
      ++end;
    table.procedures_.push_back(
        Procedure{std::move(header->name), header->kind, i + 1, 0, std::min(end + 1, count)});
    i = end;
  }
  if (table.procedures_.empty()) {
    table.declarations_end_ = count;
    return table;
  }

  std::int32_t first_header = table.procedures_.front().header_line;
  std::int32_t declarations_end = 0;
  for (std::int32_t line = first_header - 1; line >= 1; --line) {
    if (!IsBlankOrComment(lines[line - 1])) {
      declarations_end = line;
      break;
    }
  }
  table.declarations_end_ = declarations_end;

  std::int32_t start = declarations_end + 1;
  for (auto& procedure : table.procedures_) {
    procedure.start_line = start;
    start = procedure.end_line + 1;
  }
  table.procedures_.back().end_line = count;
  return table;
}

const Procedure* ProcedureTable::At(std::int32_t line) const {
  if (line <= declarations_end_ || procedures_.empty()) return nullptr;
  auto it = std::upper_bound(
      procedures_.begin(), procedures_.end(), line,
      [](std::int32_t value, const Procedure& procedure) { return value < procedure.start_line; });
  if (it == procedures_.begin()) return nullptr;
  --it;
  return line <= it->end_line ? &*it : nullptr;
}

const Procedure* ProcedureTable::Find(std::u16string_view name, std::int32_t kind) const {
  for (const auto& procedure : procedures_) {
    if (procedure.kind == kind && EqualsIgnoringAsciiCase(procedure.name, name)) {
      return &procedure;
    }
  }
  return nullptr;
}

}  // namespace tessaly::sim
