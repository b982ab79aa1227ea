// The Windows variant: the simulated registry file is also written by the Wine test runs.

#include "win32/windows_headers.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "sim/os/atomic_file.h"

namespace tessaly::sim {

bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::vector<std::uint8_t>& bytes) {
  auto temporary = file;
  temporary += ".tmp";
  HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(handle);
  CloseHandle(handle);
  if (ok && MoveFileExW(temporary.c_str(), file.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
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
