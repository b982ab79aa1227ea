// Every way a Windows user, cmd, Git Bash or pre-commit names a module, relative to the folder
// the program runs in: each command through the built program, in place included, since
// writing beside a file is where a path's folder matters.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using test_support::kFlatModule;
using test_support::kIndentedModule;

// Whether a staged file was left beside `file`; the folder is searched in the \\?\ form, as
// the deepest lies past MAX_PATH.
bool StagedFileBeside(const fs::path& file) {
  const std::wstring pattern = L"\\\\?\\" + file.parent_path().native() + L"\\.tessaly-*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

TEST(PathKinds, EveryCommandWorksOnEveryKindOfRelativePath) {
  test_support::TempFolder top;
  const fs::path work = top.Path() / "work";
  fs::create_directory(work);
  const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\";
  const std::string annotated = test_support::CrLfLines(
      {"Attribute VB_Name = \"M\"", "Sub A()", "x = 1 'x 等于 1", "End Sub"});
  const std::vector<std::string> click = {"click", "代码缩进", "--line", "2", "-i"};
  const std::vector<std::string> annotate = {"annotate", "--encoding", "utf-8", "-i"};
  const std::vector<std::string> fmt = {"fmt", "-i"};
  const struct {
    std::string path;  // from the work folder
    std::vector<std::string> command;
    int status;
    std::string out;  // "{}" stands for the path
    std::string after;
  } cases[] = {
      {"Module1.bas", fmt, 0, "", kIndentedModule},
      {".\\Dot.bas", {"fmt", "--check"}, 1, "{}\n", kFlatModule},
      {".\\Dot.bas", fmt, 0, "", kIndentedModule},
      {"..\\Up.bas", {"fmt", "--diff"}, 1, "--- {}\n+++ {}\n", kFlatModule},
      {"..\\Up.bas", fmt, 0, "", kIndentedModule},
      {"src\\Back.bas", click, 0, "", kIndentedModule},
      {"src/Forward.bas", annotate, 0, "", annotated},
      {test_support::Utf8Text(work.root_name()) + "Drive.bas", fmt, 0, "", kIndentedModule},
      {"带 空格 的目录\\模块 一.bas", click, 0, "", kIndentedModule},
      {deep + std::string(60, 'f') + "模块.bas", annotate, 0, "", annotated},
  };
  ASSERT_GE(cases[std::size(cases) - 1].path.size(), 300u);
  // The search finds what it looks for, so that its silence below means something.
  std::ofstream(work / ".tessaly-probe.tmp") << "";
  ASSERT_TRUE(StagedFileBeside(work / "M.bas"));
  fs::remove(work / ".tessaly-probe.tmp");
  const fs::path before = fs::current_path();
  fs::current_path(work);  // which the program started inherits
  for (const auto& row : cases) {
    SCOPED_TRACE(row.path);
    const fs::path file = fs::absolute(test_support::Utf8Path(row.path));
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << kFlatModule;
    std::vector<std::string> args = row.command;
    args.push_back(row.path);
    const auto result = test_support::RunBinary(args);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.err, "");
    std::string out = row.out;
    for (auto at = out.find("{}"); at != std::string::npos; at = out.find("{}", at))
      out.replace(at, 2, row.path);
    EXPECT_EQ(result.out.substr(0, out.size()), out);
    EXPECT_EQ(test_support::ReadBytes(test_support::Utf8Text(file)), row.after);
    EXPECT_FALSE(StagedFileBeside(file));
    fs::remove(file);
  }
  fs::current_path(before);
}

}  // namespace
}  // namespace tessaly::cli
