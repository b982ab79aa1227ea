#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/module_input.h"
#include "files/file_replacement.h"

namespace tessaly::cli {

// New contents for a file (its path as given on the command line), written to a temporary
// file beside it and put in place on Commit, as files::FileReplacement does: a link is followed,
// the file's mode (on Windows its attributes) is kept, a read-only file is refused. Throws
// FileError naming the file and the reason; a file staged and never committed stays as it
// was, and no temporary file is left behind.
class StagedFile {
 public:
  StagedFile(const std::string& path, std::string_view bytes);
  void Commit();

 private:
  files::FileReplacement replacement_;
};

// Stages and commits at once.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Where a command's results go: back into their files with -i, else to standard output.
// Nothing is put anywhere before Finish, so a command that fails on a later module, or on a
// file that cannot be written, leaves every file as it was and prints nothing. Finish writes
// standard output first and puts files in place only once it has taken everything. With -i
// each result goes to disk beside its file as soon as it is added, so a run over many files
// holds one result in memory at a time.
class ModuleOutputs {
 public:
  ModuleOutputs(bool in_place, std::ostream& out) : in_place_(in_place), out_(out) {}

  // Whether the module's result goes back into its file: with -i, and unless it was read from
  // standard input, which has no file to go back to. Only then may an unchanged result be
  // left out.
  bool WritesBack(const ModuleInput& input) const { return WritesBack(input.path); }
  bool WritesBack(const std::string& path) const { return in_place_ && path != "-"; }
  // Throws FileError when the file cannot be written.
  void Add(const ModuleInput& input, std::string bytes) { Add(input.path, std::move(bytes)); }
  void Add(const std::string& path, std::string bytes);
  // Throws FileError when standard output cannot be written, or a file cannot be put in place
  // after all.
  void Finish();

 private:
  bool in_place_;
  std::ostream& out_;
  std::vector<StagedFile> staged_;
  std::vector<std::string> printed_;
};

}  // namespace tessaly::cli
