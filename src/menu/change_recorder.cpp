#include "menu/change_recorder.h"

#include <utility>

#include "host/code_lines.h"
#include "host/host_error.h"
#include "menu/undo_history.h"

namespace tessaly::menu {

namespace {

// Moves the entries at `from` and after by `delta` lines.
void Shift(std::map<std::int32_t, std::u16string>& lines, std::int32_t from, std::int32_t delta) {
  std::map<std::int32_t, std::u16string> moved;
  for (auto it = lines.lower_bound(from); it != lines.end();) {
    moved.emplace(it->first + delta, std::move(it->second));
    it = lines.erase(it);
  }
  lines.merge(moved);
}

void Erase(std::map<std::int32_t, std::u16string>& lines, std::int32_t start, std::int32_t count) {
  lines.erase(lines.lower_bound(start), lines.lower_bound(start + count));
}

}  // namespace

// What the click did to the module so far: the lines it has written or was told the old text of
// (host::CodeModule::KnowLine), the few it read last, the lines its change left, and the edits in
// order. A code tool reads a whole procedure and changes some of it: keeping every line read would
// hold the module twice, so a tool tells the text of each line before it changes it, and only
// the last reads are kept for the editing commands, which read a line or two and change them.
class ChangeRecorder::State {
 public:
  void SeePane(const std::shared_ptr<host::CodePane>& pane) {
    if (!pane_) pane_ = pane;
  }
  void SeeSelection(const host::Selection& selection) {
    if (!caret_) caret_ = selection;
  }
  void SeeLines(std::int32_t start, const std::u16string& text) {
    if (too_large_) return;
    auto lines = host::SplitCodeLines(text);
    if (recent_.size() + lines.size() > kRecentLines) recent_.clear();
    if (lines.size() > kRecentLines) return;
    for (std::size_t i = 0; i < lines.size(); ++i)
      recent_[start + static_cast<std::int32_t>(i)] = std::move(lines[i]);
  }
  // What the module answers now; a text the recorder wrote or saw change stays as it knows it.
  void Know(std::int32_t line, const std::u16string& text) {
    if (!too_large_) known_.emplace(line, text);
  }

  void Replace(host::CodeModule& module, std::int32_t line, const std::u16string& code) {
    if (too_large_) return module.ReplaceLine(line, code);
    auto lines = host::SplitCodeLines(code);
    const std::u16string old = Known(module, line);
    module.ReplaceLine(line, code);
    known_[line] = lines.front();
    if (lines.front() != old) {
      left_[line] = lines.front();
      Note({LineEdit::Kind::kReplace, line, {old}, {lines.front()}});
    }
    // A replacement with line breaks inserts the lines after its first.
    if (lines.size() > 1) Inserted(line + 1, {lines.begin() + 1, lines.end()});
  }
  void Insert(host::CodeModule& module, std::int32_t line, const std::u16string& code) {
    if (too_large_) return module.InsertLines(line, code);
    auto lines = host::SplitCodeLines(code);
    module.InsertLines(line, code);
    Inserted(line, std::move(lines));
  }
  void Delete(host::CodeModule& module, std::int32_t start, std::int32_t count) {
    if (too_large_) return module.DeleteLines(start, count);
    std::vector<std::u16string> old;
    for (std::int32_t line = start; line < start + count; ++line)
      old.push_back(Known(module, line));
    module.DeleteLines(start, count);
    for (auto* lines : {&known_, &recent_, &left_}) {
      Erase(*lines, start, count);
      Shift(*lines, start + count, -count);
    }
    // The line that closed the gap, where the click knows it, tells later whether the place is
    // still as the deletion left it.
    if (const auto next = Find(start)) left_[start] = *next;
    Note({LineEdit::Kind::kDelete, start, std::move(old), {}});
  }

  bool TooLarge() const { return too_large_; }

  std::optional<ChangeRecord> Finish() {
    if (too_large_ || edits_.empty() || !pane_) return std::nullopt;
    ChangeRecord change;
    try {
      change.module = pane_->Window()->Caption();
    } catch (const host::HostError&) {
      // A change that cannot be told from another module's cannot be undone safely.
      return std::nullopt;
    }
    change.caret_before = caret_;
    change.edits = std::move(edits_);
    change.left = std::move(left_);
    return change;
  }

 private:
  // The line's text as the click saw it; read once more only where the click wrote a line it
  // never read.
  std::u16string Known(host::CodeModule& module, std::int32_t line) {
    if (const auto found = Find(line)) return *found;
    return known_[line] = module.Lines(line, 1);
  }
  const std::u16string* Find(std::int32_t line) const {
    for (const auto* lines : {&known_, &recent_}) {
      if (const auto found = lines->find(line); found != lines->end()) return &found->second;
    }
    return nullptr;
  }
  void Inserted(std::int32_t line, std::vector<std::u16string> lines) {
    if (too_large_) return;
    const auto count = static_cast<std::int32_t>(lines.size());
    Shift(recent_, line, count);
    for (auto* known : {&known_, &left_}) {
      Shift(*known, line, count);
      for (std::int32_t i = 0; i < count; ++i)
        (*known)[line + i] = lines[static_cast<std::size_t>(i)];
    }
    Note({LineEdit::Kind::kInsert, line, {}, std::move(lines)});
  }
  // Keeps the edit, unless the edits come to more than the history could keep: then nothing
  // the click did is kept any more, and nothing it does from now on is noted.
  void Note(LineEdit edit) {
    if (too_large_) return;
    edit_bytes_ += KeptBytes(edit);
    edits_.push_back(std::move(edit));
    if (edit_bytes_ <= UndoHistory::kBytesInAll) return;
    too_large_ = true;
    known_ = {};
    recent_ = {};
    left_ = {};
    edits_ = {};
  }

