#pragma once

// The function menu: its bar, built once per editor run, and the click on any of its buttons.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "codetools/annotation_dictionary.h"
#include "codetools/code_tool.h"
#include "host/file_system.h"
#include "host/message_loop.h"
#include "host/system_services.h"
#include "menu/click_module.h"
#include "menu/click_state.h"
#include "menu/menu_catalogue.h"
#include "menu/menu_commands.h"
#include "menu/snippet_folders.h"
#include "menu/snippet_placeholders.h"
#include "menu/snippet_popup.h"
#include "menu/undo_history.h"
#include "style/config_source.h"

namespace tessaly::menu {

class FunctionMenu {
 public:
  // The menu reaches the editor through the connection's application, wires its buttons into
  // button_sinks, and of the system uses its services, its files (the user's snippets), the
  // projects' .editorconfig files and the message loop while the bar is built.
  FunctionMenu(const addin::Connection& connection, addin::ButtonSinks& button_sinks,
               host::SystemServices& system, host::FileSystem& files,
               style::ConfigSource& editor_configs, host::MessageLoop& loop, MenuCommands& commands,
               const codetools::AnnotationDictionary& dictionary,
               SnippetFolders snippet_folders = {});
  FunctionMenu(const FunctionMenu&) = delete;
  FunctionMenu& operator=(const FunctionMenu&) = delete;

  // The bar "TessalyIDE" from the catalogue, each button wired to this menu, and the user's
  // popup "我的代码" filled.
  void BuildMenuBar();

  // For the connection that finds the bar already in the editor and skips the build: wires
  // its buttons when no sink does in this run, and fills the user's popup again. Returns the
  // number of catalogue buttons wired.
  int RewireExistingBar();

  // "刷新": reads the snippet folders again and fills the user's popup anew.
  void RefreshSnippets();
  // "打开片段文件夹": the user's snippet folder in the file manager, made first when missing.
  void OpenSnippetFolder();
  // A click on one of the user's snippets.
  void InsertUserSnippet(const std::u16string& caption, const std::u16string& text);
  // The user's folder, then the project's; an empty path for one that is not known.
  std::vector<std::u16string> SnippetFolderPaths();

  // A click on a button of the bar, or on the VBA editor's Add-Ins entry ("Tessaly"). Every
  // host call runs as a resumed step: with no active code pane only the commands that need
  // no pane act (window toggles, clearing, web look-up, About).
  void RunFunctionMenu(const std::u16string& caption);

  // What the bar's sinks call. A click that arrives after this menu is gone does nothing.
  addin::AppEventVBIDE::Dispatcher ClickDispatcher();

 private:
  // One click: the action its caption names and what it read from the editor, each once.
  struct Click {
    MenuAction action = MenuAction::kSnippet;
    std::shared_ptr<host::CodePane> pane;
    std::shared_ptr<host::CodeModule> module;
    ClickState state;
    // The selection's start line, where a code tool puts the caret back.
    std::int32_t SavedStartLine = 0;
    // The application the click reaches the editor through (its changes recorded).
    std::shared_ptr<host::Application> application;
  };

  Click Prepare(MenuAction action, const std::shared_ptr<host::Application>& application);
  // The click, its change recorded for "撤销上次修改".
  void RecordedClick(MenuAction action, const std::function<void(const Click&)>& body);
  SnippetContext ContextOf(const Click& click);
  std::u16string UserSnippetFolder();
  void Dispatch(const std::u16string& caption, const Click& click);
  // The code tool on the click's pane and module; nothing without an active code pane. A tool
  // that lays code out or measures columns is handed the style of the module's project.
  enum class Layout { kNone, kProjectStyle };
  void RunCodeTool(const Click& click,
                   const std::function<void(const codetools::CodeTarget&)>& tool,
                   Layout layout = Layout::kNone);
  void UndoLastChange();
  void LookUp(const ClickState& click, std::int32_t mode);
  std::u16string ClipboardText();
  // One line in the failure log, for what the user is not troubled with at once.
  void LogFailure(const std::u16string& line);

  const addin::Connection& connection_;
  addin::ButtonSinks& button_sinks_;
  host::SystemServices& system_;
  host::FileSystem& files_;
  // The .editorconfig files of the modules' projects, read anew on each click that needs them.
  style::ConfigSource& editor_configs_;
  host::MessageLoop& loop_;
  MenuCommands& commands_;
  const codetools::AnnotationDictionary& dictionary_;
  SnippetFolders snippet_folders_;
  SnippetPopup snippet_popup_;
  UndoHistory undo_history_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tessaly::menu
