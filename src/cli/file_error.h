#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::cli {

// A module file that cannot be read or written as asked; the message is meant for the user.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace tessaly::cli
