#include "features/tessaly_add_in.h"

#include "codetools/annotation_walk.h"

namespace tessaly::features {

TessalyAddIn::TessalyAddIn(host::Os& os)
    : os_(os),
      window_commands_(connection_, os_),
      menu_(connection_, os_, *this),
      connect_(connection_, os_, *this) {}

TessalyAddIn::~TessalyAddIn() = default;

void TessalyAddIn::RunFunctionMenu(const std::u16string& caption) {
  menu_.RunFunctionMenu(caption);
}

void TessalyAddIn::RewireFunctionMenu() {
  menu_.RewireExistingBar();
}

void TessalyAddIn::CreateTabWindow(host::AddInInstance& /*add_in*/) {}
void TessalyAddIn::TabInitialize() {}
host::WindowProcId TessalyAddIn::ProjectTreeProc() {
  return 0;
}
void TessalyAddIn::LoadWheel() {}
void TessalyAddIn::UnloadWheel() {}
void TessalyAddIn::StartDialogWatch() {}
void TessalyAddIn::StopDialogWatch() {}
void TessalyAddIn::ShowAbout() {}
void TessalyAddIn::ToggleIdeWindow(std::int32_t window_type) {
  window_commands_.ToggleIdeWindow(window_type);
}
void TessalyAddIn::ClearImmediateWindow() {
  window_commands_.ClearImmediateWindow();
}
void TessalyAddIn::OpenWebLookup(const std::u16string& text, std::int32_t mode) {
  window_commands_.OpenWebLookup(text, mode);
}
void TessalyAddIn::AnnotateCode() {
  codetools::AnnotateCode(connection_, dictionary_);
}

}  // namespace tessaly::features
