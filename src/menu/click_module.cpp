#include "menu/click_module.h"

#include "host/resume.h"
#include "menu/head_code.h"
#include "menu/required.h"

namespace tessaly::menu {

ClickModule::ClickModule(std::shared_ptr<host::CodeModule> module) : module_(std::move(module)) {}

std::optional<std::u16string> ClickModule::Line(std::int32_t line, std::source_location where) {
  return host::ResumeOr<std::optional<std::u16string>>(
      std::nullopt, [&] { return Required(module_).Lines(line, 1); }, where);
}

void ClickModule::ReplaceLine(std::int32_t line, const std::u16string& code,
                              std::source_location where) {
  host::Resume([&] { Required(module_).ReplaceLine(line, code); }, where);
}

void ClickModule::InsertLines(std::int32_t line, const std::u16string& code,
                              std::source_location where) {
  host::Resume([&] { Required(module_).InsertLines(line, code); }, where);
}

void ClickModule::DeleteLine(std::int32_t line, std::source_location where) {
  host::Resume([&] { Required(module_).DeleteLines(line, 1); }, where);
}

void ClickModule::PlaceCaret(std::int32_t line, std::int32_t column, std::source_location where) {
  host::Resume(
      [&] { Required(Required(module_).CodePane()).SetSelection(line, column, line, column); },
      where);
}

host::Selection ClickModule::Selection(std::source_location where) {
  return host::ResumeOr<host::Selection>(
      {}, [&] { return Required(Required(module_).CodePane()).GetSelection(); }, where);
}

std::int32_t ClickModule::CurrentStartLine(std::source_location where) {
  return host::ResumeOr<std::int32_t>(
      0, [&] { return Required(Required(module_).CodePane()).GetSelection().start_line; }, where);
}

std::u16string ClickModule::GetHeadCode(std::source_location where) {
  return IndentPrefixAt(CurrentStartLine(where),
                        [&](std::int32_t line) { return Line(line, where); });
}

}  // namespace tessaly::menu
