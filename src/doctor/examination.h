#pragma once

// The doctor's decisions: what each editor finds of the add-in, and each problem that keeps it
// from loading the add-in, with what to do about it and whether `tessaly doctor --fix` may do
// it.

#include <optional>
#include <string>
#include <vector>

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

// What `--fix` does for a problem: nothing (it needs an administrator or a new install), the
// editor's add-in key written back (LoadBehavior 3), or the current user's registration of the
// editor's bitness written again from the installed DLL.
enum class Remedy { kNone, kAddInKey, kUserRegistration };

struct Problem {
  Editor editor;
  std::string line;  // what is wrong and what to do, one line
  Remedy remedy = Remedy::kNone;
};

struct Examination {
  std::vector<EditorFindings> editors;
  std::vector<Problem> problems;
};

// `version` is the command line's own, which the DLLs must have.
Examination Examine(Installation& installation, const std::string& version);

}  // namespace tessaly::doctor
