#include "cli/module_place.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "addin/module_file_path.h"
#include "cli/editor_session.h"
#include "cli/module_input.h"
#include "support/cli_fixture.h"
#include "text/utf.h"

namespace tessaly::cli {
namespace {

using test_support::TempFolder;

// The module a click works on is where the editors would have exported it, so the add-in finds
// the clicked file itself: the module named by the file's stem, of the component its extension
// names, in a project saved in the file's folder.
TEST(ModulePlaceTest, AClickedFilesModuleLivesAtThatFile) {
  const struct {
    const char* name;
    std::int32_t vb6_type;
    std::int32_t vba_type;
  } files[] = {
      {"报表.bas", host::kStdModule, host::kStdModule},
      {"类模块.cls", host::kClassModule, host::kClassModule},
      {"窗体.frm", host::kVBForm, host::kMSForm},
      {"控件.ctl", host::kUserControl, host::kUserControl},
  };
  TempFolder folder;
  for (const auto& file : files) {
    const std::string path = folder.Write(file.name, "Sub A()\r\nEnd Sub\r\n");
    for (const bool vb6 : {true, false}) {
      SCOPED_TRACE(path + (vb6 ? " VB6" : " VBA"));
      std::istringstream no_input;
      EditorSession session(vb6 ? HostKind::kVb6 : HostKind::kVba);
      auto& module = session.Open(ReadModule(path, no_input));
      EXPECT_EQ(module.Parent()->Type(), vb6 ? file.vb6_type : file.vba_type);
      EXPECT_EQ(addin::ModuleFilePath(*session.Editor().Application(), module),
                text::FromUtf8(path));
    }
  }
}

TEST(ModulePlaceTest, AModuleFromStandardInputIsInAProjectNeverSaved) {
  std::istringstream input("Sub A()\r\nEnd Sub\r\n");
  EditorSession session(HostKind::kVb6);
  auto& module = session.Open(ReadModule("-", input));
  EXPECT_EQ(addin::ModuleFilePath(*session.Editor().Application(), module), std::nullopt);
}

}  // namespace
}  // namespace tessaly::cli
