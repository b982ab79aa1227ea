#include "menu/undo_last_change.h"

#include <iterator>
#include <string>
#include <vector>

#include "host/code_lines.h"
#include "host/host_error.h"

namespace tessaly::menu {

namespace {

// Whether every line the change left still reads as it left it, reading each run of
// neighbouring lines at once.
bool StillAsLeft(host::CodeModule& module, const ChangeRecord& change) {
  for (auto run = change.left.begin(); run != change.left.end();) {
    auto end = std::next(run);
    while (end != change.left.end() && end->first == std::prev(end)->first + 1)
      ++end;
    const auto count = static_cast<std::int32_t>(std::distance(run, end));
    std::vector<std::u16string> now;
    try {
      now = host::SplitCodeLines(module.Lines(run->first, count));
    } catch (const host::HostError&) {
      return false;  // the lines are gone
    }
    if (now.size() != static_cast<std::size_t>(count)) return false;
    for (std::size_t i = 0; run != end; ++run, ++i) {
      if (now[i] != run->second) return false;
    }
  }
  return true;
}

void TakeBack(host::CodeModule& module, const LineEdit& edit) {
  switch (edit.kind) {
    case LineEdit::Kind::kReplace:
      return module.ReplaceLine(edit.line, edit.before.front());
    case LineEdit::Kind::kInsert:
      return module.DeleteLines(edit.line, static_cast<std::int32_t>(edit.after.size()));
    case LineEdit::Kind::kDelete:
      return module.InsertLines(edit.line, host::JoinCodeLines(edit.before));
  }
}

}  // namespace

UndoOutcome UndoLastChange(host::Application& application, UndoHistory& history) {
  std::shared_ptr<host::CodePane> pane;
  std::u16string module_name;
  try {
    pane = application.ActiveCodePane();
    module_name = pane->Window()->Caption();
  } catch (const host::HostError&) {
    return UndoOutcome::kNothingToUndo;
  }
  const ChangeRecord* newest = history.Newest(module_name);
  if (!newest) return UndoOutcome::kNothingToUndo;
  // Taken out first: a change found altered, or refused half-way, is not tried again.
  const ChangeRecord change = *newest;
  history.DropNewest(module_name);
  const auto module = pane->CodeModule();
  if (!StillAsLeft(*module, change)) return UndoOutcome::kChangedSince;
  for (auto edit = change.edits.rbegin(); edit != change.edits.rend(); ++edit)
    TakeBack(*module, *edit);
  if (const auto& caret = change.caret_before) {
    pane->SetSelection(caret->start_line, caret->start_column, caret->end_line, caret->end_column);
  }
  return UndoOutcome::kUndone;
}

}  // namespace tessaly::menu
