#pragma once

// A connected add-in as the About form sees it: the editor, the OS, the connection filled
// as at connection time, and recording features behind ApplySetting.

#include <string>

#include "about/about_form_host.h"
#include "addin/connection.h"
#include "addin/feature_settings.h"
#include "registry_paths/set_key_value.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/host_editors.h"
#include "support/recording_features.h"

namespace tessaly::about::testing {

using test_support::ExcelEditor;

class AboutFixture {
 public:
  explicit AboutFixture(sim::EditorOptions options = {}) : editor(options) {
    connection.HostApplication = editor.Application();
    connection.HostName = options.name;
    connection.HostVersion = options.version;
    connection.HostMode = options.name == sim::kVb6HostName ? u"VB6" : u"VBA";
    connection.MenuBarName = u"TessalyIDE";
    connection.ComponentName = u"QWIX";
    connection.Program = {u"TessalyIDE", u"V1.36", u"2024-07-08", u"2015-2024", u"Kestrum"};
    // The function menu's bar exists, as after connection.
    features.BuildFunctionMenu();
    features.calls.clear();
    // A 32-bit Visual Basic on 64-bit Windows 10.
    auto& system = os.system();
    system.SetVersion({2, 6, 2});
    system.SetWow64(true);
    system.SetEnvironmentVariable(u"PROCESSOR_ARCHITECTURE", u"x86");
    const std::u16string key = u"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    registry_paths::SetKeyValue(os.registry(), system, key + u"CurrentVersion", u"6.3");
    registry_paths::SetKeyValue(os.registry(), system, key + u"CurrentBuild", u"19045");
  }

  FormWindowFactory Windows() {
    return {[this] {
              return os.windows().CreateWindow({u"ThunderFormDC", u""});
            },
            [this](host::WindowHandle window) { os.windows().DestroyWindow(window); }};
  }

  void Store(std::int32_t index, const std::u16string& value) {
    os.settings().SaveSetting(u"ZOTA", u"QWIX", addin::kFeatureKeys.at(index), value);
  }
  std::u16string Stored(std::int32_t index) {
    return os.settings().GetSetting(u"ZOTA", u"QWIX", addin::kFeatureKeys.at(index), u"(none)");
  }

  sim::SimEditor editor;
  sim::SimOs os;
  addin::Connection connection;
  addin::ButtonSinks button_sinks;
  tessaly::testing::RecordingFeatures features{connection, button_sinks};
  AboutFormHost host{connection, features, os.Os(), Windows()};
};

}  // namespace tessaly::about::testing
