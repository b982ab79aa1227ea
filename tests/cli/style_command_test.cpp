// `tessaly style`: each module's layout key by key with where each value was set, the options
// that leave the .editorconfig files unread or override them, and every refusal as one line.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/cli_fixture.h"

namespace tessaly::cli {
namespace {

using test_support::IsRefusal;
using test_support::RunTessaly;
using test_support::TempFolder;

// As the lookup names folders in origins: `/` between them on every system.
std::string Shown(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

TEST(StyleCommand, ShowsEachKeyAndWhereItWasSet) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path() / test_support::Utf8Path("模块"));
  const std::string top =
      Shown(folder.Write(".editorconfig",
                         "root = true\r\n[*]\r\nindent_style = tab\r\n"
                         "tab_width = 8\r\n[*.cls]\r\nvb_indent_case = true\r\n"));
  const std::string nearer = Shown(
      folder.Write("模块/.editorconfig", "[*.bas]\nindent_size = 2\nvb_continuation = keep\n"));
  const std::string module = folder.Write("模块/甲.bas", "");
  const std::string form = folder.Write("窗体.cls", "");
  const auto result =
      RunTessaly({"style", module, "--style", "Trim_Trailing_Whitespace=TRUE", form});
  EXPECT_EQ(result.status, kExitOk) << result.err;
  const auto line = [](const std::string& key, const std::string& value,
                       const std::string& origin) {
    return "  " + key + " = " + value + "  (" + origin + ")\n";
  };
  const std::string defaults = line("vb_directives_at_column_1", "false", "default") +
                               line("vb_labels_at_column_1", "false", "default") +
                               line("vb_keep_column_1_comments", "false", "default");
  EXPECT_EQ(result.out,
            module + "\n" + line("indent_style", "tab", top + ":3") +
                line("indent_size", "2", nearer + ":2") + line("tab_width", "8", top + ":4") +
                line("trim_trailing_whitespace", "true", "--style") +
                line("vb_indent_case", "false", "default") + defaults +
                line("vb_continuation", "keep", nearer + ":3") + form + "\n" +
                line("indent_style", "tab", top + ":3") + line("indent_size", "8", top + ":4") +
                line("tab_width", "8", top + ":4") +
                line("trim_trailing_whitespace", "true", "--style") +
                line("vb_indent_case", "true", top + ":6") + defaults +
                line("vb_continuation", "level", "default"));
  const auto unread =
      RunTessaly({"style", "--no-editorconfig", module, "--style", "indent_size=3"});
  EXPECT_NE(unread.out.find("  indent_style = space  (default)\n"
                            "  indent_size = 3  (--style)\n"
                            "  tab_width = 3  (--style)\n"),
            std::string::npos)
      << unread.out;
}

TEST(StyleCommand, RefusesWithOneLine) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "bad_value");
  std::filesystem::create_directories(folder.Path() / "bad_line");
  std::filesystem::create_directories(folder.Path() / "unreadable" / ".editorconfig");
  const std::string bad_value =
      Shown(folder.Write("bad_value/.editorconfig", "root = true\n[*]\n\nindent_size = 17\n"));
  const std::string bad_line =
      Shown(folder.Write("bad_line/.editorconfig", "root = true\n[*.bas\n"));
  const std::string module = folder.Write("m.bas", "");
  const auto in = [&](const char* sub) {
    return test_support::Utf8Text(folder.Path() / sub / "m.bas");
  };
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> parts;
  } cases[] = {
      {{"style", in("bad_value")}, {bad_value + ":4: indent_size: takes 1 to 16 or tab, not '17'"}},
      {{"style", in("bad_line")}, {bad_line + ":2: [*.bas: section without a closing ]"}},
      {{"style", in("unreadable")}, {"unreadable/.editorconfig: cannot be read"}},
      {{"style", module, "--style", "indent_sise=2"}, {"--style: indent_sise: not a style key"}},
      {{"style", module, "--style", "vb_continuation=wobble"},
       {"--style: vb_continuation: takes level or keep, not 'wobble'"}},
      {{"style", module, "--style", "indent_size"}, {"--style: takes KEY=VALUE"}},
      {{"style"}, {"style takes one or more FILEs"}},
      {{"style", module, "--style"}, {"--style needs a value"}},
  };
  for (const auto& row : cases)
    EXPECT_TRUE(IsRefusal(RunTessaly(row.args), row.parts));
}

}  // namespace
}  // namespace tessaly::cli
