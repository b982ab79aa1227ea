// `tessaly style`: each module's layout key by key with where each value was set, the options
// that leave the .editorconfig files unread or override them, and every refusal as one line.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "style/style_keys.h"
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
  // A value no file sets is the default, in the user's language.
  for (const auto language : test_support::kLanguages) {
    const std::string by_default = language::Words(language, language::MessageId::kDefaultOrigin);
    const auto result =
        RunTessaly({"style", module, "--style", "Trim_Trailing_Whitespace=TRUE", form}, "",
                   kModuleSizeLimit, language);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    const auto line = [](const std::string& key, const std::string& value,
                         const std::string& origin) {
      return "  " + key + " = " + value + "  (" + origin + ")\n";
    };
    const std::string defaults = line("vb_indent_procedure_body", "true", by_default) +
                                 line("vb_directives_at_column_1", "false", by_default) +
                                 line("vb_labels_at_column_1", "false", by_default) +
                                 line("vb_keep_column_1_comments", "false", by_default);
    EXPECT_EQ(result.out,
              module + "\n" + line("indent_style", "tab", top + ":3") +
                  line("indent_size", "2", nearer + ":2") + line("tab_width", "8", top + ":4") +
                  line("trim_trailing_whitespace", "true", "--style") +
                  line("vb_indent_case", "false", by_default) + defaults +
                  line("vb_continuation", "keep", nearer + ":3") + form + "\n" +
                  line("indent_style", "tab", top + ":3") + line("indent_size", "8", top + ":4") +
                  line("tab_width", "8", top + ":4") +
                  line("trim_trailing_whitespace", "true", "--style") +
                  line("vb_indent_case", "true", top + ":6") + defaults +
                  line("vb_continuation", "level", by_default));
    const auto unread =
        RunTessaly({"style", "--no-editorconfig", module, "--style", "indent_size=3"}, "",
                   kModuleSizeLimit, language);
    EXPECT_NE(unread.out.find("  indent_style = space  (" + by_default +
                              ")\n"
                              "  indent_size = 3  (--style)\n"
                              "  tab_width = 3  (--style)\n"),
              std::string::npos)
        << unread.out;
  }
}

TEST(StyleCommand, RefusesWithOneLine) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "unreadable" / ".editorconfig");
  const std::string bad_value =
      Shown(folder.Write("bad_value/.editorconfig", "root = true\n[*]\n\nindent_size = 17\n"));
  const std::string bad_line =
      Shown(folder.Write("bad_line/.editorconfig", "root = true\n[*.bas\n"));
  const std::string module = folder.Write("m.bas", "");
  const auto in = [&](const char* sub) {
    return test_support::Utf8Text(folder.Path() / sub / "m.bas");
  };
  const std::string unreadable =
      Shown(test_support::Utf8Text(folder.Path() / "unreadable" / ".editorconfig"));
  std::string keys;
  for (const auto& key : style::StyleKeys())
    keys += (keys.empty() ? "" : ", ") + std::string(key.name);
  using enum language::MessageId;
  const struct {
    std::vector<std::string> args;
    language::Message said;
  } cases[] = {
      {{"style", in("bad_value")}, {kStyleTakesSize, {"17"}, bad_value + ":4: indent_size"}},
      {{"style", in("bad_line")}, {kStyleSectionUnclosed, {}, bad_line + ":2: [*.bas"}},
      {{"style", in("unreadable")}, {kStyleNotAFile, {}, unreadable}},
      {{"style", module, "--style", "indent_sise=2"},
       {kStyleNotAKey, {keys}, "--style: indent_sise"}},
      {{"style", module, "--style", "vb_continuation=wobble"},
       {kStyleTakesContinuation, {"wobble"}, "--style: vb_continuation"}},
      {{"style", module, "--style", "indent_size"},
       {kStyleOverrideForm, {"indent_size"}, "--style"}},
      // A wrong value is told before any file is looked at.
      {{"fmt", module + ".missing", "--style", "vb_continuation=wobble"},
       {kStyleTakesContinuation, {"wobble"}, "--style: vb_continuation"}},
      {{"style"}, {kTakesFiles, {"style"}, {}}},
      {{"style", module, "--style"}, {kNeedsValue, {"--style"}, {}}},
  };
  for (const auto& row : cases)
    EXPECT_TRUE(test_support::IsRefusalInEachLanguage(row.args, {row.said}));
}

}  // namespace
}  // namespace tessaly::cli
