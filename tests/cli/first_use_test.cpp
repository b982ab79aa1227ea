#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::ReadBytes;
using test_support::RunTessaly;
using test_support::TempFolder;

const std::string kSourceDir = TESSALY_SOURCE_DIR;

// The commands of the README's ```sh blocks, in order.
std::vector<std::string> ReadmeCommands() {
  const std::string readme = ReadBytes(kSourceDir + "/README.md");
  std::vector<std::string> commands;
  for (std::size_t at = readme.find("```sh\n"); at != std::string::npos;
       at = readme.find("```sh\n", at + 1)) {
    const std::size_t begin = at + 6;
    commands.push_back(readme.substr(begin, readme.find('\n', begin) - begin));
  }
  return commands;
}

// A new user's first command builds only what it runs; the test command, which CI runs as it
// stands, builds the rest.
TEST(FirstUse, TheFirstCommandBuildsOnlyWhatItRuns) {
  const auto commands = ReadmeCommands();
  ASSERT_GE(commands.size(), 2u);
  EXPECT_NE(commands[0].find("cmake --build build -j2 --target tessaly && ./build/tessaly "),
            std::string::npos)
      << commands[0];
  EXPECT_EQ(commands[1].find("--target"), std::string::npos) << commands[1];
  EXPECT_NE(ReadBytes(kSourceDir + "/.ci/run").find("\n" + commands[1] + "\n"), std::string::npos);
}

TEST(FirstUse, DiffShowsWhatFormattingWouldChange) {
  struct Case {
    std::string module;
    int status;
    std::string diff;
  };
  const Case cases[] = {
      {"Sub A()\r\n    x = 1\r\nEnd Sub\r\n", kExitOk, ""},
      {"Sub A()\r\nx = 1\r\nEnd Sub", kExitChanged,
       "--- <stdin>\n+++ <stdin>\n@@ -1,3 +1,3 @@\n Sub A()\r\n-x = 1\r\n+    x = 1\r\n End Sub\n"
       "\\ No newline at end of file\n"},
      // Changes more than six lines apart make hunks of their own, with three lines of context.
      {"Sub A()\nx\nEnd Sub\nSub B()\nEnd Sub\nSub C()\nEnd Sub\nSub D()\ny\nEnd Sub\n",
       kExitChanged,
       "--- <stdin>\n+++ <stdin>\n@@ -1,5 +1,5 @@\n Sub A()\n-x\n+    x\n End Sub\n Sub B()\n"
       " End Sub\n@@ -6,5 +6,5 @@\n Sub C()\n End Sub\n Sub D()\n-y\n+    y\n End Sub\n"},
  };
  for (const auto& c : cases) {
    const auto result = RunTessaly({"fmt", "--diff", "-"}, c.module);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.diff);
  }
}

// Plain ASCII fits both encodings; --encoding decides what Chinese text added to it becomes.
TEST(FirstUse, EncodingDecidesForPlainAsciiOnly) {
  const std::string ascii = "Sub A()\r\nDim x As Long\r\nEnd Sub\r\n";
  const std::string gbk = "Sub A()\r\n\xB4\xFA = 1\r\nEnd Sub\r\n";
  struct Case {
    std::vector<std::string> options;
    std::string module;
    std::string comment_start;  // 定义 in the file's encoding
  };
  const Case cases[] = {
      {{}, ascii, "'\xB6\xA8\xD2\xE5"},
      {{"--encoding", "gbk"}, ascii, "'\xB6\xA8\xD2\xE5"},
      {{"--encoding", "utf-8"}, ascii, "'\xE5\xAE\x9A\xE4\xB9\x89"},
      {{"--encoding", "utf-8"}, gbk, "'\xB4\xFA"},  // the bytes decide: stays GBK
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"annotate", "-"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto result = RunTessaly(args, c.module);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    EXPECT_NE(result.out.find(c.comment_start), std::string::npos) << testing::PrintToString(args);
  }
  const auto wrong = RunTessaly({"fmt", "--encoding", "latin1", "-"}, ascii);
  EXPECT_EQ(wrong.status, kExitBadInput);
  EXPECT_EQ(wrong.err, "tessaly: --encoding takes gbk or utf-8, not 'latin1'\n");
}

// What a pre-commit hook runs: `entry` on the files `files` matches.
TEST(FirstUse, PreCommitHookChecksModules) {
  const std::string hooks = ReadBytes(kSourceDir + "/.pre-commit-hooks.yaml");
  std::smatch entry;
  std::smatch files;
  ASSERT_TRUE(std::regex_search(hooks, entry, std::regex("\n  entry: tessaly ([^\n]*)\n")));
  ASSERT_TRUE(std::regex_search(hooks, files, std::regex("\n  files: ([^\n]*)\n")));
  const std::regex modules(files[1].str());
  for (const std::string name : {"a.bas", "b/Form1.frm", "Class1.cls"})
    EXPECT_TRUE(std::regex_search(name, modules)) << name;
  for (const std::string name : {"a.bas.txt", "README.md", "basic.c"})
    EXPECT_FALSE(std::regex_search(name, modules)) << name;

  TempFolder folder;
  const auto formatted = folder.Write("A.bas", "Sub A()\r\n    x = 1\r\nEnd Sub\r\n");
  const auto unformatted = folder.Write("B.bas", "Sub B()\r\nx = 1\r\nEnd Sub\r\n");
  std::vector<std::string> args;
  std::istringstream words(entry[1].str());
  for (std::string word; words >> word;)
    args.push_back(word);
  args.push_back(formatted);
  EXPECT_EQ(RunTessaly(args).status, kExitOk);
  args.push_back(unformatted);
  const auto result = RunTessaly(args);
  EXPECT_EQ(result.status, kExitChanged);
  EXPECT_EQ(result.out, unformatted + "\n");
}

}  // namespace
}  // namespace tessaly::cli
