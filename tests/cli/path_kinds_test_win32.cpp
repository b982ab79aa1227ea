// Every way a Windows user, cmd, Git Bash or pre-commit names a module, relative to the folder
// the program runs in: each command through the built program, in place included, since
// writing beside a file is where a path's folder matters.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::CrLfLines;
using test_support::kFlatModule;
using test_support::kIndentedModule;
using test_support::ReadBytes;
using test_support::RunBinary;
using test_support::TempFolder;
using test_support::Utf8Path;
using test_support::Utf8Text;

// The test's current folder, which the program started inherits, for as long as it lives.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::filesystem::path& folder)
      : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolder() { std::filesystem::current_path(before_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  std::filesystem::path before_;
};

const std::string kAnnotatedModule =
    CrLfLines({"Attribute VB_Name = \"M\"", "Sub A()", "x = 1 'x 等于 1", "End Sub"});

// Whether a staged file was left beside `file`; the folder is searched in the \\?\ form, as
// the deepest lies past MAX_PATH.
bool StagedFileBeside(const std::filesystem::path& file) {
  const std::wstring pattern = L"\\\\?\\" + file.parent_path().native() + L"\\.tessaly-*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

TEST(PathKinds, EveryCommandWorksOnEveryKindOfRelativePath) {
  TempFolder top;
  const std::filesystem::path work = top.Path() / "work";
  std::filesystem::create_directory(work);
  const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\";
  const std::string drive = Utf8Text(work.root_name());  // "C:"
  const std::string click = "click 代码缩进 --line 2 -i";
  const std::string annotate = "annotate --encoding utf-8 -i";
  const struct {
    std::string path;  // from the work folder
    std::string command;
    int status;
    std::string out;  // "{}" stands for the path
    std::string after;
  } cases[] = {
      {"Module1.bas", "fmt -i", 0, "", kIndentedModule},
      {".\\Dot.bas", "fmt --check", 1, "{}\n", kFlatModule},
      {".\\Dot.bas", "fmt -i", 0, "", kIndentedModule},
      {"..\\Up.bas", "fmt --diff", 1, "--- {}\n+++ {}\n", kFlatModule},
      {"..\\Up.bas", "fmt -i", 0, "", kIndentedModule},
      {"src\\Back.bas", click, 0, "", kIndentedModule},
      {"src/Forward.bas", annotate, 0, "", kAnnotatedModule},
      {drive + "Drive.bas", "fmt -i", 0, "", kIndentedModule},
      {"带 空格 的目录\\模块 一.bas", click, 0, "", kIndentedModule},
      {deep + std::string(60, 'f') + "模块.bas", annotate, 0, "", kAnnotatedModule},
  };
  ASSERT_GE(cases[std::size(cases) - 1].path.size(), 300u);
  // The search finds what it looks for, so that its silence below means something.
  std::ofstream(work / ".tessaly-probe.tmp") << "";
  ASSERT_TRUE(StagedFileBeside(work / "M.bas"));
  std::filesystem::remove(work / ".tessaly-probe.tmp");
  const CurrentFolder in_work(work);
  for (const auto& row : cases) {
    SCOPED_TRACE(row.path + " " + row.command);
    const std::filesystem::path file = std::filesystem::absolute(Utf8Path(row.path));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << kFlatModule;
    std::vector<std::string> args = Words(row.command);
    args.push_back(row.path);
    const auto result = RunBinary(args);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.err, "");
    std::string out = row.out;
    for (auto at = out.find("{}"); at != std::string::npos; at = out.find("{}", at))
      out.replace(at, 2, row.path);
    EXPECT_EQ(result.out.substr(0, out.size()), out);
    EXPECT_EQ(ReadBytes(file), row.after);
    EXPECT_FALSE(StagedFileBeside(file));
    std::filesystem::remove(file);
  }
}

}  // namespace
}  // namespace tessaly::cli
