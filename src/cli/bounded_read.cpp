#include "cli/bounded_read.h"

#include <istream>

namespace tessaly::cli {

using language::MessageId;

void RefuseTooLarge(const std::string& shown) {
  throw FileError(shown, MessageId::kLargerThanAModule, {std::to_string(kModuleSizeLimit >> 20)});
}

std::string ReadBounded(std::istream& in, const std::string& shown) {
  // The library reports a failed read by an exception that it catches itself unless asked
  // to pass it on; its error code holds the reason. The stream is left as it was asked to be.
  struct RestoreExceptions {
    std::istream& in;
    std::ios::iostate mask;
    ~RestoreExceptions() {
      in.clear();
      in.exceptions(mask);
    }
  } restore{in, in.exceptions()};
  in.exceptions(std::ios::badbit);
  try {
    return ReadChunks(0, shown, [&](char* at, std::size_t room) {
      in.read(at, static_cast<std::streamsize>(room));
      return static_cast<std::size_t>(in.gcount());
    });
  } catch (const std::ios_base::failure& failure) {
    throw FileError(shown, MessageId::kSystemReason, {failure.code().message()});
  }
}

}  // namespace tessaly::cli
