#include "cli/module_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/atomic_write.h"
#include "text/utf.h"

namespace tessaly::cli {

namespace {

std::string ReadAll(std::istream& stream) {
  std::ostringstream buffer;
  buffer << stream.rdbuf();
  return buffer.str();
}

std::string ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw FileError(path + ": is a directory");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError(path + ": " + std::strerror(errno));
  std::string bytes = ReadAll(file);
  if (file.bad()) throw FileError(path + ": read error");
  return bytes;
}

}  // namespace

ModuleInput ReadModule(const std::string& path, std::istream& in) {
  const bool from_stdin = path == "-";
  std::string bytes = from_stdin ? ReadAll(in) : ReadFileBytes(path);
  const std::string shown = from_stdin ? "<stdin>" : path;
  try {
    auto file = ModuleFile::Parse(std::move(bytes));
    const std::string stem = from_stdin ? "Module1" : std::filesystem::path(path).stem().string();
    return {path, text::FromUtf8(stem.empty() ? "Module1" : stem), std::move(file)};
  } catch (const FileError& error) {
    throw FileError(shown + ": " + error.what());
  }
}

std::string SerializeModule(const ModuleInput& input, const std::vector<std::u16string>& lines,
                            LinePairing pairing) {
  try {
    return input.file.Serialize(lines, pairing);
  } catch (const FileError& error) {
    throw FileError((input.path == "-" ? std::string("<stdin>") : input.path) + ": " +
                    error.what());
  }
}

void PutModuleBytes(const ModuleInput& input, const std::string& bytes, bool in_place,
                    std::ostream& out) {
  if (in_place && input.path != "-") {
    WriteFileAtomically(input.path, bytes);
  } else {
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace tessaly::cli
