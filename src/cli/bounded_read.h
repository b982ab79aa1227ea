#pragma once

// Reading a whole module from a file or from standard input, with a bound, so that a device
// that never ends (/dev/zero) is refused instead of read until memory runs out, and a read
// error is told from the end of the file.

#include <cstddef>
#include <iosfwd>
#include <string>

namespace tessaly::cli {

// The most a module may hold, 256 MiB: far more than the editor takes, and little enough to
// hold in memory a few times over.
inline constexpr std::size_t kModuleSizeLimit = std::size_t{256} << 20;

// Every byte of the open file. Throws FileError, starting with `shown`, with the system's
// reason for a read error or when there are more than kModuleSizeLimit bytes.
std::string ReadBounded(int descriptor, const std::string& shown);
// The same from a stream; the stream's error, where it gives one, is the reason.
std::string ReadBounded(std::istream& in, const std::string& shown);

}  // namespace tessaly::cli
