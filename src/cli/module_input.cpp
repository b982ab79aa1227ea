#include "cli/module_input.h"

#include <filesystem>

#include "cli/bounded_read.h"
#include "cli/native_path.h"
#include "text/utf.h"

namespace tessaly::cli {

void CheckReadable(const std::string& path) {
  if (path != "-") CheckOpenable(path);
}

std::string ShownPath(const std::string& path) {
  return path == "-" ? "<stdin>" : path;
}

ModuleInput ReadModule(const std::string& path, std::istream& in, FileEncoding plain_ascii,
                       const ModuleFile::Reading& reading) {
  const bool from_stdin = path == "-";
  std::string bytes = from_stdin ? ReadBounded(in, ShownPath(path)) : ReadFileBounded(path);
  try {
    auto file = ModuleFile::Parse(std::move(bytes), plain_ascii, reading);
    const std::string stem = from_stdin ? "Module1" : PathText(NativePath(path).stem());
    return {path, text::FromUtf8(stem.empty() ? "Module1" : stem), std::move(file)};
  } catch (const FileError& error) {
    throw FileError(error.Said().At(ShownPath(path)));
  }
}

namespace {

template <typename Serialize>
std::string NamingTheFile(const ModuleInput& input, Serialize serialize) {
  try {
    return serialize();
  } catch (const FileError& error) {
    throw FileError(error.Said().At(ShownPath(input.path)));
  }
}

}  // namespace

std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines,
                            LineOrigins origins) {
  return NamingTheFile(input, [&] { return input.file.Serialize(lines, origins); });
}

}  // namespace tessaly::cli
