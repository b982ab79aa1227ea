#include "workloads.h"

#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "cli/module_file.h"
#include "cli/module_input.h"
#include "cli/module_output.h"
#include "codetools/indent.h"

namespace tessaly::bench {

ClickEditor::ClickEditor(const std::vector<std::u16string>& lines) {
  module_ = &editor_.AddModule(u"VBAProject", u"模块1", lines);
}

void ClickEditor::Click(std::int32_t line) {
  module_->Pane()->PlaceCaret(line, 1);
  editor_.App().SetActivePane(module_->Pane());
  saved_start_line_ = line;
}

std::vector<std::int32_t> ClickEditor::ProcedureMiddles() const {
  std::vector<std::int32_t> middles;
  for (const auto& procedure : module_->Procedures().Procedures())
    middles.push_back((procedure.header_line + procedure.end_line) / 2);
  return middles;
}

std::int64_t CountChangedLines(const std::vector<std::u16string>& before,
                               const std::vector<std::u16string>& after) {
  if (before.size() != after.size()) throw std::logic_error("a tool added or removed lines");
  std::int64_t changed = 0;
  for (std::size_t i = 0; i < before.size(); ++i)
    changed += before[i] != after[i] ? 1 : 0;
  return changed;
}

namespace {

// As fmt does it: the widths first, then the bytes, without the lines built.
std::string Reindented(const cli::ModuleFile& file) {
  return file.SerializeReindented(codetools::IndentLayouts(file.VisibleLineViews(), {}));
}

}  // namespace

std::string FormatModuleBytes(std::string bytes) {
  return Reindented(cli::ModuleFile::Parse(std::move(bytes)));
}

void FormatFile(const std::filesystem::path& in, const std::filesystem::path& out) {
  // The command line takes its paths as UTF-8, on Windows too.
  const std::u8string utf8 = in.u8string();
  const cli::ModuleInput input = cli::ReadModule(std::string(utf8.begin(), utf8.end()), std::cin);
  std::ofstream stream(out, std::ios::binary | std::ios::trunc);
  cli::ModuleOutputs outputs(/*in_place=*/false, stream);
  outputs.Add(input, Reindented(input.file));
  outputs.Finish();
}

void CopyFileBytes(const std::filesystem::path& in, const std::filesystem::path& out) {
  std::ifstream source(in, std::ios::binary);
  std::ostringstream buffer;
  buffer << source.rdbuf();
  WriteBytes(out, buffer.str());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream stream(path, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw std::runtime_error("cannot write " + path.string());
}

ScratchDirectory::ScratchDirectory() {
  std::random_device entropy;
  path_ = std::filesystem::temp_directory_path() /
          ("tessaly_bench_" + std::to_string(entropy()) + std::to_string(entropy()));
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tessaly::bench
