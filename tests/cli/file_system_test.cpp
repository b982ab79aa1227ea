// What the command line meets on Linux and not on Windows: permission bits, symbolic links,
// devices, resource limits. The Windows counterparts are in file_system_test_win32.cpp.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <optional>

#include "cli/registry_file.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

// Devices and permission bits: one line, status 2, and the folder as it was. A read error is no
// empty file; a device that never ends is refused at the limit; a report whose write fails only
// when the file is closed leaves the module as it was. The add-in is installed on Windows
// alone: here the doctor has nothing to examine, and says so.
TEST(PosixFiles, DevicesAndUnreadableFilesAreRefused) {
  TempFolder folder;
  const std::string module = folder.Write("Demo.bas", kFlatModule);
  using language::Message;
  using enum language::MessageId;
  std::vector<std::pair<std::vector<std::string>, Message>> cases = {
      // The system's own words for a failure only Linux names.
      {{"fmt", "/proc/self/mem"}, {kSystemReason, {"Input/output error"}, "/proc/self/mem"}},
      {{"fmt", "-i", module, "/dev/zero"}, {kLargerThanAModule, {"256"}, "/dev/zero"}},
      {{"click", "代码缩进", module, "-i", "--line", "2", "--report", "/dev/full"},
       {kReportCannotBeWritten, {"/dev/full"}, {}}},
      {{"doctor", "--fix"}, {kDoctorElsewhere, {}, {}}},
  };
  // The superuser reads a file whatever its permission bits say.
  if (::geteuid() != 0) {
    const std::string locked = folder.Write("Locked.bas", kFlatModule);
    fs::permissions(locked, fs::perms::none);
    cases.push_back({{"click", "代码缩进", locked, "-i"}, {kPermissionDenied, {}, locked}});
  }
  const auto before = SnapshotFolder(folder);
  for (const auto& [args, said] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    EXPECT_TRUE(IsRefusalInEachLanguage(args, {said}));
    EXPECT_TRUE(SnapshotFolder(folder) == before);
  }
}

// The built program answers in the user's language as gettext finds it: Chinese under a zh
// locale, English under C, whichever of the variables says so first; TESSALY_LANG overrides.
TEST(PosixLocale, TheProgramSpeaksTheLocalesLanguage) {
  using language::Language;
  const struct {
    std::vector<std::string> environment;
    Language expected;
  } cases[] = {
      {{"TESSALY_LANG=", "LC_ALL=", "LC_MESSAGES=", "LANG=zh_CN.UTF-8"}, Language::kChinese},
      {{"TESSALY_LANG=", "LC_ALL=", "LC_MESSAGES=", "LANG=C"}, Language::kEnglish},
      {{"TESSALY_LANG=", "LC_ALL=C", "LC_MESSAGES=", "LANG=zh_CN.UTF-8"}, Language::kEnglish},
      {{"TESSALY_LANG=zh", "LC_ALL=C", "LC_MESSAGES=", "LANG=C"}, Language::kChinese},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.environment));
    const auto help = RunBinary({"--help"}, "", false, c.environment);
    EXPECT_EQ(help.out, language::Words(c.expected, language::MessageId::kUsage));
    const auto refusal = RunBinary({"fmt", "Missing.bas"}, "", false, c.environment);
    EXPECT_EQ(refusal.err,
              "tessaly: " +
                  language::Say(c.expected, {language::MessageId::kNoSuchFile, {}, "Missing.bas"}) +
                  "\n");
  }
  EXPECT_TRUE(RunBinary({"--help"}, "", false,
                        {"TESSALY_LANG=", "LC_ALL=", "LC_MESSAGES=", "LANG=zh_CN.UTF-8"})
                  .out.starts_with("用法：tessaly <命令> [选项]\n"));
}

// Without a folder for settings (XDG_CONFIG_HOME and HOME empty) the switches have nowhere to
// be kept: refused, not kept below whatever folder the program happens to run in.
TEST(PosixFiles, SwitchesWithoutAConfigFolderAreRefused) {
  const auto about =
      RunBinary({"about", "--set", "多标签页=1"}, "", false, {"XDG_CONFIG_HOME=", "HOME="});
  EXPECT_EQ(about.status, kExitBadInput);
  EXPECT_EQ(about.err,
            "tessaly: " +
                language::Say(language::Language::kEnglish,
                              {language::MessageId::kNoConfigFolderForRegistry, {}, {}}) +
                "\n");
}

// A file rewritten in place keeps its permission bits, and its group where it is not the
// user's own (the superuser may give it any); a link is followed: the file it names takes the
// bytes, and the link stays a link.
TEST(PosixFiles, InPlaceKeepsTheModeAndFollowsLinks) {
  TempFolder folder;
  const std::string path = folder.Write("Demo.bas", kFlatModule);
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                    fs::perms::others_exec;
  fs::permissions(path, mode);
  const gid_t group = ::getegid() == 1 ? 2 : 1;
  const bool regrouped = ::geteuid() == 0 && ::chown(path.c_str(), -1, group) == 0;
  fs::create_symlink(path, folder.Path() / "Link.bas");
  ASSERT_EQ(RunTessaly({"fmt", "-i", (folder.Path() / "Link.bas").string()}).status, kExitOk);
  EXPECT_EQ(ReadBytes(path), kIndentedModule);
  EXPECT_EQ(fs::status(path).permissions(), mode);
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_gid, regrouped ? group : ::getegid());
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "Link.bas"));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Demo.bas", "Link.bas"}));
}

