#pragma once

// The whole add-in as an editor loads it: the connection state, the add-in object the editor
// talks to, and every feature it starts and stops. Each face (the Windows DLL, the command
// line, the tests) makes one of these per loaded add-in and hands it the OS services and the
// component, which outlives it. After disconnection nothing of it is left in the editor or the
// system (no sink, no window procedure, no timer), except a procedure that another program's
// subclass, installed over ours, still calls: that one stays and passes messages on.

#include <memory>
#include <string>

#include "about/about_form_host.h"
#include "addin/connect.h"
#include "addin/connection.h"
#include "addin/features.h"
#include "codetools/annotation_dictionary.h"
#include "composition/tessaly_component.h"
#include "dialogs/dialog_watch.h"
#include "host/os.h"
#include "menu/function_menu.h"
#include "menu/menu_commands.h"
#include "menu/window_commands.h"
#include "style/config_source.h"
#include "tabs/code_tabs.h"
#include "wheel/mouse_wheel.h"

namespace tessaly::composition {

class TessalyAddIn : public addin::Features, private menu::MenuCommands {
 public:
  // about_windows: how the face displays the About form; none leaves it a model only.
  // snippet_folders: where the user's own snippets come from beyond the user's folder.
  TessalyAddIn(host::Os& os, TessalyComponent& component,
               about::FormWindowFactory about_windows = {},
               menu::SnippetFolders snippet_folders = {});
  ~TessalyAddIn() override;
  TessalyAddIn(const TessalyAddIn&) = delete;
  TessalyAddIn& operator=(const TessalyAddIn&) = delete;

  addin::Connect& Connect() { return connect_; }
  const addin::Connection& Connection() const { return connection_; }
  tabs::CodeTabs& Tabs() { return tabs_; }
  about::AboutFormHost& About() { return about_; }
  bool AboutIsOpen() const { return about_.IsLoaded(); }

  // addin::Features
  void BuildFunctionMenu() override;
  void RunFunctionMenu(const std::u16string& caption) override;
  void RewireFunctionMenu() override;
  void CreateTabWindow(host::AddInInstance& add_in) override;
  void TakeOverTabWindow() override;
  void TabInitialize() override;
  void HookProjectTree() override;
  void UnhookProjectTree() override;
  void LoadWheel() override;
  void UnloadWheel() override;
  void StartDialogWatch() override;
  void StopDialogWatch() override;
  void ShowAbout() override;

 private:
  // menu::MenuCommands
  void ToggleIdeWindow(std::int32_t window_type) override;
  void ClearImmediateWindow() override;
  void OpenWebLookup(const std::u16string& text, std::int32_t mode) override;

  host::Os& os_;
  TessalyComponent& component_;
  codetools::AnnotationDictionary dictionary_;
  style::FileConfigSource editor_configs_;
  addin::Connection connection_;
  addin::ButtonSinks button_sinks_;
  // The features hold references to the connection, the sinks and each other's seams, so they
  // are declared after them and destroyed before them; the add-in object that calls them comes
  // last.
  menu::WindowCommands window_commands_;
  wheel::MouseWheel wheel_;
  dialogs::DialogWatch dialogs_;
  tabs::CodeTabs tabs_;
  about::AboutFormHost about_;
  menu::FunctionMenu menu_;
  addin::Connect connect_;
};

}  // namespace tessaly::composition
