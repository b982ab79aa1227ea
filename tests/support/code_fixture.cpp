#include "support/code_fixture.h"

#include "text/utf.h"

namespace tessaly::test_support {

CodeFixture::CodeFixture(std::vector<std::u16string> lines)
    : application_(std::make_shared<sim::SimApplication>(sim::EditorOptions{})) {
  module_ = &application_->AddModule(u"VBAProject", u"模块1", std::move(lines));
}

void CodeFixture::Click(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                        std::int32_t end_column) {
  if (end_line == 0) end_line = start_line;
  if (end_column == 0) end_column = start_column;
  module_->Pane()->Select(start_line, start_column, end_line, end_column);
  application_->SetActivePane(module_->Pane());
  saved_start_line_ = start_line;
}

host::Selection CodeFixture::Caret() const {
  return module_->Pane()->CurrentSelection();
}

std::int64_t CodeFixture::Calls(std::u16string_view member) const {
  return application_->Calls().Calls(member);
}

void CodeFixture::ResetCalls() {
  application_->Calls().Reset();
}

std::vector<std::u16string> SplitUtf8Lines(std::string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    if (end == std::string_view::npos) {
      if (start < text.size()) lines.push_back(text::FromUtf8(text.substr(start)));
      break;
    }
    lines.push_back(text::FromUtf8(text.substr(start, end - start)));
    start = end + 1;
  }
  return lines;
}

}  // namespace tessaly::test_support
