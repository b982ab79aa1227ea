#pragma once

// A stand-in for the features Connect starts and stops: it records every call in order, and
// builds a bare command bar when asked to build the menu, as the real menu would.

#include <string>
#include <vector>

#include "addin/connection.h"
#include "addin/features.h"
#include "text/utf.h"

namespace tessaly::testing {

class RecordingFeatures : public addin::Features {
 public:
  explicit RecordingFeatures(addin::Connection& connection) : connection_(connection) {}

  void BuildFunctionMenu() override {
    calls.push_back("BuildFunctionMenu");
    connection_.HostApplication->CommandBars()->Add(u"TessalyIDE", 1);
    connection_.ButtonSinks.emplace();
  }
  void RunFunctionMenu(const std::u16string& caption) override {
    calls.push_back("RunFunctionMenu(" + text::ToUtf8(caption) + ")");
  }
  void RewireFunctionMenu() override { calls.push_back("RewireFunctionMenu"); }
  void CreateTabWindow(host::AddInInstance& add_in) override {
    calls.push_back("CreateTabWindow");
    auto tool = connection_.HostApplication->Windows()->CreateToolWindow(
        add_in, connection_.ComponentName + u".VBIDETab", u"标签", u"anystring");
    connection_.TabDocument = tool.document;
    connection_.TabWindow = tool.window;
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
  addin::Connection& connection_;
};

}  // namespace tessaly::testing
