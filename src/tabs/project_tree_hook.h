#pragma once

// The project explorer's tree with our procedure in front of its own, so a double-click that
// opens a code window can select that window's tab. The tree is the editor's: it is found
// under this editor's main window, and when another program has put its procedure over ours,
// ours stays installed and keeps handing messages on rather than cutting that program off.

#include "addin/connection.h"
#include "addin/subclass_proc.h"
#include "host/window_system.h"

namespace tessaly::tabs {

class ProjectTreeHook {
 public:
  ProjectTreeHook(const addin::Connection& connection, host::WindowSystem& windows,
                  host::WindowProc procedure);
  // Takes ours off the tree when it is still there; otherwise leaves it passing messages on.
  ~ProjectTreeHook();
  ProjectTreeHook(const ProjectTreeHook&) = delete;
  ProjectTreeHook& operator=(const ProjectTreeHook&) = delete;

  // Finds the tree and installs ours, keeping the tree and its own procedure as
  // ProjectTreeHandle and PreviousTreeProc; an editor without a tree is left alone.
  void Install();
  void Uninstall();
  // Hands a message on to the tree's own procedure.
  std::intptr_t CallPrevious(host::WindowHandle window, std::uint32_t message,
                             std::uintptr_t w_param, std::intptr_t l_param);
  host::WindowProcId ProcedureId() { return procedure_.Id(); }

 private:
  host::WindowHandle FindTree();

  const addin::Connection& connection_;
  host::WindowSystem& windows_;
  addin::SubclassProc procedure_;
  host::WindowHandle ProjectTreeHandle = 0;
  host::WindowProcId PreviousTreeProc = 0;
};

}  // namespace tessaly::tabs
