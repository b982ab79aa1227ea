#include "cli/atomic_write.h"

#include "cli/file_error.h"

namespace tessaly::cli {

StagedFile::StagedFile(const std::filesystem::path& path, std::string_view bytes) try
    : replacement_(path, bytes) {
} catch (const sim::FileReplacementError& error) {
  throw FileError(error.what());
}

void StagedFile::Commit() {
  try {
    replacement_.Commit();
  } catch (const sim::FileReplacementError& error) {
    throw FileError(error.what());
  }
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  StagedFile(path, bytes).Commit();
}

}  // namespace tessaly::cli
