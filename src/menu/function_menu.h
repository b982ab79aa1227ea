#pragma once

// The function menu's single entry: an empty caption builds the bar, any other caption is a
// click to carry out on the active code pane.

#include <memory>
#include <string>

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "host/os.h"
#include "menu/click_module.h"
#include "menu/click_state.h"
#include "menu/menu_code_tools.h"
#include "menu/menu_commands.h"
#include "menu/undo_history.h"

namespace tessaly::menu {

class FunctionMenu {
 public:
  // Runs the product's code tools on the connection.
  FunctionMenu(addin::Connection& connection, host::Os& os, MenuCommands& commands);
  FunctionMenu(addin::Connection& connection, host::Os& os, MenuCommands& commands,
               MenuCodeTools& code_tools);
  FunctionMenu(const FunctionMenu&) = delete;
  FunctionMenu& operator=(const FunctionMenu&) = delete;

  // Every host call runs as a resumed step: with no active code pane only the commands that
  // need no pane act (window toggles, clearing, web look-up, About).
  void RunFunctionMenu(const std::u16string& caption);

  // For the connection that finds the bar already in the editor and skips the build: wires
  // its buttons when no sink does in this run. Returns the number of buttons wired.
  int RewireExistingBar();

  // The indentation prefix for the active code pane's caret line.
  std::u16string GetHeadCode();

  // What the bar's sinks call. A click that arrives after this menu is gone does nothing.
  addin::AppEventVBIDE::Dispatcher ClickDispatcher();

 private:
  ClickState Prepare(std::shared_ptr<host::CodeModule>& module);
  void Dispatch(const std::u16string& caption, const ClickState& click, ClickModule& module);
  // A click with what it changes recorded for "撤销上次修改".
  void RunRecorded(const std::u16string& caption);
  void UndoLastChange();
  void LookUp(const ClickState& click, std::int32_t mode);
  std::u16string ClipboardText();
  template <class Step>
  void Command(Step&& step);

  addin::Connection& connection_;
  host::Os& os_;
  MenuCommands& commands_;
  std::unique_ptr<MenuCodeTools> owned_code_tools_;
  MenuCodeTools& code_tools_;
  UndoHistory undo_history_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tessaly::menu
