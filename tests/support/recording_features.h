#pragma once

// A stand-in for the features Connect starts and stops: it records every call in order, and
// builds a bare command bar when asked to build the menu, as the real menu would.

#include <string>
#include <vector>

#include "addin/app_event_vbide.h"
#include "addin/connection.h"
#include "addin/features.h"
#include "text/utf.h"

namespace tessaly::testing {

// The tab window's document where only the window matters: the class an editor must know for
// CreateTabWindow to make the window (register it as "<component>.VBIDETab").
struct BlankDocument : host::UserDocument {
  void TabInitialize() override {}
  void Code_Click(const std::u16string&) override {}
};

class RecordingFeatures : public addin::Features {
 public:
  RecordingFeatures(const addin::Connection& connection, addin::ButtonSinks& button_sinks)
      : connection_(connection), button_sinks_(button_sinks) {}

  void BuildFunctionMenu() override {
    calls.push_back("BuildFunctionMenu");
    connection_.HostApplication->CommandBars()->Add(u"TessalyIDE", 1);
    button_sinks_.emplace();
  }
  void RunFunctionMenu(const std::u16string& caption) override {
    calls.push_back("RunFunctionMenu(" + text::ToUtf8(caption) + ")");
  }
  void RewireFunctionMenu() override { calls.push_back("RewireFunctionMenu"); }
  void CreateTabWindow(host::AddInInstance& add_in) override {
    calls.push_back("CreateTabWindow");
    auto tool = connection_.HostApplication->Windows()->CreateToolWindow(
        add_in, connection_.ComponentName + u".VBIDETab", u"标签", u"anystring");
    tab_window_ = std::move(tool);
  }
  void TakeOverTabWindow() override { calls.push_back("TakeOverTabWindow"); }
  void TabInitialize() override { calls.push_back("TabInitialize"); }
  void HookProjectTree() override { calls.push_back("HookProjectTree"); }
  void UnhookProjectTree() override { calls.push_back("UnhookProjectTree"); }
  void LoadWheel() override { calls.push_back("LoadWheel"); }
  void UnloadWheel() override { calls.push_back("UnloadWheel"); }
  void StartDialogWatch() override { calls.push_back("StartDialogWatch"); }
  void StopDialogWatch() override { calls.push_back("StopDialogWatch"); }
  void ShowAbout() override { calls.push_back("ShowAbout"); }

  std::vector<std::string> calls;

 private:
  const addin::Connection& connection_;
  addin::ButtonSinks& button_sinks_;
  host::ToolWindow tab_window_;
};

}  // namespace tessaly::testing
