#pragma once

#include "host/file_system.h"
#include "host/message_loop.h"
#include "host/registry.h"
#include "host/settings_store.h"
#include "host/system_services.h"
#include "host/window_system.h"

namespace tessaly::host {

// Every OS service the features use, handed to them together.
struct Os {
  Registry& registry;
  SettingsStore& settings;
  WindowSystem& windows;
  MessageLoop& loop;
  SystemServices& system;
  FileSystem& files;
};

}  // namespace tessaly::host
