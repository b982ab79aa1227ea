#pragma once

#include <filesystem>
#include <string_view>

#include "sim/os/file_replacement.h"

namespace tessaly::cli {

// New contents for a file, written to a temporary file beside it and put in place on Commit,
// as sim::FileReplacement does: a link is followed, the file's mode is kept, a read-only
// file is refused. Throws FileError naming the file and the reason; a file staged and never
// committed stays as it was, and no temporary file is left behind.
class StagedFile {
 public:
  StagedFile(const std::filesystem::path& path, std::string_view bytes);
  void Commit();

 private:
  sim::FileReplacement replacement_;
};

// Stages and commits at once.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tessaly::cli
