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

// The file's bytes with the edited lines; throws FileError, naming the file, when a line
// holds a character the file's encoding cannot represent.
std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines,
                            LinePairing pairing = LinePairing::kMatchByText);

// The bytes back into the file with -i (atomically), else to standard output.
void PutModuleBytes(const ModuleInput& input, const std::string& bytes, bool in_place,
                    std::ostream& out);

}  // namespace tessaly::cli
