#include "cli/module_output.h"

#include <ostream>

#include "cli/command_line.h"
#include "cli/file_error.h"
#include "cli/native_path.h"

namespace tessaly::cli {

using language::MessageId;

StagedFile::StagedFile(const std::string& path, std::string_view bytes) try
    : replacement_(NativePath(path), bytes) {
} catch (const files::FileReplacementError& error) {
  throw FileError(error.Said());
}

void StagedFile::Commit() {
  try {
    replacement_.Commit();
  } catch (const files::FileReplacementError& error) {
    throw FileError(error.Said());
  }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  StagedFile(path, bytes).Commit();
}

void ModuleOutputs::Add(const std::string& path, std::string bytes) {
  if (WritesBack(path)) {
    staged_.emplace_back(path, bytes);
  } else {
    printed_.push_back(std::move(bytes));
  }
}

void ModuleOutputs::Finish() {
  for (const std::string& bytes : printed_)
    WriteModuleBytes(out_, bytes);
  printed_.clear();
  // Standard output may be a full disk or a closed pipe; the files stay as they were unless it
  // took everything.
  if (!out_.flush()) throw FileError({MessageId::kCannotWriteStandardOutput, {}, {}});
  for (StagedFile& file : staged_)
    file.Commit();
  staged_.clear();
}

}  // namespace tessaly::cli
