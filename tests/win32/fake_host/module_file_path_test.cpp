// The add-in finds a module's file through the editors' published members: the active
// project's FileName and the module's component, late-bound as in the editors.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <optional>
#include <string>

#include "addin/module_file_path.h"
#include "support/host_editors.h"
#include "win32/fake_host/fake_editor.h"
#include "win32/win_editor.h"

namespace tessaly::fake_host {
namespace {

class ModuleFilePathTest : public ::testing::TestWithParam<bool> {
 protected:
  // The add-in's answer for the active module of an editor whose project is saved as that file.
  static std::optional<std::u16string> PathWhenSavedAs(const std::u16string& project_file) {
    auto options = test_support::EditorFor(GetParam());
    options.project_file = project_file;
    FakeEditor editor(options);
    editor.Sim().AddModule(u"Project1", u"报表", {u"Sub A()", u"End Sub"}, host::kClassModule);
    const auto application = win32::MakeApplication(editor.Application());
    return addin::ModuleFilePath(*application, *application->ActiveCodePane()->CodeModule());
  }
};

TEST_P(ModuleFilePathTest, ASavedProjectsModuleIsItsExportedFileAndAnUnsavedOnesHasNone) {
  EXPECT_EQ(PathWhenSavedAs(u"C:\\工程\\报表.vbp"), u"C:\\工程\\报表.cls");
  // VB6 gives an empty name; the VBA editor refuses it.
  EXPECT_EQ(PathWhenSavedAs(u""), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(BothEditors, ModuleFilePathTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Vb6" : "Vba"; });

}  // namespace
}  // namespace tessaly::fake_host
