#include "cli/module_output.h"

#include <ostream>

#include "cli/file_error.h"

namespace tessaly::cli {

void ModuleOutputs::Add(const ModuleInput& input, std::string bytes) {
  if (WritesBack(input)) {
    staged_.emplace_back(input.path, bytes);
  } else {
    printed_.push_back(std::move(bytes));
  }
}

void ModuleOutputs::Finish() {
  for (const std::string& bytes : printed_)
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  printed_.clear();
  // Standard output may be a full disk or a closed pipe; the files stay as they were unless it
  // took everything.
  if (!out_.flush()) throw FileError("cannot write to standard output");
  for (StagedFile& file : staged_)
    file.Commit();
  staged_.clear();
}

}  // namespace tessaly::cli
