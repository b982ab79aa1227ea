#pragma once

// How far one wheel message moves: the user's own line count, or the system's, read from the
// settings each time a new code window is hooked.

#include <cstdint>

#include "host/settings_store.h"
#include "host/window_system.h"

namespace tessaly::wheel {

inline constexpr char16_t kWheelSettingsApp[] = u"ZaduzAdivev";
inline constexpr char16_t kWheelSettingsSection[] = u"MBS4CP";
inline constexpr char16_t kUseSysParamKey[] = u"UseSysParam";
inline constexpr char16_t kWheelScrollLinesKey[] = u"WHEEL_SCROLL_LINES";

struct WheelLineState {
  // 0 until settings were first read, and then the wheel moves nothing.
  std::int32_t WheelLines = 0;
  bool UseSystemLines = false;
  // The system's one-page-at-a-time value reads as -1.
  std::int32_t SystemWheelLines = 0;
};

// Reads "UseSysParam" (as a number, 1 means the system value) and "WHEEL_SCROLL_LINES" (as a
// whole number; 0 becomes 1, a negative value stays) and the system value into `state`. A
// setting that does not convert ends the refresh at that step, so what was read before it
// stays and WheelLines keeps its previous value.
void RefreshWheelLines(host::SettingsStore& settings, host::WindowSystem& windows,
                       WheelLineState& state);

}  // namespace tessaly::wheel