  std::shared_ptr<host::CodePane> pane_;
  std::optional<host::Selection> caret_;
  // Enough for any editing command's reads; a tool's reads pass through and go.
  static constexpr std::size_t kRecentLines = 64;

  std::map<std::int32_t, std::u16string> known_;
  std::map<std::int32_t, std::u16string> recent_;
  std::map<std::int32_t, std::u16string> left_;
  std::vector<LineEdit> edits_;
  std::size_t edit_bytes_ = 0;
  bool too_large_ = false;
};

namespace {

using State = ChangeRecorder::State;

class RecordingPane;

class RecordingModule : public host::CodeModule {
 public:
  RecordingModule(std::shared_ptr<host::CodeModule> module, std::shared_ptr<State> state)
      : module_(std::move(module)), state_(std::move(state)) {}

  std::u16string Lines(std::int32_t start_line, std::int32_t count) override {
    auto text = module_->Lines(start_line, count);
    if (count > 0) state_->SeeLines(start_line, text);
    return text;
  }
  void ReplaceLine(std::int32_t line, const std::u16string& code) override {
    state_->Replace(*module_, line, code);
  }
  void InsertLines(std::int32_t line, const std::u16string& code) override {
    state_->Insert(*module_, line, code);
  }
  void DeleteLines(std::int32_t start_line, std::int32_t count) override {
    state_->Delete(*module_, start_line, count);
  }
  std::int32_t CountOfLines() override { return module_->CountOfLines(); }
  std::u16string ProcOfLine(std::int32_t line, std::int32_t proc_kind) override {
    return module_->ProcOfLine(line, proc_kind);
  }
  std::int32_t ProcStartLine(const std::u16string& name, std::int32_t proc_kind) override {
    return module_->ProcStartLine(name, proc_kind);
  }
  std::int32_t ProcCountLines(const std::u16string& name, std::int32_t proc_kind) override {
    return module_->ProcCountLines(name, proc_kind);
  }
  std::shared_ptr<host::CodePane> CodePane() override;
  std::shared_ptr<host::VBComponent> Parent() override { return module_->Parent(); }
  void KnowLine(std::int32_t line, const std::u16string& text) override {
    state_->Know(line, text);
  }

 private:
  std::shared_ptr<host::CodeModule> module_;
  std::shared_ptr<State> state_;
};

class RecordingPane : public host::CodePane {
 public:
  RecordingPane(std::shared_ptr<host::CodePane> pane, std::shared_ptr<State> state)
      : pane_(std::move(pane)), state_(std::move(state)) {
    state_->SeePane(pane_);
  }

  host::Selection GetSelection() override {
    const auto selection = pane_->GetSelection();
    state_->SeeSelection(selection);
    return selection;
  }
  void SetSelection(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
                    std::int32_t end_column) override {
    pane_->SetSelection(start_line, start_column, end_line, end_column);
  }
  std::int32_t TopLine() override { return pane_->TopLine(); }
  void SetTopLine(std::int32_t line) override { pane_->SetTopLine(line); }
  std::shared_ptr<host::Window> Window() override { return pane_->Window(); }
  std::shared_ptr<host::CodeModule> CodeModule() override {
    return std::make_shared<RecordingModule>(pane_->CodeModule(), state_);
  }

 private:
  std::shared_ptr<host::CodePane> pane_;
  std::shared_ptr<State> state_;
};

std::shared_ptr<host::CodePane> RecordingModule::CodePane() {
  return std::make_shared<RecordingPane>(module_->CodePane(), state_);
}

class RecordingApplication : public host::Application {
 public:
  RecordingApplication(std::shared_ptr<host::Application> application, std::shared_ptr<State> state)
      : application_(std::move(application)), state_(std::move(state)) {}

  std::u16string Name() override { return application_->Name(); }
  std::u16string Version() override { return application_->Version(); }
  std::u16string ExecutableName() override { return application_->ExecutableName(); }
  std::shared_ptr<host::CommandBars> CommandBars() override { return application_->CommandBars(); }
  std::shared_ptr<host::Windows> Windows() override { return application_->Windows(); }
  std::shared_ptr<host::Window> MainWindow() override { return application_->MainWindow(); }
  std::shared_ptr<host::Events> Events() override { return application_->Events(); }
  std::shared_ptr<host::CodePane> ActiveCodePane() override {
    return std::make_shared<RecordingPane>(application_->ActiveCodePane(), state_);
  }
  std::shared_ptr<host::VBProject> ActiveVBProject() override {
    return application_->ActiveVBProject();
  }

 private:
  std::shared_ptr<host::Application> application_;
  std::shared_ptr<State> state_;
};

}  // namespace

ChangeRecorder::ChangeRecorder() : state_(std::make_shared<State>()) {}

ChangeRecorder::~ChangeRecorder() = default;

std::shared_ptr<host::Application> ChangeRecorder::Wrap(
    std::shared_ptr<host::Application> application) {
  if (!application) return application;
  return std::make_shared<RecordingApplication>(std::move(application), state_);
}

std::optional<ChangeRecord> ChangeRecorder::Finish() {
  return state_->Finish();
}

bool ChangeRecorder::TooLargeToKeep() const {
  return state_->TooLarge();
}

}  // namespace tessaly::menu
