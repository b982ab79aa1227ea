#include "menu/click_module.h"

#include "host/resume.h"
#include "menu/head_code.h"
#include "menu/required.h"

namespace tessaly::menu {

ClickModule::ClickModule(std::shared_ptr<host::CodeModule> module) : module_(std::move(module)) {}

std::optional<std::u16string> ClickModule::Line(std::int32_t line) {
  return host::ResumeOr<std::optional<std::u16string>>(
      std::nullopt, [&] { return Required(module_).Lines(line, 1); });
}

void ClickModule::ReplaceLine(std::int32_t line, const std::u16string& code) {
  host::Resume([&] { Required(module_).ReplaceLine(line, code); });
}

void ClickModule::InsertLines(std::int32_t line, const std::u16string& code) {
  host::Resume([&] { Required(module_).InsertLines(line, code); });
}

void ClickModule::DeleteLine(std::int32_t line) {
  host::Resume([&] { Required(module_).DeleteLines(line, 1); });
}

void ClickModule::PlaceCaret(std::int32_t line, std::int32_t column) {
  host::Resume(
      [&] { Required(Required(module_).CodePane()).SetSelection(line, column, line, column); });
}

host::Selection ClickModule::Selection() {
  return host::ResumeOr<host::Selection>(
      {}, [&] { return Required(Required(module_).CodePane()).GetSelection(); });
}

std::int32_t ClickModule::CurrentStartLine() {
  return host::ResumeOr<std::int32_t>(
      0, [&] { return Required(Required(module_).CodePane()).GetSelection().start_line; });
}

std::u16string ClickModule::GetHeadCode() {
  return IndentPrefixAt(CurrentStartLine(), [this](std::int32_t line) { return Line(line); });
}

}  // namespace tessaly::menu
