#pragma once

// Reading a whole module from a file or from standard input, with a bound, so that a device
// that never ends (/dev/zero) is refused instead of read until memory runs out, and a read
// error is told from the end of the file.

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <string>

#include "cli/file_error.h"

namespace tessaly::cli {

// The most a module may hold, 256 MiB: far more than the editor takes, and little enough to
// hold in memory a few times over.
inline constexpr std::size_t kModuleSizeLimit = std::size_t{256} << 20;

// Every byte of the file at `path` (UTF-8, as given on the command line). Throws FileError,
// starting with the path, for a missing, unreadable or folder FILE, with the system's reason
// for a read error, or when there are more than kModuleSizeLimit bytes.
std::string ReadFileBounded(const std::string& path);  // file_read.cpp, file_read_win32.cpp
// Throws FileError, as ReadFileBounded would, for a FILE that cannot be opened; a command that
// answers file by file asks this of every FILE before it answers anything.
void CheckOpenable(const std::string& path);
// The same from a stream; the stream's error, where it gives one, is the reason.
std::string ReadBounded(std::istream& in, const std::string& shown);

[[noreturn]] void RefuseTooLarge(const std::string& shown);

// Reads into `bytes` by `read_some(at, room)`, which answers how many bytes it put there (0 at
// the end); the buffer grows by doubling up to one byte past the limit, which tells a module
// just at the limit from one beyond it. `expected` is the size the file says it has, or 0.
template <typename ReadSome>
std::string ReadChunks(std::size_t expected, const std::string& shown, ReadSome read_some) {
  constexpr std::size_t kFirstChunk = 64 * 1024;
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

}  // namespace tessaly::cli
