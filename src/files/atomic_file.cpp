#include "files/atomic_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

#include "files/file_replacement.h"

namespace tessaly::files {

bool WriteFileAtomically(const std::filesystem::path& file,
                         const std::vector<std::uint8_t>& bytes) {
  try {
    FileReplacement replacement(
        file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    replacement.Commit();
    return true;
  } catch (const FileReplacementError&) {
    return false;
  }
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + ": cannot be read");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error(file.string() + ": cannot be read");
  return bytes;
}

}  // namespace tessaly::files
