#include "menu/snippet_insertion.h"

#include <span>

#include "codetools/blanks.h"
#include "menu/line_text.h"
#include "menu/menu_catalogue.h"

namespace tessaly::menu {
namespace {

constexpr std::u16string_view kDeclarationHeads[] = {u"Public ", u"Private", u"Functio"};
constexpr std::u16string_view kParameterHeads[] = {u"Optiona", u"ParamAr", u"ByVal"};

bool IsOneOf(std::u16string_view head, std::span<const std::u16string_view> heads) {
  for (auto candidate : heads) {
    if (head == candidate) return true;
  }
  return false;
}

void SpliceParameter(ClickModule& module, const ClickState& click, std::int32_t start_line,
                     std::u16string_view text) {
  const auto& line = click.line_text;
  const auto column = click.selection.start_column;
  const auto left = Left(line, column - 1);
  const auto right = Right(line, Length(line) - column + 1);
  if (click.line_read && left && right) {
    module.ReplaceLine(start_line, *left + std::u16string(text) + *right);
  }
  module.PlaceCaret(start_line, click.selection.end_column + Length(text));
}

}  // namespace

SnippetKind KindOfSnippet(std::u16string_view body) {
  const auto head = codetools::TrimBlanks(body).substr(0, 7);
  if (IsOneOf(head, kDeclarationHeads) || head.substr(0, 4) == u"Sub ") {
    return SnippetKind::kDeclaration;
  }
  if (IsOneOf(head, kParameterHeads)) return SnippetKind::kParameter;
  return SnippetKind::kStatement;
}

void InsertSnippet(ClickModule& module, const ClickState& click, std::u16string_view caption) {
  // Captions are unique across the catalogue, so the exact match is the one item a click
  // can mean; a caption contained in another ("If_Then条件" in "IIf_Then条件") stays apart.
  const MenuItem* item = FindMenuItem(caption);
  if (item == nullptr || item->text.empty()) return;
  const std::int32_t start_line = module.CurrentStartLine();
  const std::u16string prefix = module.GetHeadCode();
  const std::u16string body = ReplaceAll(item->text, kHeadCodePlaceholder, prefix);
  switch (KindOfSnippet(body)) {
    case SnippetKind::kDeclaration:
      module.InsertLines(start_line, body);
      break;
    case SnippetKind::kParameter:
      SpliceParameter(module, click, start_line, item->text);
      break;
    case SnippetKind::kStatement:
      module.InsertLines(start_line, prefix + body);
      break;
  }
}

}  // namespace tessaly::menu
