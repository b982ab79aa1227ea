#pragma once

// Where the simulated editor keeps a module the command line read: in a project saved in the
// file's folder, as the component its extension names, so the add-in finds the module's own
// file where the editors would have exported it. A module from standard input is in a project
// never saved.

#include <cstdint>
#include <string>

#include "host/editor.h"

namespace tessaly::cli {

struct ModulePlace {
  // Empty: the project was never saved.
  std::u16string project_file;
  std::int32_t component_type = host::kStdModule;
};

// A form is VB6's own form in VB6 and a user form in the VBA editors; a file of an extension
// no component exports to is a standard module.
ModulePlace PlaceOf(const std::string& path, bool vb6);

}  // namespace tessaly::cli
