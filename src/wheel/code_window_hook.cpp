#include "wheel/code_window_hook.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "host/host_error.h"
#include "host/resume.h"

namespace tessaly::wheel {
namespace {

struct WheelParams {
  std::int16_t delta = 0;
  std::uint16_t key_state = 0;
};

WheelParams DecodeWheel(std::uintptr_t w_param) {
  return {static_cast<std::int16_t>(static_cast<std::uint16_t>((w_param >> 16) & 0xFFFF)),
          static_cast<std::uint16_t>(w_param & 0xFFFF)};
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

CodeWindowHook::CodeWindowHook(const addin::Connection& connection, host::WindowSystem& windows,
                               host::SettingsStore& settings)
    : connection_(connection),
      windows_(windows),
      settings_(settings),
      proc_(windows,
            [this](host::WindowHandle hwnd, std::uint32_t msg, std::uintptr_t w_param,
                   std::intptr_t l_param) { return CodeWindowProc(hwnd, msg, w_param, l_param); }) {
}

CodeWindowHook::~CodeWindowHook() {
  UnhookCodeWindow(hooked_);
  if (hooked_ != 0) proc_.PassOnForever(previous_);
}

void CodeWindowHook::HookCodeWindow(host::WindowHandle hwnd) {
  procedure_ = proc_.Id();
  if (procedure_ == 0) return;
  const auto replaced = host::ResumeOr<host::WindowProcId>(
      0, [&] { return windows_.SetWindowProc(hwnd, procedure_); });
  // Hooking a window that already has this procedure must not make it its own successor.
  if (replaced != procedure_) previous_ = replaced;
  if (replaced != 0) hooked_ = hwnd;
  RefreshWheelLines(settings_, windows_, lines_);
}

void CodeWindowHook::UnhookCodeWindow(host::WindowHandle hwnd) {
  // Installing no procedure at all would leave the window without one.
  if (hwnd == 0 || previous_ == 0) return;
  if (!proc_.Uninstall(hwnd, previous_)) return;
  if (hwnd == hooked_) hooked_ = 0;
  if (hooked_ == 0) {
    proc_.Unregister();
    procedure_ = 0;
  }
}

std::intptr_t CodeWindowHook::CodeWindowProc(host::WindowHandle hwnd, std::uint32_t msg,
                                             std::uintptr_t w_param, std::intptr_t l_param) {
  // A wheel message goes to the focused window; it is ours only while the cursor is over it.
  if (msg == host::kWmMouseWheel) {
    const auto under = host::ResumeOr<host::WindowHandle>(
        0, [&] { return windows_.WindowFromPoint(windows_.CursorPos()); });
    if (under == hwnd) HandleWheel(w_param);
  }
  return host::ResumeOr<std::intptr_t>(
      0, [&] { return windows_.CallWindowProc(previous_, hwnd, msg, w_param, l_param); });
}

void CodeWindowHook::HandleWheel(std::uintptr_t w_param) {
  const auto wheel = DecodeWheel(w_param);
  std::shared_ptr<host::CodePane> pane;
  host::Resume([&] {
    if (!connection_.HostApplication) throw host::HostError("no editor application");
    pane = connection_.HostApplication->ActiveCodePane();
  });
  if (!pane) return;
  if (wheel.key_state == host::kMkMButton) {
    MoveSideways(*pane, wheel.delta);
  } else {
    ScrollVertically(*pane, wheel.delta);
  }
}

void CodeWindowHook::ScrollVertically(host::CodePane& pane, std::int16_t delta) {
  const auto top =
      host::ResumeOr<std::optional<std::int32_t>>(std::nullopt, [&] { return pane.TopLine(); });
  // Without the current top line there is nothing to step from.
  if (!top) return;
  // One line at a time, as the user sees the pane move. The editor refuses every line before
  // the first, and once it refuses a line past the last it refuses all further ones, so those
  // calls are not made: a huge line setting must not keep the editor busy.
  const std::int64_t lines = lines_.WheelLines;
  if (delta > 0) {
    const std::int64_t end = std::max<std::int64_t>(std::int64_t{*top} - lines, 1);
    for (std::int64_t line = *top; line >= end; --line) {
      host::Resume([&] { pane.SetTopLine(static_cast<std::int32_t>(line)); });
    }
  } else {
    const std::int64_t end = std::int64_t{*top} + lines;
    for (std::int64_t line = *top; line <= end; ++line) {
      const bool taken = host::Resume([&] { pane.SetTopLine(ClampToInt32(line)); });
      if (!taken && line > *top) break;
    }
  }
}

void CodeWindowHook::MoveSideways(host::CodePane& pane, std::int16_t delta) {
  const auto selection = host::ResumeOr<std::optional<host::Selection>>(
      std::nullopt, [&] { return pane.GetSelection(); });
  if (!selection) return;
  const std::int64_t shift = delta > 0 ? -std::int64_t{lines_.WheelLines} : lines_.WheelLines;
  host::Resume([&] {
    pane.SetSelection(selection->start_line, ClampToInt32(selection->start_column + shift),
                      selection->end_line, ClampToInt32(selection->end_column + shift));
  });
}

}  // namespace tessaly::wheel
