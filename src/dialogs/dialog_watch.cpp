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

DialogWatch::DialogWatch(const addin::Connection& connection, host::WindowSystem& windows,
                         host::MessageLoop& loop)
    : connection_(connection), windows_(windows), loop_(loop) {}

void DialogWatch::StartDialogWatch() {
  StopDialogWatch();
  host::Resume([&] { screen_ = GetScreenSize(windows_); });
  host::Resume([&] { own_process_id_ = windows_.CurrentProcessId(); });
  dialog_timer_ = host::ResumeOr<host::TimerId>(0, [&] {
    return loop_.SetTimer(
        kDialogTimerInterval, [this] { DialogWatchTick(); }, kRequestedDialogTimer);
  });
}

void DialogWatch::StopDialogWatch() {
  if (dialog_timer_ == 0) return;
  host::Resume([&] { loop_.KillTimer(dialog_timer_); });
  dialog_timer_ = 0;
}

void DialogWatch::DialogWatchTick() {
  const auto foreground =
      host::ResumeOr<host::WindowHandle>(0, [&] { return windows_.ForegroundWindow(); });
  if (foreground == last_handled_dialog_) return;
  if (!IsEditorDialog(foreground)) return;
  EnlargeByTitle(foreground);
  last_handled_dialog_ = foreground;
}

bool DialogWatch::IsEditorDialog(host::WindowHandle window) {
  return host::ResumeOr(false, [&] {
    auto& windows = windows_;
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
    const std::u16string title = windows_.WindowText(dialog).substr(0, kTitleLength);
    for (const auto& row : DialogTitles()) {
      const bool match =
          row.whole_title ? title == row.title : title.substr(0, kPrefixLength) == row.title;
      if (!match) continue;
      EnlargeDialog(windows_, screen_, connection_.IsVb6(), dialog, row.plan, row.child_count);
      return;
    }
  });
}

}  // namespace tessaly::dialogs
