// "代码缩进" on QWIX.dll lays the module out in the style of the .editorconfig beside the
// project's file, found through a Windows path with Chinese folders: a project never saved gets
// the editor's own layout, and so does a broken file, which leaves one line in the user's
// failure log naming the file and the key.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/user_log_folder.h"

namespace tessaly::fake_host {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::u16string>;

// A folder of this test's own for the projects, which also stands as the user's local
// application data, so the user's own log is never touched.
class ProjectStyleTest : public BothEditorsTest {
 protected:
  struct Indented {
    Lines module;
    std::vector<std::string> logged;  // the lines the click added to the failure log
  };
  // The project saved in `project_folder` (never saved when empty) with that .editorconfig
  // beside it, the add-in loaded into a fresh editor of it: one click on 代码缩进.
  Indented IndentSavedIn(const std::wstring& project_folder, const std::string& editorconfig) {
    sim::EditorOptions options;
    if (!project_folder.empty()) {
      const fs::path folder = folder_ / project_folder;
      fs::create_directories(folder);
      std::ofstream(folder / ".editorconfig", std::ios::binary) << editorconfig;
      const auto file = (folder / (GetParam() ? L"工程1.vbp" : L"工作簿1.xlsm")).wstring();
      options.project_file.assign(file.begin(), file.end());
    }
    add_in.reset();
    editor = EditorWithThreeModules(GetParam(), options);
    add_in = std::make_unique<AddInDriver>(*editor);
    if (!add_in->Connect()) return {};
    auto& module =
        editor->Sim().AddModule(u"工程1", u"缩进", {u"Sub 汇总()", u"x = 1", u"End Sub"});
    editor->Sim().ActivePane()->PlaceCaret(2, 1);
    auto logged = user_log_.Lines();
    const auto before = logged.size();
    editor->Click(test_support::FunctionMenuPath(editor->Sim(), u"代码缩进"));
    logged = user_log_.Lines();
    logged.erase(logged.begin(), logged.begin() + static_cast<std::ptrdiff_t>(before));
    return {module.Text(), logged};
  }

  win32::UserLogFolder user_log_{fs::temp_directory_path() /
                                 (L"tessaly-风格-" + std::to_wstring(GetCurrentProcessId()))};
  const fs::path& folder_ = user_log_.Folder();
};

TEST_P(ProjectStyleTest, IndentTakesTheStyleBesideTheProjectsFileOrTheDefault) {
  const struct {
    const char* title;
    const wchar_t* project_folder;  // empty: never saved
    const char* editorconfig;
    std::u16string indented;
    bool logged;
  } cases[] = {
      {"two blanks", L"报表 工程", "root = true\n[*.bas]\nindent_size = 2\n", u"  x = 1", false},
      {"a tab", L"制表符", "root = true\n[*.bas]\nindent_style = tab\n", u"\tx = 1", false},
      {"never saved", L"", "", u"    x = 1", false},
      {"broken", L"坏的 配置", "root = true\n[*]\nindent_size = wide\n", u"    x = 1", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    const auto indented = IndentSavedIn(c.project_folder, c.editorconfig);
    EXPECT_EQ(indented.module, (Lines{u"Sub 汇总()", c.indented, u"End Sub"}));
    ASSERT_EQ(indented.logged.size(), c.logged ? 1u : 0u)
        << (indented.logged.empty() ? "" : indented.logged.back());
    if (c.logged) {
      // The file, Chinese folder and all, with its line and the key.
      const auto folder = (folder_ / c.project_folder).generic_u8string();
      const std::string file(folder.begin(), folder.end());
      EXPECT_NE(indented.logged[0].find(file + "/.editorconfig:3: indent_size"), std::string::npos)
          << indented.logged[0];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothEditors, ProjectStyleTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
