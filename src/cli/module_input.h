#pragma once

// Reading the modules named on the command line, and putting results back.

#include <iosfwd>
#include <string>

#include "cli/module_file.h"

namespace tessaly::cli {

struct ModuleInput {
  std::string path;  // "-" for standard input
  std::u16string module_name;
  ModuleFile file;
};

// Throws FileError with the path and the reason for a missing, unreadable or binary file.
ModuleInput ReadModule(const std::string& path, std::istream& in);

// The edited lines back into the file with -i (atomically), else to standard output.
void PutModule(const ModuleInput& input, const std::vector<std::u16string>& lines, bool in_place,
               std::ostream& out);

}  // namespace tessaly::cli
