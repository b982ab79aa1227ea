#include "tabs/project_tree_hook.h"

#include <optional>

#include "host/resume.h"

namespace tessaly::tabs {

ProjectTreeHook::ProjectTreeHook(const addin::Connection& connection, host::WindowSystem& windows,
                                 host::WindowProc procedure)
    : connection_(connection), windows_(windows), procedure_(windows, std::move(procedure)) {}

ProjectTreeHook::~ProjectTreeHook() {
  const auto previous = PreviousTreeProc;
  if (previous == 0) return;
  if (procedure_.Uninstall(ProjectTreeHandle, previous)) {
    PreviousTreeProc = 0;
  } else {
    procedure_.PassOnForever(previous);
  }
}

host::WindowHandle ProjectTreeHook::FindTree() {
  // The editor's own word for its main window where it gives one; otherwise the first of the
  // main window's class. Another editor's windows of the same classes are not ours to hook.
  auto main = host::ResumeOr(host::WindowHandle{0},
                             [&] { return connection_.HostApplication->MainWindow()->HWnd(); });
  if (main == 0) main = windows_.FindWindow(u"wndclass_desked_gsk", std::nullopt);
  if (main == 0) return 0;
  const auto project = windows_.FindWindowEx(main, 0, u"PROJECT", std::nullopt);
  if (project == 0) return 0;
  return windows_.FindWindowEx(project, 0, u"SysTreeView32", std::nullopt);
}

void ProjectTreeHook::Install() {
  host::Resume([&] { ProjectTreeHandle = FindTree(); });
  const auto tree = ProjectTreeHandle;
  if (tree == 0) return;
  host::Resume([&] {
    const auto procedure = procedure_.Id();
    if (procedure == 0) return;
    const auto previous = windows_.SetWindowProc(tree, procedure);
    if (previous != 0) PreviousTreeProc = previous;
  });
}

void ProjectTreeHook::Uninstall() {
  const auto tree = ProjectTreeHandle;
  if (tree == 0 || PreviousTreeProc == 0) return;
  const bool removed =
      host::ResumeOr(false, [&] { return procedure_.Uninstall(tree, PreviousTreeProc); });
  if (!removed) return;
  PreviousTreeProc = 0;
  host::Resume([&] { procedure_.Unregister(); });
}

std::intptr_t ProjectTreeHook::CallPrevious(host::WindowHandle window, std::uint32_t message,
                                            std::uintptr_t w_param, std::intptr_t l_param) {
  if (PreviousTreeProc == 0) return 0;
  return host::ResumeOr<std::intptr_t>(0, [&] {
    return windows_.CallWindowProc(PreviousTreeProc, window, message, w_param, l_param);
  });
}

}  // namespace tessaly::tabs
