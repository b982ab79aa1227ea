#pragma once

// The editors the add-in serves, as the doctor checks them: each reads the registry view of its
// own bitness and finds the add-in through its own key in the current user's add-in list.

#include <string>
#include <vector>

#include "doctor/installation.h"

namespace tessaly::doctor {

struct Editor {
  std::string name;  // as the doctor's table and lines name it
  Bitness bitness;
  std::u16string add_in_key;  // below the current user's root
  // The program a user may have marked to run as administrator ("VB6.EXE"); empty where the
  // editor lives inside another program (Office) that the doctor cannot tell apart.
  std::u16string program;
};

// VB6, then the VBA editors of 32-bit and of 64-bit Office.
std::vector<Editor> Editors();

}  // namespace tessaly::doctor
