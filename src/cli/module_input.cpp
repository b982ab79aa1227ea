#include "cli/module_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/bounded_read.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

// A descriptor closed when it goes out of scope.
class OpenFile {
 public:
  explicit OpenFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
      throw FileError(path + ": is a directory");
    }
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) throw FileError(path + ": " + std::strerror(errno));
  }
  ~OpenFile() { ::close(descriptor_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_ = -1;
};

}  // namespace

void CheckReadable(const std::string& path) {
  if (path != "-") OpenFile{path};
}

std::string ShownPath(const std::string& path) {
  return path == "-" ? "<stdin>" : path;
}

ModuleInput ReadModule(const std::string& path, std::istream& in, FileEncoding plain_ascii) {
  const bool from_stdin = path == "-";
  std::string bytes = from_stdin ? ReadBounded(in, ShownPath(path))
                                 : ReadBounded(OpenFile(path).Descriptor(), path);
  try {
    auto file = ModuleFile::Parse(std::move(bytes), plain_ascii);
    const std::string stem = from_stdin ? "Module1" : std::filesystem::path(path).stem().string();
    return {path, text::FromUtf8(stem.empty() ? "Module1" : stem), std::move(file)};
  } catch (const FileError& error) {
    throw FileError(ShownPath(path) + ": " + error.what());
  }
}

namespace {

template <typename Serialize>
std::string NamingTheFile(const ModuleInput& input, Serialize serialize) {
  try {
    return serialize();
  } catch (const FileError& error) {
    throw FileError(ShownPath(input.path) + ": " + error.what());
  }
}

}  // namespace

std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines,
                            LineOrigins origins) {
  return NamingTheFile(input, [&] { return input.file.Serialize(lines, origins); });
}

std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines) {
  return NamingTheFile(input, [&] { return input.file.Serialize(lines); });
}

}  // namespace tessaly::cli
