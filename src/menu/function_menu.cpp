#include "menu/function_menu.h"

#include "addin/module_file_path.h"

#include "codetools/alignment.h"
#include "codetools/annotation_walk.h"
#include "codetools/blanks.h"
#include "codetools/cleaning.h"
#include "codetools/indent.h"
#include "host/resume.h"
#include "menu/change_recorder.h"
#include "menu/code_window_names.h"
#include "menu/editing_commands.h"
#include "menu/menu_bar.h"
#include "menu/menu_catalogue.h"
#include "menu/module_style.h"
#include "menu/required.h"
#include "menu/selected_text.h"
#include "menu/snippet_insertion.h"
#include "menu/undo_last_change.h"
#include "menu/user_snippet_insertion.h"

namespace tessaly::menu {

FunctionMenu::FunctionMenu(const addin::Connection& connection, addin::ButtonSinks& button_sinks,
                           host::SystemServices& system, host::FileSystem& files,
                           style::ConfigSource& editor_configs, host::MessageLoop& loop,
                           MenuCommands& commands,
                           const codetools::AnnotationDictionary& dictionary,
                           SnippetFolders snippet_folders)
    : connection_(connection),
      button_sinks_(button_sinks),
      system_(system),
      files_(files),
      editor_configs_(editor_configs),
      loop_(loop),
      commands_(commands),
      dictionary_(dictionary),
      snippet_folders_(std::move(snippet_folders)),
      snippet_popup_(connection, button_sinks) {}

addin::AppEventVBIDE::Dispatcher FunctionMenu::ClickDispatcher() {
  // The sinks are the add-in's and may outlast this object.
  return [this, alive = std::weak_ptr<bool>(alive_)](const std::u16string& caption) {
    if (alive.lock()) RunFunctionMenu(caption);
  };
}

int FunctionMenu::RewireExistingBar() {
  const int wired = menu::RewireExistingBar(connection_, button_sinks_, ClickDispatcher());
  RefreshSnippets();
  return wired;
}

void FunctionMenu::BuildMenuBar() {
  menu::BuildMenuBar(connection_, button_sinks_, loop_, ClickDispatcher());
  RefreshSnippets();
}

void FunctionMenu::RefreshSnippets() {
  const auto folders = SnippetFolderPaths();
  const auto library =
      ReadSnippetLibrary(files_, folders, [this](const std::u16string& line) { LogFailure(line); });
  // The buttons outlive neither this menu nor a click after it is gone.
  const auto alive = std::weak_ptr<bool>(alive_);
  SnippetPopupActions actions;
  actions.insert = [this, alive](const std::u16string& caption, const std::u16string& text) {
    if (alive.lock()) InsertUserSnippet(caption, text);
  };
  actions.refresh = [this, alive] {
    if (alive.lock()) RefreshSnippets();
  };
  actions.open_folder = [this, alive] {
    if (alive.lock()) OpenSnippetFolder();
  };
  snippet_popup_.Fill(library, actions);
}

std::u16string FunctionMenu::UserSnippetFolder() {
  if (snippet_folders_.user_folder) return *snippet_folders_.user_folder;
  const auto config =
      host::ResumeOr<std::u16string>(u"", [&] { return files_.UserConfigFolder(); });
  if (config.empty()) return {};
  return host::ResumeOr<std::u16string>(u"", [&] { return files_.Join(config, u"snippets"); });
}

std::vector<std::u16string> FunctionMenu::SnippetFolderPaths() {
  std::u16string project;
  host::Resume([&] {
    const auto folder = snippet_folders_.project_folder
                            ? snippet_folders_.project_folder()
                            : addin::ProjectFolder(Required(connection_.HostApplication))
                                  .value_or(std::u16string());
    if (!folder.empty()) project = files_.Join(files_.Join(folder, u".tessaly"), u"snippets");
  });
  return {UserSnippetFolder(), project};
}

void FunctionMenu::OpenSnippetFolder() {
  const auto folder = UserSnippetFolder();
  if (folder.empty()) return;
  host::Resume([&] { files_.CreateFolders(folder); });
  host::Resume([&] { system_.OpenFolder(folder); });
}

void FunctionMenu::InsertUserSnippet(const std::u16string& caption, const std::u16string& text) {
  RecordedClick(MenuAction::kSnippet, [&](const Click& click) {
    ClickModule module(click.module);
    if (!click.module) return;
    menu::InsertUserSnippet(module, system_, caption, text, ContextOf(click));
  });
}

SnippetContext FunctionMenu::ContextOf(const Click& click) {
  SnippetContext context;
  host::Resume([&] { context.proc = Required(click.module).ProcOfLine(click.SavedStartLine, 0); });
  host::Resume([&] {
    const auto caption = Required(Required(click.pane).Window()).Caption();
    const auto names = NamesOfCodeWindow(caption);
    context.project = names.project;
    context.module = names.module;
  });
  host::Resume([&] {
    const auto now = system_.Now();
    context.date = FormatDate(now);
    context.time = FormatTime(now);
  });
  host::Resume([&] { context.author = system_.UserName(); });
  return context;
}

void FunctionMenu::RunFunctionMenu(const std::u16string& caption) {
  const MenuAction action = ActionOfCaption(caption);
  if (action == MenuAction::kUndoLastChange) return UndoLastChange();
  RecordedClick(action, [&](const Click& click) { Dispatch(caption, click); });
}

void FunctionMenu::RecordedClick(MenuAction action, const std::function<void(const Click&)>& body) {
  // What the click changes is recorded for "撤销上次修改": it reaches the code through the
  // wrapped application only.
  ChangeRecorder recorder;
  body(Prepare(action, recorder.Wrap(connection_.HostApplication)));
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
    host::Resume([&] { system_.MessageBox(message, u"", style); });
  }
}

