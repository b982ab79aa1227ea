#pragma once

// The remaining OS services: message boxes, clipboard, browser, file manager, environment,
// the failure log and the facts about the running system and its user.

#include <cstdint>
#include <string>

namespace tessaly::host {

enum MessageBoxStyle : std::int32_t {
  kMbOk = 0,
  kMbIconCritical = 16,
  kMbIconQuestion = 32,
  kMbIconExclamation = 48,
  kMbIconInformation = 64,
};

struct LocalTime {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
};

struct OsVersion {
  std::int32_t platform = 0;
  std::int32_t major = 0;
  std::int32_t minor = 0;
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // An empty caption means the default title.
  virtual std::int32_t MessageBox(const std::u16string& text, const std::u16string& caption,
                                  std::int32_t style) = 0;
  virtual std::u16string ClipboardText() = 0;
  virtual void OpenUrl(const std::u16string& url) = 0;
  virtual std::u16string EnvironmentVariable(const std::u16string& name) = 0;
  virtual std::u16string ExpandEnvironmentStrings(const std::u16string& text) = 0;
  virtual OsVersion Version() = 0;
  // Throws HostError where the system has no IsWow64Process.
  virtual bool IsWow64Process() = 0;
  virtual bool Is64BitProcess() = 0;
  // Caption of the last Win32_OperatingSystem object; throws HostError when the query fails.
  virtual std::u16string WmiOsCaption() = 0;
  // Text in the system's ANSI code page, as the A-suffixed calls would see it.
  virtual std::string ToAnsi(const std::u16string& text) = 0;
  // The name the user logged on with.
  virtual std::u16string UserName() = 0;
  virtual host::LocalTime Now() = 0;
  // Shows the folder in the system's file manager (Explorer).
  virtual void OpenFolder(const std::u16string& path) = 0;
  // One line in the add-in's failure log, for what the user is not troubled with at once.
  virtual void LogFailure(const std::u16string& line) = 0;
};

}  // namespace tessaly::host
