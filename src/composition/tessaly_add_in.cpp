#include "composition/tessaly_add_in.h"

#include <utility>

namespace tessaly::composition {

TessalyAddIn::TessalyAddIn(host::Os& os, TessalyComponent& component,
                           about::FormWindowFactory about_windows,
                           menu::SnippetFolders snippet_folders)
    : os_(os),
      component_(component),
      window_commands_(connection_, os_.windows, os_.loop, os_.system),
      wheel_(connection_, os_.windows, os_.loop, os_.settings),
      dialogs_(connection_, os_.windows, os_.loop),
      tabs_(connection_, os_.windows, os_.loop),
      about_(connection_, *this, os_, std::move(about_windows)),
      menu_(connection_, button_sinks_, os_.system, os_.files, editor_configs_, os_.loop, *this,
            dictionary_, std::move(snippet_folders)),
      connect_(connection_, button_sinks_, os_, *this) {}

TessalyAddIn::~TessalyAddIn() = default;

void TessalyAddIn::BuildFunctionMenu() {
  menu_.BuildMenuBar();
}

void TessalyAddIn::RunFunctionMenu(const std::u16string& caption) {
  menu_.RunFunctionMenu(caption);
}

void TessalyAddIn::RewireFunctionMenu() {
  menu_.RewireExistingBar();
}

void TessalyAddIn::CreateTabWindow(host::AddInInstance& add_in) {
  tabs_.CreateTabWindow(add_in);
}

void TessalyAddIn::TakeOverTabWindow() {
  tabs_.TakeOverTabWindow(component_.TabDocument());
}

void TessalyAddIn::TabInitialize() {
  tabs_.TabInitialize();
}

void TessalyAddIn::HookProjectTree() {
  tabs_.HookProjectTree();
}

void TessalyAddIn::UnhookProjectTree() {
  tabs_.UnhookProjectTree();
}

void TessalyAddIn::LoadWheel() {
  wheel_.LoadWheel();
}

void TessalyAddIn::UnloadWheel() {
  wheel_.UnloadWheel();
}

void TessalyAddIn::StartDialogWatch() {
  dialogs_.StartDialogWatch();
}

void TessalyAddIn::StopDialogWatch() {
  dialogs_.StopDialogWatch();
}

void TessalyAddIn::ShowAbout() {
  about_.Show();
}

void TessalyAddIn::ToggleIdeWindow(std::int32_t window_type) {
  window_commands_.ToggleIdeWindow(window_type);
}

void TessalyAddIn::ClearImmediateWindow() {
  window_commands_.ClearImmediateWindow();
}

void TessalyAddIn::OpenWebLookup(const std::u16string& text, std::int32_t mode) {
  window_commands_.OpenWebLookup(text, mode);
}

}  // namespace tessaly::composition
