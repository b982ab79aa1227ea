#pragma once

// The code-window tab feature as the add-in's life calls it: the tool window "标签" with its
// document, the filling at start-up, and the project-explorer hook that notices a code
// window opened by double-click. The component registers a factory of VBIDETab documents
// with the editor under VBIDETabProgId(ComponentName); the document a window holds is
// attached to this object while it lives.

#include <cstdint>
#include <memory>
#include <string>

#include "addin/connection.h"
#include "host/editor.h"
#include "host/message_loop.h"
#include "host/window_system.h"
#include "tabs/project_tree_hook.h"
#include "tabs/tab_process_state.h"
#include "tabs/vbide_tab.h"

namespace tessaly::tabs {

std::u16string VBIDETabProgId(const std::u16string& component_name);

class CodeTabs {
 public:
  CodeTabs(const addin::Connection& connection, host::WindowSystem& windows,
           host::MessageLoop& loop);
  // Detaches the document; the tree hook then takes itself off the tree.
  ~CodeTabs();
  CodeTabs(const CodeTabs&) = delete;
  CodeTabs& operator=(const CodeTabs&) = delete;

  // A tab document attached to no add-in, as the class factory makes it.
  static std::shared_ptr<VBIDETab> NewDocument();

  // Creates the tool window and keeps its document and window as TabDocument and TabWindow; a
  // refusal leaves both as they were.
  void CreateTabWindow(host::AddInInstance& add_in);
  // For a connection that finds the window an earlier one made: takes it and its document
  // (as the class factory last made it) again as TabWindow and TabDocument.
  void TakeOverTabWindow(const std::shared_ptr<host::UserDocument>& document);
  // TabInitialize of the connection's tab document.
  void TabInitialize();
  // Puts TreeWindowProc in front of the project tree's own procedure, and takes it off again
  // (which also ends a pending check).
  void HookProjectTree() { tree_hook_.Install(); }
  void UnhookProjectTree();
  host::WindowProcId TreeProcedureId() { return tree_hook_.ProcedureId(); }

  // Replacement procedure of the project tree: a double-click starts the pending check;
  // every message goes on to PreviousTreeProc.
  std::intptr_t TreeWindowProc(host::WindowHandle window, std::uint32_t message,
                               std::uintptr_t w_param, std::intptr_t l_param);
  // Every 150 ms after a double-click: once the active code window has changed, its tab is
  // selected.
  void PendingTabCheck();

  // TabDocument, when it is a tab document.
  VBIDETab* Document() const;
  const TabProcessState& State() const { return state_; }

 private:
  void Keep(std::shared_ptr<host::UserDocument> document, std::shared_ptr<host::Window> window);

  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  // Held for the connection's life, so the editor's window and our document stay ours.
  std::shared_ptr<host::UserDocument> TabDocument;
  std::shared_ptr<host::Window> TabWindow;
  TabProcessState state_;
  std::weak_ptr<VBIDETab> attached_;
  // Last, so it leaves the tree before the state its procedure uses goes.
  ProjectTreeHook tree_hook_;
};

}  // namespace tessaly::tabs
