#include "sim/os/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace tessaly::sim {

namespace {

bool WriteAndSync(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t written = 0;
  bool ok = true;
  while (ok && written < bytes.size()) {
    const auto n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      ok = errno == EINTR;
    } else {
      written += static_cast<std::size_t>(n);
    }
  }
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::vector<std::uint8_t>& bytes) {
  auto temporary = file;
  temporary += ".tmp";
  std::error_code error;
  if (!WriteAndSync(temporary, bytes)) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error(file.string() + ": cannot be read");
  return bytes;
}

}  // namespace tessaly::sim
