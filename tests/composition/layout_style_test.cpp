// "代码缩进" in the style of the .editorconfig beside the project's file, clicked on the bar:
// the shared layout table (tests/cli runs it through `tessaly fmt`), a project never saved, and
// a broken file that gives the default and one line in the failure log.

#include <filesystem>
#include <fstream>
#include <random>

#include "add_in_fixture.h"
#include "support/layout_cases.h"
#include "text/utf.h"

namespace tessaly::composition {
namespace {

using test_support::CaseLines;
using test_support::InputLines;
using test_support::LayoutCase;

// A folder of its own, with the project's file name in it and the .editorconfig written.
class ProjectFolder {
 public:
  explicit ProjectFolder(const std::string& editorconfig)
      : path_(std::filesystem::temp_directory_path() /
              ("tessaly-layout-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
    std::ofstream(path_ / ".editorconfig", std::ios::binary) << editorconfig;
  }
  ~ProjectFolder() { std::filesystem::remove_all(path_); }

  sim::EditorOptions SavedProject() const {
    sim::EditorOptions options;
    options.project_file = text::FromUtf8((path_ / "Project1.vbp").string());
    return options;
  }

 private:
  std::filesystem::path path_;
};

std::string EditorConfig(const std::vector<std::string>& keys) {
  std::string text = "root = true\n[*.bas]\n";
  for (const auto& key : keys)
    text += key + "\n";
  return text;
}

// The caret in the declarations takes the whole module, every case whole.
std::vector<std::u16string> WithDeclarations(std::vector<std::u16string> lines) {
  lines.insert(lines.begin(), u"Option Explicit");
  return lines;
}

TEST_F(AddInFixture, IndentLaysOutTheTableInTheStyleOfTheProjectsEditorConfig) {
  for (const LayoutCase& layout_case : test_support::LayoutCases()) {
    SCOPED_TRACE(layout_case.title);
    const ProjectFolder folder(EditorConfig(layout_case.keys));
    Start({{u"Module1", WithDeclarations(InputLines(layout_case))}}, folder.SavedProject());
    Select({1, 1, 1, 1});
    Click(u"代码缩进");
    EXPECT_EQ(Text(), WithDeclarations(CaseLines(layout_case.expected)));
    Click(u"代码缩进");
    EXPECT_EQ(Text(), WithDeclarations(CaseLines(layout_case.expected)));
  }
}

// A project never saved has no folder and gets the editor's own layout; a broken .editorconfig
// gives that layout too, and one line naming the file, the line and the key.
TEST_F(AddInFixture, AnUnsavedProjectOrABrokenEditorConfigGivesTheDefaultLayout) {
  const std::vector<std::u16string> module = {u"Sub S()", u"x = 1", u"End Sub"};
  const std::vector<std::u16string> four_blanks = {u"Sub S()", u"    x = 1", u"End Sub"};
  const ProjectFolder two_blanks("[*]\nindent_size = 2\n");
  const ProjectFolder broken("[*]\nindent_size = 2\nindent_size = wide\n");
  const struct {
    const char* title;
    sim::EditorOptions options;
    std::vector<std::u16string> expected;
    std::size_t failure_lines;
  } cases[] = {
      {"saved", two_blanks.SavedProject(), {u"Sub S()", u"  x = 1", u"End Sub"}, 0},
      {"never saved", {}, four_blanks, 0},
      {"broken", broken.SavedProject(), four_blanks, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const std::size_t logged = os.system().FailureLines().size();
    Start({{u"Module1", module}}, c.options);
    Select({2, 1, 2, 1});
    Click(u"代码缩进");
    EXPECT_EQ(Text(), c.expected);
    const auto& lines = os.system().FailureLines();
    ASSERT_EQ(lines.size() - logged, c.failure_lines);
    if (c.failure_lines) {
      const std::string line = text::ToUtf8(lines.back());
      EXPECT_NE(line.find(".editorconfig:3"), std::string::npos) << line;
      EXPECT_NE(line.find("indent_size"), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace tessaly::composition
