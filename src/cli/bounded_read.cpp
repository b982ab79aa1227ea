#include "cli/bounded_read.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>

#include "cli/file_error.h"

namespace tessaly::cli {

namespace {

constexpr std::size_t kFirstChunk = 64 * 1024;

[[noreturn]] void RefuseTooLarge(const std::string& shown) {
  throw FileError(shown + ": larger than " + std::to_string(kModuleSizeLimit >> 20) +
                  " MiB, the most a module may hold");
}

// Reads into `bytes` by `read_some(at, room)`, which answers how many bytes it put there (0 at
// the end); the buffer grows by doubling up to one byte past the limit, which tells a module
// just at the limit from one beyond it.
template <typename ReadSome>
std::string ReadChunks(std::size_t expected, const std::string& shown, ReadSome read_some) {
  std::string bytes(std::min(std::max(expected + 1, kFirstChunk), kModuleSizeLimit + 1), '\0');
  std::size_t size = 0;
  for (;;) {
    if (size == bytes.size()) {
      if (size > kModuleSizeLimit) RefuseTooLarge(shown);
      bytes.resize(std::min(size * 2, kModuleSizeLimit + 1));
    }
    const std::size_t got = read_some(bytes.data() + size, bytes.size() - size);
    if (got == 0) break;
    size += got;
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::string ReadBounded(int descriptor, const std::string& shown) {
  struct stat status {};
  const bool regular = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  const auto expected = regular ? static_cast<std::size_t>(status.st_size) : 0;
  return ReadChunks(expected, shown, [&](char* at, std::size_t room) {
    for (;;) {
      const ssize_t got = ::read(descriptor, at, room);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw FileError(shown + ": " + std::strerror(errno));
    }
  });
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
    throw FileError(shown + ": " + failure.code().message());
  }
}

}  // namespace tessaly::cli
