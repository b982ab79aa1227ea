#include "support/cli_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tessaly::test_support {

testing::AssertionResult IsRefusal(const CommandResult& result,
                                   const std::vector<std::string>& parts) {
  auto failure = testing::AssertionFailure() << "status " << result.status << ", out '"
                                             << result.out << "', err '" << result.err << "'";
  if (result.status != cli::kExitBadInput || !result.out.empty()) return failure;
  const auto line_feeds = std::count(result.err.begin(), result.err.end(), '\n');
  if (line_feeds != 1 || !result.err.ends_with('\n') || !result.err.starts_with("tessaly: ")) {
    return failure;
  }
  for (const auto& part : parts) {
    if (result.err.find(part) == std::string::npos) return failure << " lacks '" << part << "'";
  }
  return testing::AssertionSuccess();
}

std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::u8string(utf8.begin(), utf8.end());
}

std::string Utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// create_directory makes the folder only if nothing is there: no one else's folder is taken.
TempFolder::TempFolder() {
  std::random_device entropy;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto name = "tessaly-cli-" + std::to_string(entropy());
    path_ = std::filesystem::temp_directory_path() / name;
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot make a folder for a test");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A test may have made a file read-only; removal needs the folder writable on Linux, and on
  // Windows each file too.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  for (auto entry = std::filesystem::recursive_directory_iterator(path_, ignored);
       entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
    std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const auto path = path_ / Utf8Path(name);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write test file " + Utf8Text(path));
  }
  std::filesystem::last_write_time(
      path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  return Utf8Text(path);
}

std::vector<std::string> TempFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(Utf8Text(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read test file " + Utf8Text(path));
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ReadBytes(const std::string& utf8_path) {
  return ReadBytes(Utf8Path(utf8_path));
}

FileSnapshot::FileSnapshot(const std::string& utf8_path) : FileSnapshot(Utf8Path(utf8_path)) {}

FileSnapshot::FileSnapshot(const std::filesystem::path& path)
    : bytes(ReadBytes(path)), modified(std::filesystem::last_write_time(path)) {}

std::map<std::string, std::optional<FileSnapshot>> SnapshotFolder(const TempFolder& folder) {
  std::map<std::string, std::optional<FileSnapshot>> entries;
  for (const auto& name : folder.Entries()) {
    const auto path = folder.Path() / Utf8Path(name);
    const bool readable = std::ifstream(path).good() && std::filesystem::is_regular_file(path);
    entries[name] = readable ? std::optional<FileSnapshot>(path) : std::nullopt;
  }
  return entries;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const auto& line : lines)
    joined += line + "\r\n";
  return joined;
}

}  // namespace tessaly::test_support
