#pragma once

// The code-window tab feature as the add-in's life calls it: the tool window "标签" with its
// document, the filling at start-up, and the project-explorer hook that notices a code
// window opened by double-click. The owner registers NewDocument with the editor under
// VBIDETabProgId(ComponentName) and keeps this object for as long as the editor may call
// the document or the hook.

#include <cstdint>
#include <memory>
#include <string>

#include "addin/connection.h"
#include "host/editor.h"
#include "host/message_loop.h"
#include "host/window_system.h"
#include "tabs/tab_process_state.h"
#include "tabs/vbide_tab.h"

namespace tessaly::tabs {

std::u16string VBIDETabProgId(const std::u16string& component_name);

class CodeTabs {
 public:
  CodeTabs(addin::Connection& connection, host::WindowSystem& windows, host::MessageLoop& loop);
  CodeTabs(const CodeTabs&) = delete;
  CodeTabs& operator=(const CodeTabs&) = delete;

  // The class factory of the tab document.
  std::shared_ptr<host::UserDocument> NewDocument();

  // Creates the tool window and keeps its document and window in the connection as
  // TabDocument and TabWindow; a refusal leaves both as they were.
  void CreateTabWindow(host::AddInInstance& add_in);
  // TabInitialize of the connection's tab document.
  void TabInitialize();
  // The identity of TreeWindowProc, registered on first use, for HookProjectTree.
  host::WindowProcId ProjectTreeProc();

  // Replacement procedure of the project tree: a double-click starts the pending check;
  // every message goes on to PreviousTreeProc.
  std::intptr_t TreeWindowProc(host::WindowHandle window, std::uint32_t message,
                               std::uintptr_t w_param, std::intptr_t l_param);
  // Every 150 ms after a double-click: once the active code window has changed, its tab is
  // selected.
  void PendingTabCheck();
  void StopPendingTabCheck() { state_.StopPendingTabTimer(); }

  // The connection's document, when it is a tab document.
  VBIDETab* Document() const;
  const TabProcessState& State() const { return state_; }

 private:
  addin::Connection& connection_;
  host::WindowSystem& windows_;
  TabProcessState state_;
  host::WindowProcId tree_proc_ = 0;
};

}  // namespace tessaly::tabs
