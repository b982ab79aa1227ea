#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "language/messages.h"

namespace tessaly::files {

// A file that cannot be replaced as asked; the message names the file and the reason.
class FileReplacementError : public language::MessageError {
 public:
  explicit FileReplacementError(language::Message message) : MessageError(std::move(message)) {}
};

// New contents for a file, staged so that a reader, or a crash, sees either the old file or
// the new one, never a half-written one: the bytes go to a temporary file in the same folder,
// reach the disk with the old file's permission bits, and replace the file only on Commit.
// Staging several files first and committing them afterwards writes none of them when any
// cannot be written.
//
// A symbolic link is followed, so the link stays and its target changes. A read-only file is
// refused: source control marks files that are not checked out read-only, and renaming would
// get round that lock. The temporary file is created exclusively under a short name of its
// own, so neither a file planted under a guessed name nor a long file name gets in the way.
// A staged file never committed is removed.
class FileReplacement {
 public:
  // Throws FileReplacementError.
  FileReplacement(const std::filesystem::path& path, std::string_view bytes);
  ~FileReplacement();
  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&&) = delete;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Throws FileReplacementError; the old file is then as it was.
  void Commit();

 private:
  std::filesystem::path target_;
  // The target as messages name it: as the user gave it, or the link's target.
  std::string shown_;
  std::filesystem::path temporary_;
  bool pending_ = false;
};

}  // namespace tessaly::files
