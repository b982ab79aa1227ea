#include "cli/module_output.h"

#include <ostream>

namespace tessaly::cli {

void ModuleOutputs::Add(const ModuleInput& input, std::string bytes) {
  if (in_place_ && input.path != "-") {
    staged_.emplace_back(input.path, bytes);
  } else {
    printed_.push_back(std::move(bytes));
  }
}

void ModuleOutputs::Finish() {
  for (StagedFile& file : staged_)
    file.Commit();
  staged_.clear();
  for (const std::string& bytes : printed_)
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  printed_.clear();
}

}  // namespace tessaly::cli
