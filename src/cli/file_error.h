#pragma once

#include <string>
#include <vector>

#include "language/messages.h"

namespace tessaly::cli {

// A module file that cannot be read or written as asked; the message is meant for the user.
class FileError : public language::MessageError {
 public:
  explicit FileError(language::Message message) : MessageError(std::move(message)) {}
  // A file's reason, as `path: reason`.
  FileError(const std::string& path, language::MessageId id,
            std::vector<language::MessageArgument> arguments = {})
      : MessageError({id, std::move(arguments), path}) {}
};

}  // namespace tessaly::cli
