#pragma once

// Every OS service over the real system, bundled the way the features take them.

#include "win32/windows_headers.h"

#include "host/os.h"
#include "host/registry_settings_store.h"
#include "win32/win_file_system.h"
#include "win32/win_message_loop.h"
#include "win32/win_registry.h"
#include "win32/win_system_services.h"
#include "win32/win_window_system.h"

namespace tessaly::win32 {

class WinOs {
 public:
  explicit WinOs(HINSTANCE module) : loop_(module) {}
  WinOs(const WinOs&) = delete;
  WinOs& operator=(const WinOs&) = delete;

  host::Os& Services() { return services_; }
  const WinWindowSystem& Windows() const { return windows_; }
  const WinMessageLoop& Loop() const { return loop_; }

 private:
  WinRegistry registry_;
  host::RegistrySettingsStore settings_{registry_};
  WinWindowSystem windows_;
  WinMessageLoop loop_;
  WinSystemServices system_;
  WinFileSystem files_;
  host::Os services_{registry_, settings_, windows_, loop_, system_, files_};
};

}  // namespace tessaly::win32
