// Every way a Windows user, cmd, Git Bash or pre-commit names a module, relative to the folder
// the program runs in: each command through the built program, in place included, since
// writing beside a file is where a path's folder matters.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(PathKinds, EveryCommandWorksOnEveryKindOfRelativePath) {
  TempFolder top;
  const std::filesystem::path work = top.Path() / "work";
  const std::string deep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\";
  std::filesystem::create_directories(work / "src");
  std::filesystem::create_directories(work / Utf8Path("带 空格 的目录"));
  std::filesystem::create_directories(work / Utf8Path(deep));
  const std::string drive = Utf8Text(work.root_name());  // "C:"
  const struct {
    const char* kind;
    std::string file;  // where it lies, from the top folder
    std::string path;  // as the command names it, from the work folder
    std::vector<std::string> command;
    int status;
    std::string out;  // "{}" stands for the path
    std::string after;
  } cases[] = {
      {"a bare name", "work/Module1.bas", "Module1.bas", {"fmt", "-i"}, 0, "", kIndentedModule},
      {".\\", "work/Dot.bas", ".\\Dot.bas", {"fmt", "--check"}, 1, "{}\n", kFlatModule},
      {".\\ in place", "work/Dot.bas", ".\\Dot.bas", {"fmt", "-i"}, 0, "", kIndentedModule},
      {"..\\", "Up.bas", "..\\Up.bas", {"fmt", "--diff"}, 1, "--- {}\n+++ {}\n", kFlatModule},
      {"..\\ in place", "Up.bas", "..\\Up.bas", {"fmt", "-i"}, 0, "", kIndentedModule},
      {"a subfolder with \\",
       "work/src/Back.bas",
       "src\\Back.bas",
       {"click", "代码缩进", "--line", "2", "-i"},
       0,
       "",
       kIndentedModule},
      {"a subfolder with /",
       "work/src/Fwd.bas",
       "src/Fwd.bas",
       {"annotate", "--encoding", "utf-8", "-i"},
       0,
       "",
       kAnnotatedModule},
      {"drive-relative",
       "work/Drive.bas",
       drive + "Drive.bas",
       {"fmt", "-i"},
       0,
       "",
       kIndentedModule},
      {"blanks and Chinese",
       "work/带 空格 的目录/模块 一.bas",
       "带 空格 的目录\\模块 一.bas",
       {"click", "代码缩进", "--line", "2", "-i"},
       0,
       "",
       kIndentedModule},
      {"300 characters",
       "work/" + deep + std::string(60, 'f') + "模块.bas",
       deep + std::string(60, 'f') + "模块.bas",
       {"annotate", "--encoding", "utf-8", "-i"},
       0,
       "",
       kAnnotatedModule},
  };
  const CurrentFolder in_work(work);
  for (const auto& row : cases) {
    SCOPED_TRACE(row.kind);
    const std::filesystem::path file = Utf8Path(top.Write(row.file, kFlatModule));
    std::vector<std::string> args = row.command;
    args.push_back(row.path);
    const auto result = RunBinary(args);
    EXPECT_EQ(result.status, row.status) << result.err;
    EXPECT_EQ(result.err, "");
    std::string out = row.out;
    for (auto at = out.find("{}"); at != std::string::npos; at = out.find("{}", at))
      out.replace(at, 2, row.path);
    EXPECT_EQ(result.out.substr(0, out.size()), out);
    EXPECT_EQ(ReadBytes(file), row.after);
    std::filesystem::remove(file);
  }
  EXPECT_GE(cases[std::size(cases) - 1].path.size(), 300u);
  // Nothing staged was left behind anywhere; the folders are walked in the \\?\ form, as the
  // deepest lies past MAX_PATH.
  std::vector<std::string> left;
  const std::filesystem::path walked = L"\\\\?\\" + top.Path().native();
  for (const auto& entry : std::filesystem::recursive_directory_iterator(walked)) {
    if (entry.is_regular_file()) left.push_back(Utf8Text(entry.path()));
  }
  EXPECT_EQ(left, std::vector<std::string>{});
}

}  // namespace
}  // namespace tessaly::cli
