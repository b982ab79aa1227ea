#pragma once

// What the add-in learnt of its editor at connection, which every feature reads and only
// Connect writes, from connection until unload. The field names are those the rest of the
// system speaks of. What one feature keeps for itself (the tab window, the project tree's
// procedure, the buttons' sinks) lives in that feature.

#include <cstdint>
#include <memory>
#include <string>

#include "host/editor.h"

namespace tessaly::addin {

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
  ProgramInfo Program;

  bool IsVb6() const { return HostMode == kHostModeVb6; }
};

}  // namespace tessaly::addin
