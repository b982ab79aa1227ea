#include "cli/module_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "text/utf.h"

namespace tessaly::cli {

namespace {

std::string ReadAll(std::istream& stream) {
  std::ostringstream buffer;
  buffer << stream.rdbuf();
  return buffer.str();
}

std::ifstream OpenFile(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    throw FileError(path + ": is a directory");
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError(path + ": " + std::strerror(errno));
  return file;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file = OpenFile(path);
  std::string bytes = ReadAll(file);
  if (file.bad()) throw FileError(path + ": read error");
  return bytes;
}

}  // namespace

void CheckReadable(const std::string& path) {
  if (path != "-") OpenFile(path);
}

std::string ShownPath(const std::string& path) {
  return path == "-" ? "<stdin>" : path;
}

ModuleInput ReadModule(const std::string& path, std::istream& in, FileEncoding plain_ascii) {
  const bool from_stdin = path == "-";
  std::string bytes = from_stdin ? ReadAll(in) : ReadFileBytes(path);
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