// The registry's lock is named after the folder the file will be written in: a link's target's,
// however many links lead there and whether or not the file exists yet. A folder reached
// through a link is the folder it names.
TEST(PosixFiles, TheRegistrysLockIsOnTheFolderItsFileIsWrittenIn) {
  TempFolder top;
  const fs::path root = fs::canonical(top.Path());
  fs::create_directories(root / "real" / "deep");
  fs::create_directory_symlink(root / "real", root / "alias");
  top.Write("real/r.reg", "");
  fs::create_symlink(root / "real" / "r.reg", root / "absolute.reg");
  fs::create_symlink("real/deep/../r.reg", root / "relative.reg");
  fs::create_symlink("absolute.reg", root / "chained.reg");
  fs::create_symlink("real/deep/none.reg", root / "dangling.reg");
  const struct {
    const char* file;
    std::optional<fs::path> folder;
  } rows[] = {
      {"real/r.reg", root / "real"},
      {"real/none.reg", root / "real"},
      {"alias/r.reg", root / "real"},
      {"absolute.reg", root / "real"},
      {"relative.reg", root / "real"},
      {"chained.reg", root / "real"},
      {"dangling.reg", root / "real" / "deep"},
      {"missing/r.reg", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(RegistryLockFolder(root / row.file), row.folder) << row.file;
  }
}

// Runs the command line with room for only `room` MiB more than the process already maps, and
// exits with its status.
[[noreturn]] void RunWithLittleMemory(const std::vector<std::string>& args, rlim_t room,
                                      std::size_t result_limit = kModuleSizeLimit,
                                      const std::string& standard_input = "") {
  std::size_t mapped_pages = 0;
  std::ifstream("/proc/self/statm") >> mapped_pages;
  room = (room << 20) + mapped_pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
  const rlimit limit{room, room};
  setrlimit(RLIMIT_AS, &limit);
  const auto result = RunTessaly(args, standard_input, result_limit);
  std::cerr << result.err;
  std::exit(result.status);
}

std::string ModuleOfLines(int lines) {
  std::string module = "Sub A()\r\n";
  for (int k = 0; k < lines; ++k)
    module += "x = 1\r\n";
  return module + "End Sub\r\n";
}

// Running out of memory is bad input like any other: one line and status 2, no abort. A module
// that grows past the bound is refused for that, within memory of the order of the larger of
// input and bound: fmt measures the result before it builds it, and the editor takes no more
// than the bound. fmt --check answers file by file: what four files need is what the largest
// needs. (AddressSanitizer reserves terabytes of address space for its shadow memory, so it
// cannot start under an address-space limit.)
TEST(BadInput, MemoryIsBoundedByTheLargestFileAndItsResult) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer cannot start under RLIMIT_AS";
#endif
  TempFolder folder;
  // Large enough to run out even where a thread of an earlier test left malloc an arena, whose
  // reserved room the limit counts and the child may still use.
  EXPECT_EXIT(RunWithLittleMemory({"fmt", "-"}, 96, kModuleSizeLimit, ModuleOfLines(4'000'000)),
              testing::ExitedWithCode(kExitBadInput), "^tessaly: out of memory\n$");
  const auto deep = folder.Write("Deep.bas", NestedIfs(40'000));
  EXPECT_EXIT(RunWithLittleMemory({"fmt", deep}, 48), testing::ExitedWithCode(kExitBadInput),
              "^tessaly: .*Deep.bas: the result would be larger than 256 MiB, the most a module "
              "may hold\n$");
  const auto nested = folder.Write("Nested.bas", NestedIfs(4'000));
  EXPECT_EXIT(RunWithLittleMemory({"click", "代码缩进", nested, "--line", "2"}, 96, 16u << 20),
              testing::ExitedWithCode(kExitBadInput), "larger than 16 MiB");
  const auto path = folder.Write("M.bas", ModuleOfLines(1'000'000));
  EXPECT_EXIT(RunWithLittleMemory({"fmt", "--check", path, path, path, path}, 200),
              testing::ExitedWithCode(kExitChanged), "");
}

// Descriptor 0 is standard input, which the process holds open: a temporary file, or a module
// opened for reading, is never descriptor 0, so tests of `descriptor_ >= 0` against `>= 1` (or
// `< 0` against `<= 0`) agree.

// A write cut short after the temporary file was made (by the file size limit, as by a full
// disk) names the file and leaves the module as it was and no temporary file behind.
TEST(PosixFiles, AWriteCutShortLeavesNothingBehind) {
  TempFolder folder;
  const std::string module = folder.Write("Limited.bas", NestedIfs(50));
  const auto before = SnapshotFolder(folder);
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{16, limit.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto result = RunTessaly({"fmt", "-i", module});
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previous_handler);
  EXPECT_TRUE(IsRefusal(result, {module}));
  EXPECT_TRUE(SnapshotFolder(folder) == before);
}

}  // namespace
}  // namespace tessaly::cli
