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

  sim::SimCodeModule& Module() { return editor.Module(u"Module1"); }
  const std::vector<std::u16string>& Text() { return Module().Text(); }
  void Select(std::int32_t start_line, std::int32_t start_column, std::int32_t end_line,
              std::int32_t end_column) {
    editor.ActivePane()->Select(start_line, start_column, end_line, end_column);
  }
  void Caret(std::int32_t line, std::int32_t column) { Select(line, column, line, column); }
  host::Selection Selection() { return Module().Pane()->CurrentSelection(); }
  void Run(const std::u16string& caption) { menu.RunFunctionMenu(caption); }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  addin::Connection connection;
  RecordingCommands commands;
  codetools::AnnotationDictionary dictionary;
  FunctionMenu menu{connection, host_os, commands, dictionary};
};

}  // namespace tessaly::menu
