#pragma once

// A VB6 editor on the simulated desktop with two modules of 100 lines, Module1's pane active,
// and the wheel feature as the add-in owns it.

#include <cstdint>
#include <string>
#include <vector>

#include "addin/connection.h"
#include "host/window_system.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "wheel/mouse_wheel.h"

namespace tessaly::wheel {

inline std::uintptr_t WheelParam(std::int16_t delta, std::uint16_t keys) {
  return (std::uintptr_t{static_cast<std::uint16_t>(delta)} << 16) | keys;
}

enum Keys : std::uint16_t { kNoKeys = 0, kShift = 0x04, kControl = 0x08, kMiddle = 0x10 };

struct WheelFixture {
  explicit WheelFixture(sim::EditorOptions options = {}) : editor(std::move(options)) {
    editor.AddModule(u"Project1", u"Module2", std::vector<std::u16string>(100, u"x = 1"));
    editor.AddModule(u"Project1", u"Module1", std::vector<std::u16string>(100, u"x = 1"));
    desktop.Sync();
    connection.HostApplication = editor.Application();
    connection.HostMode = addin::kHostModeVb6;
  }

  void Setting(const std::u16string& key, const std::u16string& value) {
    os.settings().SaveSetting(kWheelSettingsApp, kWheelSettingsSection, key, value);
  }
  host::WindowHandle Code(const std::u16string& module) { return desktop.CodeWindow(module); }
  // The cursor rests over the window long enough for a tick.
  void Hover(host::WindowHandle window) {
    desktop.PointAt(window);
    os.loop().Advance(kMouseTimerInterval);
  }
  std::intptr_t Wheel(host::WindowHandle window, std::int16_t delta, std::uint16_t keys = kNoKeys) {
    return os.windows().SendMessage(window, host::kWmMouseWheel, WheelParam(delta, keys),
                                    0x00640032);
  }
  sim::SimCodePane& Pane(const std::u16string& module = u"Module1") {
    return *editor.Module(module).Pane();
  }
  bool Hooked(host::WindowHandle window) {
    return os.windows().WindowProc(window) == wheel.Hook().ProcedureId();
  }

  sim::SimEditor editor;
  sim::SimOs os;
  host::Os host_os = os.Os();
  sim::SimDesktop desktop{editor, os};
  addin::Connection connection;
  MouseWheel wheel{connection, host_os.windows, host_os.loop, host_os.settings};
};

}  // namespace tessaly::wheel
