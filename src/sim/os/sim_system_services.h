#pragma once

// Message boxes, clipboard, browser, file manager, failure log, environment, user, clock and
// system facts, all settable by tests and recorded where the add-in produces them. The ANSI code
// page is 936, as on a Chinese Windows.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/system_services.h"

namespace tessaly::sim {

struct MessageBoxRecord {
  std::u16string text;
  std::u16string caption;
  std::int32_t style = 0;
  bool operator==(const MessageBoxRecord&) const = default;
};

class SimSystemServices : public host::SystemServices {
 public:
  // The answer of an OK button.
  static constexpr std::int32_t kIdOk = 1;

  std::int32_t MessageBox(const std::u16string& text, const std::u16string& caption,
                          std::int32_t style) override;
  std::u16string ClipboardText() override { return clipboard_; }
  void OpenUrl(const std::u16string& url) override { opened_urls_.push_back(url); }
  std::u16string EnvironmentVariable(const std::u16string& name) override;
  std::u16string ExpandEnvironmentStrings(const std::u16string& text) override;
  host::OsVersion Version() override { return version_; }
  bool IsWow64Process() override;
  bool Is64BitProcess() override { return is_64bit_process_; }
  std::u16string WmiOsCaption() override;
  std::string ToAnsi(const std::u16string& text) override;
  std::u16string UserName() override { return user_name_; }
  host::LocalTime Now() override { return now_; }
  void OpenFolder(const std::u16string& path) override { opened_folders_.push_back(path); }
  void LogFailure(const std::u16string& line) override { failure_lines_.push_back(line); }

  // ---- for tests ----
  // A message box runs a modal message loop while the user reads it: `modal` is handed the
  // reading time each time a box opens.
  void SetModalLoop(std::function<void(std::uint64_t ms)> modal) { modal_ = std::move(modal); }
  void SetMessageBoxReadingTime(std::uint64_t ms) { reading_ms_ = ms; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }
  void SetMessageBoxAnswer(std::int32_t answer) { message_box_answer_ = answer; }
  void SetClipboardText(const std::u16string& text) { clipboard_ = text; }
  const std::vector<std::u16string>& OpenedUrls() const { return opened_urls_; }
  void SetEnvironmentVariable(const std::u16string& name, const std::u16string& value);
  void RemoveEnvironmentVariable(const std::u16string& name);
  void SetVersion(host::OsVersion version) { version_ = version; }
  // Absent: the system has no IsWow64Process.
  void SetWow64(std::optional<bool> wow64) { wow64_ = wow64; }
  void SetIs64BitProcess(bool is_64bit) { is_64bit_process_ = is_64bit; }
  // Absent: the management query fails.
  void SetWmiOsCaption(std::optional<std::u16string> caption) { wmi_caption_ = caption; }
  void SetUserName(const std::u16string& name) { user_name_ = name; }
  void SetNow(host::LocalTime now) { now_ = now; }
  const std::vector<std::u16string>& OpenedFolders() const { return opened_folders_; }
  const std::vector<std::u16string>& FailureLines() const { return failure_lines_; }

 private:
  std::vector<MessageBoxRecord> message_boxes_;
  std::int32_t message_box_answer_ = kIdOk;
  std::function<void(std::uint64_t)> modal_;
  std::uint64_t reading_ms_ = 1000;
  std::u16string clipboard_;
  std::vector<std::u16string> opened_urls_;
  // Keyed by the upper-case name: environment names ignore case.
  std::map<std::u16string, std::u16string> environment_;
  host::OsVersion version_{2, 6, 2};
  std::optional<bool> wow64_ = false;
  bool is_64bit_process_ = false;
  std::optional<std::u16string> wmi_caption_;
  std::u16string user_name_ = u"user";
  host::LocalTime now_{2024, 1, 2, 3, 4};
  std::vector<std::u16string> opened_folders_;
  std::vector<std::u16string> failure_lines_;
};

}  // namespace tessaly::sim
