#pragma once

// The state one loaded add-in shares with its features, from connection until unload. The
// field names are those the rest of the system speaks of.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/editor.h"
#include "host/window_system.h"

namespace tessaly::addin {

class AppEventVBIDE;

struct ProgramInfo {
  std::u16string Name;
  std::u16string Version;
  std::u16string ReleaseDate;
  std::u16string Years;
  std::u16string Maker;
  bool operator==(const ProgramInfo&) const = default;
};

inline constexpr char16_t kHostModeVb6[] = u"VB6";
inline constexpr char16_t kHostModeVba[] = u"VBA";

struct Connection {
  std::u16string ComponentName;
  std::u16string HostName;
  std::u16string HostVersion;
  std::u16string HostMode;  // "VB6", "VBA", or empty while no host was accepted
  std::u16string MenuBarName;
  std::shared_ptr<host::Application> HostApplication;
  std::shared_ptr<host::UserDocument> TabDocument;
  std::shared_ptr<host::Window> TabWindow;
  // Created on first use; replaced whole when the menu is built.
  std::optional<std::vector<std::shared_ptr<AppEventVBIDE>>> ButtonSinks;
  host::WindowHandle ProjectTreeHandle = 0;
  host::WindowProcId PreviousTreeProc = 0;
  ProgramInfo Program;

  bool IsVb6() const { return HostMode == kHostModeVb6; }
};

}  // namespace tessaly::addin
