#include "support/cli_fixture.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tessaly::test_support {

testing::AssertionResult IsRefusal(const CommandResult& result,
                                   const std::vector<std::string>& parts) {
  const std::string& err = result.err;
  bool refusal = result.status == cli::kExitBadInput && result.out.empty() &&
                 err.starts_with("tessaly: ") && err.find('\n') == err.size() - 1;
  for (const auto& part : parts)
    refusal = refusal && err.find(part) != std::string::npos;
  if (refusal) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "status " << result.status << ", out '" << result.out << "', err '" << err << "'";
}

std::vector<std::string> ChangedEnvironment(const std::vector<std::string>& own,
                                            const std::vector<std::string>& changes) {
  std::vector<std::string> all_changes{"TESSALY_LANG=en"};
  all_changes.insert(all_changes.end(), changes.begin(), changes.end());
  const auto name = [](const std::string& entry) {
    std::string upper = entry.substr(0, entry.find('='));
#ifdef _WIN32
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
#endif
    return upper;
  };
  std::vector<std::string> changed = own;
  for (const auto& change : all_changes) {
    std::erase_if(changed, [&](const std::string& e) { return name(e) == name(change); });
    changed.push_back(change);
  }
  return changed;
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
  do {
    path_ = std::filesystem::temp_directory_path() / ("tessaly-cli-" + std::to_string(entropy()));
  } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A test may have made a file read-only, which Windows then does not remove.
  for (auto entry = std::filesystem::recursive_directory_iterator(path_, ignored);
       entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
    std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
  const auto path = path_ / Utf8Path(name);
  std::filesystem::create_directories(path.parent_path());
  if (!(std::ofstream(path, std::ios::binary) << bytes)) {
    throw std::runtime_error("cannot write test file " + Utf8Text(path));
  }
  std::filesystem::last_write_time(
      path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  return Utf8Text(path);
}

std::vector<std::string> TempFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    names.push_back(Utf8Text(entry.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::string& utf8_path) {
  std::ifstream file(Utf8Path(utf8_path), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read test file " + utf8_path);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

FileSnapshot::FileSnapshot(const std::string& utf8_path)
    : bytes(ReadBytes(utf8_path)),
      modified(std::filesystem::last_write_time(Utf8Path(utf8_path))) {}

std::map<std::string, std::optional<FileSnapshot>> SnapshotFolder(const TempFolder& folder) {
  std::map<std::string, std::optional<FileSnapshot>> entries;
  for (const auto& name : folder.Entries()) {
    const auto path = folder.Path() / Utf8Path(name);
    const bool readable = std::ifstream(path).good() && std::filesystem::is_regular_file(path);
    entries[name] = readable ? std::optional<FileSnapshot>(Utf8Text(path)) : std::nullopt;
  }
  return entries;
}

}  // namespace tessaly::test_support
