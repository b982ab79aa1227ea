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
// Plain ASCII is taken to be in `plain_ascii` (file_encoding.h).
ModuleInput ReadModule(const std::string& path, std::istream& in,
                       FileEncoding plain_ascii = FileEncoding::kCodePage936,
                       const ModuleFile::Reading& reading = {});

// Throws FileError, as ReadModule would, for a missing, unreadable or folder FILE; a command
// that answers file by file asks this of every FILE before it answers anything.
void CheckReadable(const std::string& path);

// The file's name as messages show it.
std::string ShownPath(const std::string& path);

// The file's bytes with the edited lines, which stem from the lines `origins` gives; throws
// FileError, naming the file, when a line cannot be written in the file's encoding
// (ModuleFile::Serialize).
std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines,
                            LineOrigins origins);

}  // namespace tessaly::cli
