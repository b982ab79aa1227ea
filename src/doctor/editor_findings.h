#pragma once

// What one editor finds of the add-in: its add-in key, the registration in the registry view of
// its bitness, whether it runs elevated, and the DLL it would load.

#include <optional>
#include <string>

#include "doctor/editors.h"
#include "doctor/installation.h"

namespace tessaly::doctor {

// Where a part of the registration is found whole, in the editor's registry view.
enum class Place { kMissing, kIncomplete, kPerUser, kMachineWide, kBoth };

enum class DllState { kNotRegistered, kMissing, kPresent };

struct EditorFindings {
  Editor editor;
  bool listed = false;  // the editor's add-in key exists
  std::optional<std::uint32_t> load_behavior;
  Place classes = Place::kMissing;
  Place prog_ids = Place::kMissing;
  Place type_library = Place::kMissing;
  bool machine_keys = false;  // any key of the registration in the machine's classes
  // The program's entry among the compatibility layers that asks for elevation, if any.
  std::optional<std::u16string> elevated_by;
  // The DLL the editor would load: the class's server, where the editor looks first.
  std::optional<std::u16string> dll_path;
  Hive dll_hive = Hive::kCurrentUser;
  DllState dll = DllState::kNotRegistered;
  std::optional<Bitness> dll_bitness;  // none: not a Windows DLL of either bitness
  std::optional<std::u16string> dll_version;
};

EditorFindings Find(Installation& installation, const Editor& editor);

}  // namespace tessaly::doctor
