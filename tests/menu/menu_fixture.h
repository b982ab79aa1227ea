#pragma once

// An editor with one module in the active pane, a connection to it as Connect sets one up,
// and a function menu whose outside commands and code tools are recorded instead of run.

#include <memory>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "host/host_error.h"
#include "menu/function_menu.h"
#include "menu/menu_commands.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/host_editors.h"
#include "text/utf.h"

namespace tessaly::menu {

class RecordingCommands : public MenuCommands {
 public:
  void ToggleIdeWindow(std::int32_t type) override {
    Record("ToggleIdeWindow(" + std::to_string(type) + ")");
  }
  void ClearImmediateWindow() override { Record("ClearImmediateWindow"); }
  void OpenWebLookup(const std::u16string& text, std::int32_t mode) override {
    Record("OpenWebLookup(" + text::ToUtf8(text) + "," + std::to_string(mode) + ")");
  }
  void ShowAbout() override { Record("ShowAbout"); }

  std::vector<std::string> calls;
  bool refuse = false;  // every command fails as a refused host call

 private:
  void Record(std::string call) {
    calls.push_back(std::move(call));
    if (refuse) throw host::HostError("refused");
  }
};

inline addin::Connection ConnectionTo(sim::SimEditor& editor) {
  addin::Connection connection;
  connection.HostApplication = editor.Application();
  connection.HostMode = editor.App().IsVb6() ? addin::kHostModeVb6 : addin::kHostModeVba;
  connection.MenuBarName = u"TessalyIDE";
  return connection;
}

struct MenuFixture {
  explicit MenuFixture(std::vector<std::u16string> lines = {u""}, sim::EditorOptions options = {})
      : editor(options), connection(ConnectionTo(editor)) {
    editor.AddModule(u"VBAProject", u"Module1", lines);
  }

  const std::vector<std::u16string>& Text() { return editor.Module(u"Module1").Text(); }
  void Select(const host::Selection& s) {
    editor.ActivePane()->Select(s.start_line, s.start_column, s.end_line, s.end_column);
  }
  host::Selection Selection() { return editor.Module(u"Module1").Pane()->CurrentSelection(); }
  void Run(const std::u16string& caption) { menu.RunFunctionMenu(caption); }
  // A function menu of another connection to this editor, as a later run of the add-in makes.
  FunctionMenu MenuOf(const addin::Connection& of, addin::ButtonSinks& sinks,
                      SnippetFolders folders = {}) {
    return FunctionMenu(of, sinks, host_os.system, host_os.files, editor_configs, host_os.loop,
                        commands, dictionary, std::move(folders));
  }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  addin::Connection connection;
  addin::ButtonSinks button_sinks;
  style::FileConfigSource editor_configs;
  RecordingCommands commands;
  codetools::AnnotationDictionary dictionary;
  FunctionMenu menu = MenuOf(connection, button_sinks);
};

}  // namespace tessaly::menu
