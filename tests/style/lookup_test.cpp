// The properties that apply to a module: the files read upward, their order, root, unset, the
// text's forms (BOM, CR LF, comments, case), Windows paths, and every way a file is refused.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "memory_source.h"
#include "style/editorconfig_lookup.h"
#include "style/editorconfig_text.h"

namespace tessaly::style {
namespace {

std::map<std::string, std::string> Values(const Properties& properties) {
  std::map<std::string, std::string> values;
  for (const auto& [key, setting] : properties)
    values[key] = setting.value;
  return values;
}

TEST(EditorConfigLookup, NearerFilesAndLaterSectionsWinUpToARoot) {
  MemorySource source;
  source.files["/.editorconfig"] = "[*]\nabove_root = 1\n";
  source.files["/p/.editorconfig"] =
      "\xEF\xBB\xBFroot = TRUE\r\n"
      "; a comment\r\n"
      "[*]\r\n"
      "Indent_Style = TAB ; after a blank, a comment\r\n"
      "tab_width = 8\r\n"
      "name = a;b\r\n"
      "[*.bas] #] a comment\r\n"
      "tab_width = 3\r\n"
      "[src/**/*.cls]\r\n"
      "anchored = yes\r\n";
  source.files["/p/src/.editorconfig"] =
      "# nearer\n"
      "[*.bas]\n"
      "TAB_WIDTH = unset\n"
      "trim_trailing_whitespace = TRUE\n"
      "vb_indent_case = TRUE\n";
  EditorConfigLookup lookup(source);
  const auto bas = lookup.PropertiesFor("/p/src/m.bas");
  EXPECT_EQ(Values(bas), (std::map<std::string, std::string>{
                             {"indent_style", "tab"},
                             {"name", "a;b"},
                             {"tab_width", "unset"},
                             {"trim_trailing_whitespace", "true"},
                             {"vb_indent_case", "TRUE"},
                         }));
  EXPECT_EQ(bas.at("indent_style"), (PropertySetting{"tab", "/p/.editorconfig", 4}));
  EXPECT_EQ(bas.at("tab_width"), (PropertySetting{"unset", "/p/src/.editorconfig", 3}));
  EXPECT_EQ(
      Values(lookup.PropertiesFor("/p/src/deep/c.cls")),
      (std::map<std::string, std::string>{
          {"indent_style", "tab"}, {"name", "a;b"}, {"tab_width", "8"}, {"anchored", "yes"}}));
  EXPECT_FALSE(lookup.PropertiesFor("/p/other/src/c.cls").contains("anchored"));
  // Each folder's file was read once for all four modules, and none above the root.
  for (const auto& [path, count] : source.reads)
    EXPECT_EQ(count, 1) << path;
  EXPECT_FALSE(source.reads.contains("/.editorconfig"));
  EXPECT_TRUE(Values(lookup.PropertiesFor("/elsewhere/m.bas")).contains("above_root"));
  EXPECT_EQ(lookup.PropertiesFor("/p/m.bas").at("tab_width").value, "3");
}

// The sizes as EditorConfig derives them from each other, the same whatever the letter case of
// the values written.
TEST(EditorConfigLookup, DerivesEachSizeFromTheOtherInAnyLetterCase) {
  const struct {
    const char* written;
    const char* indent_size;  // "-": none
    const char* tab_width;
  } rows[] = {
      {"indent_style = tab", "tab", "-"},
      {"indent_style = tab\ntab_width = 8", "8", "8"},
      {"indent_size = tab\ntab_width = abc", "abc", "abc"},
      {"indent_size = 2", "2", "2"},
      {"indent_size = 2\ntab_width = 8", "2", "8"},
      {"indent_style = space\ntab_width = 3", "-", "3"},
      {"indent_style = tab\nindent_size = 2", "2", "2"},
  };
  for (const auto& row : rows) {
    for (const bool upper : {false, true}) {
      std::string written = row.written;
      if (upper) {
        for (auto at = written.find(" = "); at != std::string::npos;
             at = written.find(" = ", at + 1))
          for (auto c = written.begin() + static_cast<long>(at); c != written.end() && *c != '\n';
               ++c)
            *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
      }
      SCOPED_TRACE(written);
      MemorySource source;
      source.files["/p/.editorconfig"] = "root = true\n[*]\n" + written + "\n";
      auto properties = EditorConfigLookup(source).PropertiesFor("/p/m.bas");
      DeriveSizes(properties);
      const auto values = Values(properties);
      const auto value = [&](const char* key) {
        return values.contains(key) ? values.at(key) : std::string("-");
      };
      EXPECT_EQ(value("indent_size"), row.indent_size);
      // tab_width stays as written; the size taken from it is compared without case.
      auto width = value("tab_width");
      for (auto& c : width)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_EQ(width, row.tab_width);
    }
  }
}

TEST(EditorConfigLookup, TakesWindowsPathsAndShares) {
  MemorySource source;
  source.files["C:/工程/.editorconfig"] = "[模块/*.bas]\nindent_size = 2\n";
  EditorConfigLookup lookup(source);
  EXPECT_EQ(lookup.PropertiesFor("C:\\工程\\模块\\甲.bas").at("indent_size"),
            (PropertySetting{"2", "C:/工程/.editorconfig", 2}));
  EXPECT_TRUE(source.reads.contains("C:/.editorconfig"));
  // A network share's top is the share: the server is no folder, and reading it would fail.
  source.unreadable = "//server/.editorconfig";
  source.files["//server/share/.editorconfig"] = "[*]\nindent_size = 3\n";
  EXPECT_EQ(lookup.PropertiesFor(R"(\\server\share\工程\甲.bas)").at("indent_size").value, "3");
}

TEST(EditorConfigLookup, RefusesWhatItCannotRead) {
  const std::string huge(kEditorConfigSizeLimit + 1, '#');
  const std::string long_line = "[*]\nx = " + std::string(kEditorConfigLineLimit, 'v') + "\n";
  const struct {
    std::string text;
    std::uint32_t line;
    std::string key;
  } cases[] = {
      {"[*]\nindent_size\n", 2, "indent_size"},
      {"root = true\n[*.bas\nx = 1\n", 2, "[*.bas"},
      {"[*]\nkey #= value\n", 2, "key #= value"},
      {long_line, 2, ""},
      {huge, 0, ""},
  };
  for (const auto& row : cases) {
    MemorySource source;
    source.files["/p/.editorconfig"] = row.text;
    EditorConfigLookup lookup(source);
    try {
      lookup.PropertiesFor("/p/m.bas");
      ADD_FAILURE() << row.text.substr(0, 20);
    } catch (const StyleError& error) {
      EXPECT_EQ(error.file(), "/p/.editorconfig");
      EXPECT_EQ(error.line(), row.line);
      EXPECT_EQ(error.key(), row.key);
      EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
    }
  }
  MemorySource source;
  source.unreadable = "/p/.editorconfig";
  EditorConfigLookup lookup(source);
  EXPECT_THROW(lookup.PropertiesFor("/p/q/m.bas"), StyleError);
}

}  // namespace
}  // namespace tessaly::style
