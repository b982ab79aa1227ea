#include "support/cli_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <unistd.h>

namespace tessaly::test_support {

std::vector<std::string> CommandResult::ErrorLines() const {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < err.size()) {
    const auto end = err.find('\n', begin);
    lines.push_back(err.substr(begin, end == std::string::npos ? end : end - begin));
    begin = end == std::string::npos ? err.size() : end + 1;
  }
  return lines;
}

TempFolder::TempFolder() {
  // The process id keeps parallel test programs apart, the random part successive folders.
  std::random_device random;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() /
            ("tessaly-cli-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) return;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A test may have made a file read-only; removal needs the folder writable only.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const auto path = path_ / name;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write test file " + path.string());
  }
  std::filesystem::last_write_time(
      path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  return path.string();
}

std::vector<std::string> TempFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read test file " + path.string());
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

FileSnapshot::FileSnapshot(const std::filesystem::path& path)
    : bytes(ReadBytes(path)), modified(std::filesystem::last_write_time(path)) {}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const auto& line : lines)
    joined += line + "\r\n";
  return joined;
}

}  // namespace tessaly::test_support
