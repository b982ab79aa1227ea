// Our lookup against libeditorconfig, the EditorConfig project's own C core, on generated
// folder trees: several .editorconfig files (nested, roots, every glob form, sections for one
// folder, CR LF, a BOM, comments, unset, keys and values in mixed case) and many modules in
// them. The two must report the same properties, name for name and value for value.
//
// The generator keeps to the cases where the core's answer is the EditorConfig one; where the
// core departs from it we follow our own reading and say so in glob.h (a `?` or `[...]` is one
// character, where the core takes one byte of a Chinese name; a number range is checked on
// every way the path can be split, where the core checks only the first split its regular
// expression finds; `\x` is always the character x). So `?` and sets stay out of globs with a
// `/`, Chinese stays in folder names, and a number range sits between plain letters.

#include <editorconfig/editorconfig.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "style/config_source.h"
#include "style/editorconfig_lookup.h"

namespace tessaly::style {
namespace {

namespace fs = std::filesystem;
using Values = std::map<std::string, std::string>;

class Generator {
 public:
  explicit Generator(std::uint32_t seed) : random_(seed) {}

  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }

  std::string Glob(bool with_slash) {
    if (with_slash) {
      static const std::vector<std::string> folder_globs = {
          "a/*",        "/a/*",           "src/**/*.bas",    "/src/**",
          "**/b/*.cls", "a/**",           "模块/*.bas",      "*/m.bas",
          "/x.y/*",     "a/**/{m,n}.bas", "src/*.{bas,cls}", "a/b/f{1..20}.bas",
          "/**/模块/**"};
      return Pick(folder_globs);
    }
    std::string glob;
    const std::size_t pieces = 1 + Below(3);
    for (std::size_t i = 0; i < pieces; ++i)
      glob += Piece();
    return glob;
  }

  std::string Property() {
    static const std::vector<std::string> keys = {
        "indent_style",   "Indent_Size",     "indent_size",
        "tab_width",      "TAB_WIDTH",       "trim_trailing_whitespace",
        "vb_indent_case", "vb_continuation", "charset",
        "end_of_line",    "custom_key"};
    static const std::vector<std::string> values = {
        "tab", "TAB", "Space", "space", "2", "8", "Tab", "unset", "true", "False", "keep", "x y"};
    const std::string separator = Pick(std::vector<std::string>{" = ", "=", "\t=  ", " : "});
    std::string line = Pick(keys) + separator + Pick(values);
    if (Chance(15)) line += Pick(std::vector<std::string>{" # note", " ; note"});
    return line;
  }

  std::string File(bool root) {
    const std::string newline = Chance(30) ? "\r\n" : "\n";
    std::string text = Chance(20) ? "\xEF\xBB\xBF" : "";
    if (Chance(30)) text += "# generated" + newline;
    if (root)
      text += Pick(std::vector<std::string>{"root = true", "ROOT=True", "root = TRUE"}) + newline;
    const std::size_t sections = 1 + Below(4);
    for (std::size_t s = 0; s < sections; ++s) {
      text += "[" + Glob(Chance(30)) + "]" + newline;
      if (Chance(20)) text += "; between" + newline + newline;
      const std::size_t properties = 1 + Below(4);
      for (std::size_t p = 0; p < properties; ++p)
        text += Property() + newline;
    }
    return text;
  }

 private:
  std::string Piece() {
    switch (Below(10)) {
      case 0:
        return "*";
      case 1:
        return "**";
      case 2:
        return "?";
      case 3:
        return Pick(std::vector<std::string>{"[mf]", "[a-m]", "[!m]", "[!a-f]"});
      case 4:
        return Pick(std::vector<std::string>{"{bas,cls}", "{m,{n,f}}", "{,x}", "{a,b,}"});
      case 5:
        return Pick(std::vector<std::string>{"f{1..20}.", "f{-5..5}.", "f{3..120}."});
      case 6:
        return Pick(std::vector<std::string>{"\\*", "\\{", "\\[x]"});
      case 7:
        return Pick(std::vector<std::string>{"{x}", "{}"});
      default:
        return Pick(std::vector<std::string>{"m", ".bas", ".cls", "M", "odule1", "x"});
    }
  }

  std::mt19937 random_;
};

Values Reference(const std::string& path) {
  editorconfig_handle handle = editorconfig_handle_init();
  const int status = editorconfig_parse(path.c_str(), handle);
  Values values;
  if (status != 0) {
    values["<error>"] = std::to_string(status);
  } else {
    const int count = editorconfig_handle_get_name_value_count(handle);
    for (int i = 0; i < count; ++i) {
      const char* name = nullptr;
      const char* value = nullptr;
      editorconfig_handle_get_name_value(handle, i, &name, &value);
      values[name] = value;
    }
  }
  editorconfig_handle_destroy(handle);
  return values;
}

Values Ours(EditorConfigLookup& lookup, const std::string& path) {
  Properties properties = lookup.PropertiesFor(path);
  DeriveSizes(properties);
  Values values;
  for (const auto& [key, setting] : properties)
    values[key] = setting.value;
  return values;
}

TEST(LibEditorConfigAgreement, SamePropertiesOnGeneratedTrees) {
  const std::vector<std::string> folders = {"",     "a",        "a/b", "src",      "src/a",
                                            "模块", "模块/src", "x.y", "src/模块", "a/b/c"};
  const std::vector<std::string> names = {
      "m.bas", "Module1.cls", "f12.bas", "f0.bas", "f-3.bas", "f+2.bas", "f007.bas", "f121.bas",
      "n.bas", "x",           "*.bas",   "{x}",    "xbas",    "a.cls",   "[x]",      "M.BAS"};
  const fs::path top =
      fs::temp_directory_path() /
      ("tessaly-editorconfig-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
       "-" + std::to_string(std::random_device()()));
  std::size_t compared = 0, with_properties = 0;
  for (std::uint32_t seed = 1; seed <= 80; ++seed) {
    Generator generate(seed);
    fs::remove_all(top);
    for (const auto& folder : folders)
      fs::create_directories(top / fs::u8path(folder));
    for (const auto& folder : folders) {
      // The top is always a root, so that neither reads past the tree.
      if (!folder.empty() && generate.Chance(40)) continue;
      std::ofstream(top / fs::u8path(folder) / ".editorconfig", std::ios::binary)
          << generate.File(folder.empty() || generate.Chance(15));
    }
    FileConfigSource source;
    EditorConfigLookup lookup(source);
    for (int target = 0; target < 40; ++target) {
      std::string relative = generate.Pick(folders);
      if (generate.Chance(20)) relative += relative.empty() ? "deeper" : "/deeper";
      relative += (relative.empty() ? "" : "/") + generate.Pick(names);
      const std::string path = (top / fs::u8path(relative)).string();
      const Values expected = Reference(path);
      EXPECT_EQ(Ours(lookup, path), expected) << "seed " << seed << ", " << relative;
      ++compared;
      if (!expected.empty()) ++with_properties;
    }
  }
  fs::remove_all(top);
  EXPECT_EQ(compared, 3200u);
  // The trees are built for matches: most modules get properties, so agreement means something.
  EXPECT_GT(with_properties, compared / 3);
}

}  // namespace
}  // namespace tessaly::style
