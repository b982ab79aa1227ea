#pragma once

// Running the `tessaly` command line in-process, on modules in a temporary folder of their own.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace tessaly::test_support {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Header-only, so that only the command-line tests link the command line. A module written may
// hold no more than `result_limit` bytes.
inline CommandResult RunTessaly(const std::vector<std::string>& args,
                                const std::string& standard_input = "",
                                std::size_t result_limit = cli::kModuleSizeLimit,
                                language::Language language = language::Language::kEnglish) {
  std::istringstream in(standard_input);
  std::ostringstream out, err;
  const int status = cli::RunCommandLine(args, {in, out, err, result_limit, language});
  return {status, out.str(), err.str()};
}

// Both languages the command line speaks; a test of what it says runs in each.
inline constexpr language::Language kLanguages[] = {language::Language::kEnglish,
                                                    language::Language::kChinese};

// A refusal: status 2, nothing on standard output, and one line on standard error that starts
// with the program's name and holds each of `parts`.
testing::AssertionResult IsRefusal(const CommandResult& result,
                                   const std::vector<std::string>& parts);

// The same refusal in every language: `args` run in each, and the line must hold each message
// of `said` as that language words it.
inline testing::AssertionResult IsRefusalInEachLanguage(
    const std::vector<std::string>& args, const std::vector<language::Message>& said,
    const std::string& standard_input = "", std::size_t result_limit = cli::kModuleSizeLimit) {
  for (const auto language : kLanguages) {
    std::vector<std::string> parts;
    for (const auto& message : said)
      parts.push_back(language::Say(language, message));
    auto refusal = IsRefusal(RunTessaly(args, standard_input, result_limit, language), parts);
    if (!refusal) return refusal << " expecting '" << (parts.empty() ? "" : parts.front()) << "'";
  }
  return testing::AssertionSuccess();
}

// The built program (TESSALY_BINARY; on Windows the tessaly.exe beside the test program) run
// with these arguments, standard input from `standard_input`, standard output and error
// captured; with `output_closed` standard output is a pipe whose reader has already gone. It
// answers in English (TESSALY_LANG=en) unless `environment` says otherwise: NAME=VALUE each,
// in place of the test's own. Several threads may run it at once.
CommandResult RunBinary(const std::vector<std::string>& args,
                        const std::string& standard_input = "", bool output_closed = false,
                        const std::vector<std::string>& environment = {});

// The environment `own` (NAME=VALUE each) with `changes` in place of the same names (matched
// without regard to case on Windows, as it names them), TESSALY_LANG=en first of all.
std::vector<std::string> ChangedEnvironment(const std::vector<std::string>& own,
                                            const std::vector<std::string>& changes);

// A path given as UTF-8 text, as the command line takes it, and back: on Windows a path is
// UTF-16, and a narrow std::string of it would go through the process's code page.
std::filesystem::path Utf8Path(const std::string& utf8);
std::string Utf8Text(const std::filesystem::path& path);

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes the bytes as they are and dates the file an hour back, so that any rewrite shows
  // in its modification time even on a file system with coarse timestamps; makes the folders
  // the name passes through. The name and the path answered are UTF-8.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The names of everything in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::string& utf8_path);

// A file's contents and modification time, to prove that a command left it alone.
struct FileSnapshot {
  explicit FileSnapshot(const std::string& utf8_path);
  bool operator==(const FileSnapshot&) const = default;

  std::string bytes;
  std::filesystem::file_time_type modified;
};

// Every entry of a folder, with the snapshot of each file that can be read.
std::map<std::string, std::optional<FileSnapshot>> SnapshotFolder(const TempFolder& folder);

// CR LF joined lines with a final CR LF, as the editor exports them.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const auto& line : lines)
    joined += line + "\r\n";
  return joined;
}

// One procedure, as exported flat and as re-indenting leaves it.
inline const std::string kFlatModule =
    CrLfLines({"Attribute VB_Name = \"M\"", "Sub A()", "x = 1", "End Sub"});
inline const std::string kIndentedModule =
    CrLfLines({"Attribute VB_Name = \"M\"", "Sub A()", "    x = 1", "End Sub"});

// A procedure of `depth` nested If blocks. Each level adds four blanks to every line inside it,
// so 40,000 levels (0.8 MB) would re-indent to 6.4 GB.
inline std::string NestedIfs(int depth) {
  std::string module = "Sub A()\r\n";
  for (int k = 0; k < 2 * depth; ++k)
    module += k < depth ? "If x Then\r\n" : "End If\r\n";
  return module + "End Sub\r\n";
}

}  // namespace tessaly::test_support
