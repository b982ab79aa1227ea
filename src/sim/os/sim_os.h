#pragma once

// Every simulated OS service in one object, as a test or the command-line tool sets it up.

#include <filesystem>

#include "host/os.h"
#include "host/registry_settings_store.h"
#include "sim/os/sim_file_system.h"
#include "sim/os/sim_message_loop.h"
#include "sim/os/sim_registry.h"
#include "sim/os/sim_system_services.h"
#include "sim/os/sim_window_system.h"

namespace tessaly::sim {

class SimOs {
 public:
  // Registry in memory only.
  SimOs();
  // Registry kept in a .reg file; throws when the file exists but cannot be loaded.
  explicit SimOs(std::filesystem::path registry_file);
  SimOs(const SimOs&) = delete;
  SimOs& operator=(const SimOs&) = delete;

  host::Os Os();

  SimRegistry& registry() { return registry_; }
  host::RegistrySettingsStore& settings() { return settings_; }
  SimWindowSystem& windows() { return windows_; }
  SimMessageLoop& loop() { return loop_; }
  SimSystemServices& system() { return system_; }
  SimFileSystem& files() { return files_; }

 private:
  void WireModalLoop();

  SimRegistry registry_;
  host::RegistrySettingsStore settings_{registry_};
  SimWindowSystem windows_;
  SimMessageLoop loop_{windows_};
  SimSystemServices system_;
  SimFileSystem files_;
};

}  // namespace tessaly::sim
