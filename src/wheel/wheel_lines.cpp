#include "wheel/wheel_lines.h"

#include <optional>

#include "addin/vb_conversion.h"
#include "host/resume.h"

namespace tessaly::wheel {
namespace {

std::optional<std::u16string> ReadSetting(host::SettingsStore& settings, const char16_t* key,
                                          const char16_t* default_value) {
  return host::ResumeOr<std::optional<std::u16string>>(std::nullopt, [&] {
    return settings.GetSetting(kWheelSettingsApp, kWheelSettingsSection, key, default_value);
  });
}

}  // namespace

void RefreshWheelLines(host::SettingsStore& settings, host::WindowSystem& windows,
                       WheelLineState& state) {
  const auto use_system = ReadSetting(settings, kUseSysParamKey, u"0");
  const auto use_system_number = use_system ? addin::ToNumber(*use_system) : std::nullopt;
  if (!use_system_number) return;
  state.UseSystemLines = *use_system_number == 1;

  const auto lines_text = ReadSetting(settings, kWheelScrollLinesKey, u"1");
  const auto lines = lines_text ? addin::ToWholeNumber(*lines_text) : std::nullopt;
  if (!lines) return;

  const auto system_lines = host::ResumeOr<std::optional<std::int32_t>>(
      std::nullopt, [&] { return windows.WheelScrollLines(); });
  if (system_lines) state.SystemWheelLines = *system_lines;

  if (state.UseSystemLines) {
    if (system_lines) state.WheelLines = *system_lines;
  } else {
    state.WheelLines = *lines == 0 ? 1 : *lines;
  }
}

}  // namespace tessaly::wheel