FunctionMenu::Click FunctionMenu::Prepare(MenuAction action,
                                          const std::shared_ptr<host::Application>& application) {
  Click click;
  click.action = action;
  click.application = application;
  host::Resume([&] { click.pane = Required(application).ActiveCodePane(); });
  auto& s = click.state.selection;
  // Without the selection no line is known to work at: the click leaves the code alone.
  if (!host::Resume([&] { s = Required(click.pane).GetSelection(); })) click.pane = nullptr;
  if (s.start_line != s.end_line && s.end_column == 1) --s.end_line;
  click.SavedStartLine = s.start_line;
  host::Resume([&] { click.module = Required(click.pane).CodeModule(); });
  host::Resume([&] {
    click.state.line_text = Required(click.module).Lines(s.start_line, 1);
    click.state.line_read = true;
  });
  click.state.line_length =
      static_cast<std::int32_t>(codetools::TrimBlanks(click.state.line_text).size());
  return click;
}

void FunctionMenu::RunCodeTool(const Click& click,
                               const std::function<void(const codetools::CodeTarget&)>& tool,
                               Layout layout) {
  if (!click.pane || !click.module) return;
  codetools::IndentStyle style;
  if (layout == Layout::kProjectStyle && click.application) {
    style = ModuleStyle(*click.application, *click.module, editor_configs_,
                        [this](const std::u16string& line) { LogFailure(line); });
  }
  host::Resume([&] { tool({*click.pane, *click.module, click.SavedStartLine, style}); });
}

void FunctionMenu::LogFailure(const std::u16string& line) {
  host::Resume([&] { system_.LogFailure(line); });
}

std::u16string FunctionMenu::ClipboardText() {
  return host::ResumeOr<std::u16string>(u"", [&] { return system_.ClipboardText(); });
}

void FunctionMenu::LookUp(const ClickState& click, std::int32_t mode) {
  const auto& s = click.selection;
  const std::u16string text = s.start_column == s.end_column
                                  ? ClipboardText()
                                  : GetSelectedText(click.line_text, s.start_column, s.end_column);
  host::Resume([&] { commands_.OpenWebLookup(text, mode); });
}

