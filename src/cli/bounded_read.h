#pragma once

// Reading a whole module from a file or from standard input, with a bound, so that a device
// that never ends (/dev/zero) is refused instead of read until memory runs out, and a read
// error is told from the end of the file.

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

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

// Reads by `read_some(at, room)`, which answers how many bytes it put there (0 at the end), up to
// one byte past the limit, which tells a module just at the limit from one beyond it.
// `expected` is the size the file says it has, or 0: a file of known size is read into one
// buffer of its size. Input of unknown size goes into blocks that grow with what has come but
// stay at most 16 MiB, joined at the end, so that input that never ends is refused without ever
// asking for more than one block at once: a 32-bit process finds no 256 MiB in one piece.
template <typename ReadSome>
std::string ReadChunks(std::size_t expected, const std::string& shown, ReadSome read_some) {
  constexpr std::size_t kFirstBlock = 64 * 1024;
  constexpr std::size_t kLargestBlock = 16 << 20;
  std::vector<std::string> blocks;
  std::size_t total = 0;
  // The buffer is zeroed before it is read into: a file of known size gets no more than itself.
  std::size_t room = std::min(expected > 0 ? expected + 1 : kFirstBlock, kModuleSizeLimit + 1);
  for (bool ended = false; !ended;) {
    std::string block(room, '\0');
    std::size_t size = 0;
    while (size < block.size() && !ended) {
      const std::size_t got = read_some(block.data() + size, block.size() - size);
      ended = got == 0;
      size += got;
    }
    block.resize(size);
    total += size;
    blocks.push_back(std::move(block));
    if (total > kModuleSizeLimit) RefuseTooLarge(shown);
    room = std::min({std::max(total, kFirstBlock), kLargestBlock, kModuleSizeLimit + 1 - total});
  }
  if (blocks.size() == 1) return std::move(blocks.front());
  std::string bytes;
  bytes.reserve(total);
  for (const auto& block : blocks)
    bytes += block;
  return bytes;
}

}  // namespace tessaly::cli
