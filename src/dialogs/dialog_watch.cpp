#include "dialogs/dialog_watch.h"

#include <string>

#include "dialogs/dialog_enlarger.h"
#include "dialogs/dialog_plans.h"
#include "host/resume.h"

namespace tessaly::dialogs {
namespace {

constexpr char16_t kDialogClass[] = u"#32770";
constexpr std::uint32_t kDialogStyles[] = {0x94C800C4, 0x94C820C4, 0x96C800C4};
// The longest title the watch reads, as its buffer holds.
constexpr std::size_t kTitleLength = 11;
constexpr std::size_t kClassLength = 32;
constexpr std::size_t kPrefixLength = 4;

}  // namespace

host::Size GetScreenSize(host::WindowSystem& windows) {
  return windows.ScreenSize();
}

DialogWatch::DialogWatch(addin::Connection& connection, host::Os& os)
    : connection_(connection), os_(os) {}

void DialogWatch::StartDialogWatch() {
  StopDialogWatch();
  host::Resume([&] { screen_ = GetScreenSize(os_.windows); });
  host::Resume([&] { own_process_id_ = os_.windows.CurrentProcessId(); });
  dialog_timer_ = host::ResumeOr<host::TimerId>(0, [&] {
    return os_.loop.SetTimer(
        kDialogTimerInterval, [this] { DialogWatchTick(); }, kRequestedDialogTimer);
  });
}

void DialogWatch::StopDialogWatch() {
  if (dialog_timer_ == 0) return;
  host::Resume([&] { os_.loop.KillTimer(dialog_timer_); });
  dialog_timer_ = 0;
}

void DialogWatch::DialogWatchTick() {
  const auto foreground =
      host::ResumeOr<host::WindowHandle>(0, [&] { return os_.windows.ForegroundWindow(); });
  if (foreground == last_handled_dialog_) return;
  if (!IsEditorDialog(foreground)) return;
  EnlargeByTitle(foreground);
  last_handled_dialog_ = foreground;
}

bool DialogWatch::IsEditorDialog(host::WindowHandle window) {
  return host::ResumeOr(false, [&] {
    auto& windows = os_.windows;
    if (windows.WindowProcessId(window) != own_process_id_) return false;
    if (windows.ClassName(window).substr(0, kClassLength) != kDialogClass) return false;
    const std::uint32_t style = windows.WindowStyle(window);
    for (const auto accepted : kDialogStyles) {
      if (style == accepted) return true;
    }
    return false;
  });
}

void DialogWatch::EnlargeByTitle(host::WindowHandle dialog) {
  host::Resume([&] {
    const std::u16string title = os_.windows.WindowText(dialog).substr(0, kTitleLength);
    for (const auto& row : DialogTitles()) {
      const bool match =
          row.whole_title ? title == row.title : title.substr(0, kPrefixLength) == row.title;
      if (!match) continue;
      EnlargeDialog(os_.windows, screen_, connection_.IsVb6(), dialog, row.plan, row.child_count);
      return;
    }
  });
}

}  // namespace tessaly::dialogs
