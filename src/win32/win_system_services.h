#pragma once

#include "host/system_services.h"

namespace tessaly::win32 {

class WinSystemServices : public host::SystemServices {
 public:
  std::int32_t MessageBox(const std::u16string& text, const std::u16string& caption,
                          std::int32_t style) override;
  std::u16string ClipboardText() override;
  void OpenUrl(const std::u16string& url) override;
  std::u16string EnvironmentVariable(const std::u16string& name) override;
  std::u16string ExpandEnvironmentStrings(const std::u16string& text) override;
  host::OsVersion Version() override;
  bool IsWow64Process() override;
  bool Is64BitProcess() override;
  std::u16string WmiOsCaption() override;
  std::string ToAnsi(const std::u16string& text) override;
  std::u16string UserName() override;
  host::LocalTime Now() override;
  // Explorer, started through the shell as the web look-up starts the browser.
  void OpenFolder(const std::u16string& path) override;
  // The user's failure log (failure_log.h).
  void LogFailure(const std::u16string& line) override;
};

}  // namespace tessaly::win32
