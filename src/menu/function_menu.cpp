#include "menu/function_menu.h"

#include "codetools/blanks.h"
#include "host/resume.h"
#include "menu/change_recorder.h"
#include "menu/connection_code_tools.h"
#include "menu/dispatch_table.h"
#include "menu/editing_commands.h"
#include "menu/menu_bar.h"
#include "menu/required.h"
#include "menu/selected_text.h"
#include "menu/snippet_insertion.h"
#include "menu/undo_last_change.h"

namespace tessaly::menu {

FunctionMenu::FunctionMenu(addin::Connection& connection, host::Os& os, MenuCommands& commands)
    : connection_(connection),
      os_(os),
      commands_(commands),
      owned_code_tools_(std::make_unique<ConnectionCodeTools>(connection)),
      code_tools_(*owned_code_tools_) {}

FunctionMenu::FunctionMenu(addin::Connection& connection, host::Os& os, MenuCommands& commands,
                           MenuCodeTools& code_tools)
    : connection_(connection), os_(os), commands_(commands), code_tools_(code_tools) {}

addin::AppEventVBIDE::Dispatcher FunctionMenu::ClickDispatcher() {
  // The sinks live in the connection and may outlast this object.
  return [this, alive = std::weak_ptr<bool>(alive_)](const std::u16string& caption) {
    if (alive.lock()) RunFunctionMenu(caption);
  };
}

int FunctionMenu::RewireExistingBar() {
  return menu::RewireExistingBar(connection_, ClickDispatcher());
}

std::u16string FunctionMenu::GetHeadCode() {
  std::shared_ptr<host::CodeModule> module;
  host::Resume([&] {
    module = Required(Required(connection_.HostApplication).ActiveCodePane()).CodeModule();
  });
  return ClickModule(module).GetHeadCode();
}

void FunctionMenu::RunFunctionMenu(const std::u16string& caption) {
  if (caption.empty()) {
    BuildMenuBar(connection_, os_.loop, ClickDispatcher());
    return;
  }
  if (ActionOfCaption(caption) == MenuAction::kUndoLastChange) return UndoLastChange();
  RunRecorded(caption);
}

void FunctionMenu::RunRecorded(const std::u16string& caption) {
  ChangeRecorder recorder;
  // Every step of the click reaches the editor through the connection's application object.
  struct Swap {
    std::shared_ptr<host::Application>& slot;
    std::shared_ptr<host::Application> kept;
    ~Swap() { slot = std::move(kept); }
  } swap{connection_.HostApplication, connection_.HostApplication};
  connection_.HostApplication = recorder.Wrap(swap.kept);
  {
    std::shared_ptr<host::CodeModule> code_module;
    const ClickState click = Prepare(code_module);
    ClickModule module(code_module);
    Dispatch(caption, click, module);
  }
  if (recorder.TooLargeToKeep()) {
    undo_history_.DropAll();
  } else if (auto change = recorder.Finish()) {
    undo_history_.Add(std::move(*change));
  }
}

void FunctionMenu::UndoLastChange() {
  if (!connection_.HostApplication) return;
  const auto outcome = menu::UndoLastChange(*connection_.HostApplication, undo_history_);
  const char16_t* message = outcome == UndoOutcome::kNothingToUndo  ? kNothingToUndoMessage
                            : outcome == UndoOutcome::kChangedSince ? kChangedSinceMessage
                                                                    : nullptr;
  if (message) {
    const auto style = outcome == UndoOutcome::kNothingToUndo ? host::kMbIconInformation
                                                              : host::kMbIconExclamation;
    Command([&] { os_.system.MessageBox(message, u"", style); });
  }
}

ClickState FunctionMenu::Prepare(std::shared_ptr<host::CodeModule>& module) {
  ClickState click;
  std::shared_ptr<host::CodePane> pane;
  host::Resume([&] { pane = Required(connection_.HostApplication).ActiveCodePane(); });
  host::Resume([&] { click.selection = Required(pane).GetSelection(); });
  auto& s = click.selection;
  if (s.start_line != s.end_line && s.end_column == 1) --s.end_line;
  connection_.SavedStartLine = s.start_line;
  host::Resume([&] { module = Required(pane).CodeModule(); });
  host::Resume([&] {
    click.line_text = Required(module).Lines(s.start_line, 1);
    click.line_read = true;
  });
  click.line_length = static_cast<std::int32_t>(codetools::TrimBlanks(click.line_text).size());
  return click;
}

template <class Step>
void FunctionMenu::Command(Step&& step) {
  host::Resume(std::forward<Step>(step));
}

std::u16string FunctionMenu::ClipboardText() {
  return host::ResumeOr<std::u16string>(u"", [&] { return os_.system.ClipboardText(); });
}

void FunctionMenu::LookUp(const ClickState& click, std::int32_t mode) {
  const auto& s = click.selection;
  const std::u16string text = s.start_column == s.end_column
                                  ? ClipboardText()
                                  : GetSelectedText(click.line_text, s.start_column, s.end_column);
  Command([&] { commands_.OpenWebLookup(text, mode); });
}

void FunctionMenu::Dispatch(const std::u16string& caption, const ClickState& click,
                            ClickModule& module) {
  switch (ActionOfCaption(caption)) {
    case MenuAction::kIndentCode:
      return Command([&] { code_tools_.IndentCode(); });
    case MenuAction::kUnalignComments:
      return Command([&] { code_tools_.UnalignComments(); });
    case MenuAction::kDeleteComments:
      return Command([&] { code_tools_.CleanLines(codetools::Cleaning::kDeleteComments); });
    case MenuAction::kDeleteBlankLines:
      return Command([&] { code_tools_.CleanLines(codetools::Cleaning::kDeleteBlankLines); });
    case MenuAction::kUnindent:
      return Command([&] { code_tools_.CleanLines(codetools::Cleaning::kUnindent); });
    case MenuAction::kAnnotateCode:
      return Command([&] { commands_.AnnotateCode(); });
    case MenuAction::kAlignComments:
      return Command([&] { code_tools_.AlignComments(); });
    case MenuAction::kTranslate:
      return LookUp(click, kTranslate);
    case MenuAction::kSearch:
      return LookUp(click, kSearch);
    case MenuAction::kToggleProjectExplorer:
      return Command([&] { commands_.ToggleIdeWindow(host::kProjectExplorer); });
    case MenuAction::kTogglePropertiesWindow:
      return Command([&] { commands_.ToggleIdeWindow(host::kPropertiesWindow); });
    case MenuAction::kToggleImmediateWindow:
      return Command([&] { commands_.ToggleIdeWindow(host::kImmediateWindow); });
    case MenuAction::kClearImmediateWindow:
      return Command([&] { commands_.ClearImmediateWindow(); });
    case MenuAction::kSwitchPublicPrivate:
      return SwitchPublicPrivate(module, click);
    case MenuAction::kToggleComment:
      return ToggleComment(module, click);
    case MenuAction::kDeleteLines:
      return DeleteLines(module, click);
    case MenuAction::kPaste:
      return PasteText(module, click, ClipboardText());
    case MenuAction::kCommentPrefix:
      return InsertCommentPrefix(module, click);
    case MenuAction::kSeparator:
      return InsertSeparator(module, click);
    case MenuAction::kMessageBoxLine:
      return InsertDebugLine(module, click, DebugLineKind::kMessageBox);
    case MenuAction::kDebugPrintLine:
      return InsertDebugLine(module, click, DebugLineKind::kDebugPrint);
    case MenuAction::kQuote:
      return QuoteSelection(module, click);
    case MenuAction::kConcatenation:
      return ReplaceSelection(module, click, u" & ");
    case MenuAction::kLineBreak:
      return ReplaceSelection(module, click, u" VbCrLf ");
    case MenuAction::kAbout:
      return Command([&] { commands_.ShowAbout(); });
    case MenuAction::kUndoLastChange:
      return UndoLastChange();
    case MenuAction::kSnippet:
      return InsertSnippet(module, click, caption);
  }
}

}  // namespace tessaly::menu