void FunctionMenu::Dispatch(const std::u16string& caption, const Click& click) {
  using codetools::Cleaning;
  using codetools::CodeTarget;
  ClickModule module(click.module);
  const ClickState& state = click.state;
  switch (click.action) {
    case MenuAction::kIndentCode:
      return RunCodeTool(
          click, [](const CodeTarget& target) { codetools::IndentCode(target); },
          Layout::kProjectStyle);
    case MenuAction::kUnalignComments:
      return RunCodeTool(click, [](const CodeTarget& target) {
        codetools::RunAlignmentWalk(target, codetools::kUnalignCommentsMode);
      });
    case MenuAction::kDeleteComments:
      return RunCodeTool(click, [](const CodeTarget& target) {
        codetools::RunCleaningWalk(target, Cleaning::kDeleteComments);
      });
    case MenuAction::kDeleteBlankLines:
      return RunCodeTool(click, [](const CodeTarget& target) {
        codetools::RunCleaningWalk(target, Cleaning::kDeleteBlankLines);
      });
    case MenuAction::kUnindent:
      return RunCodeTool(click, [](const CodeTarget& target) {
        codetools::RunCleaningWalk(target, Cleaning::kUnindent);
      });
    case MenuAction::kAnnotateCode:
      return RunCodeTool(click, [this](const CodeTarget& target) {
        codetools::AnnotateCode(target, dictionary_);
      });
    case MenuAction::kAlignComments:
      return RunCodeTool(
          click,
          [](const CodeTarget& target) {
            codetools::RunAlignmentWalk(target, codetools::kAlignCommentsMode);
          },
          Layout::kProjectStyle);
    case MenuAction::kTranslate:
      return LookUp(state, kTranslate);
    case MenuAction::kSearch:
      return LookUp(state, kSearch);
    case MenuAction::kToggleProjectExplorer:
      host::Resume([&] { commands_.ToggleIdeWindow(host::kProjectExplorer); });
      return;
    case MenuAction::kTogglePropertiesWindow:
      host::Resume([&] { commands_.ToggleIdeWindow(host::kPropertiesWindow); });
      return;
    case MenuAction::kToggleImmediateWindow:
      host::Resume([&] { commands_.ToggleIdeWindow(host::kImmediateWindow); });
      return;
    case MenuAction::kClearImmediateWindow:
      host::Resume([&] { commands_.ClearImmediateWindow(); });
      return;
    case MenuAction::kSwitchPublicPrivate:
      return SwitchPublicPrivate(module, state);
    case MenuAction::kToggleComment:
      return ToggleComment(module, state);
    case MenuAction::kDeleteLines:
      return DeleteLines(module, state);
    case MenuAction::kPaste:
      return PasteText(module, state, ClipboardText());
    case MenuAction::kCommentPrefix:
      return InsertCommentPrefix(module, state);
    case MenuAction::kSeparator:
      return InsertSeparator(module, state);
    case MenuAction::kMessageBoxLine:
      return InsertDebugLine(module, state, DebugLineKind::kMessageBox);
    case MenuAction::kDebugPrintLine:
      return InsertDebugLine(module, state, DebugLineKind::kDebugPrint);
    case MenuAction::kQuote:
      return QuoteSelection(module, state);
    case MenuAction::kConcatenation:
      return ReplaceSelection(module, state, u" & ");
    case MenuAction::kLineBreak:
      return ReplaceSelection(module, state, u" VbCrLf ");
    case MenuAction::kAbout:
      host::Resume([&] { commands_.ShowAbout(); });
      return;
    case MenuAction::kUndoLastChange:  // taken before the click is prepared
    case MenuAction::kSnippet:
      return InsertSnippet(module, state, caption);
  }
}

}  // namespace tessaly::menu
