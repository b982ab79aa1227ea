#include "addin/module_file_path.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sim/editor/sim_editor.h"
#include "support/host_editors.h"
#include "text/utf.h"

namespace tessaly::addin {
namespace {

using test_support::EditorFor;
using Path = std::optional<std::u16string>;

sim::EditorOptions SavedAs(const std::u16string& project_file, bool vb6 = true) {
  auto options = EditorFor(vb6);
  options.project_file = project_file;
  return options;
}

Path PathOfActiveModule(sim::SimEditor& editor) {
  const auto application = editor.Application();
  return ModuleFilePath(*application, *application->ActiveCodePane()->CodeModule());
}

TEST(ModuleFilePathTest, TheComponentsExportedFileInTheProjectFilesFolder) {
  const struct {
    std::int32_t type;
    Path expected;
  } types[] = {
      // clang-format off
      {host::kStdModule, u"C:\\工程\\报表.bas"},   {host::kClassModule, u"C:\\工程\\报表.cls"},
      {host::kDocument, u"C:\\工程\\报表.cls"},    {host::kMSForm, u"C:\\工程\\报表.frm"},
      {host::kVBForm, u"C:\\工程\\报表.frm"},      {host::kVBMDIForm, u"C:\\工程\\报表.frm"},
      {host::kUserControl, u"C:\\工程\\报表.ctl"}, {host::kPropPage, u"C:\\工程\\报表.pag"},
      {host::kDocObject, u"C:\\工程\\报表.dob"},   {host::kActiveXDesigner, u"C:\\工程\\报表.dsr"},
      {host::kResFile, std::nullopt},             {host::kRelatedDocument, std::nullopt},
      // clang-format on
  };
  for (const auto& c : types) {
    SCOPED_TRACE(c.type);
    sim::SimEditor editor(SavedAs(u"C:\\工程\\报表.vbp"));
    editor.AddModule(u"Project1", u"报表", {u"Sub A()", u"End Sub"}, c.type);
    EXPECT_EQ(PathOfActiveModule(editor), c.expected);
  }

  const struct {
    const char16_t* project_file;
    Path expected;
  } folders[] = {
      {u"/home/用户/工程/Project1.vbp", u"/home/用户/工程/模块一.bas"},
      {u"D:\\报表/月报\\Book1.xlsm", u"D:\\报表/月报\\模块一.bas"},
      {u"Project1.vbp", u"模块一.bas"},
  };
  for (const auto& c : folders) {
    SCOPED_TRACE(text::ToUtf8(c.project_file));
    sim::SimEditor editor(SavedAs(c.project_file, false));
    editor.AddModule(u"VBAProject", u"模块一", {});
    EXPECT_EQ(PathOfActiveModule(editor), c.expected);
  }
}

// The active project is the one of the module with the caret, whichever was opened last.
TEST(ModuleFilePathTest, TheFolderIsTheActiveProjectsOne) {
  sim::SimEditor editor(SavedAs(u"C:\\甲\\甲.vbp"));
  editor.AddModule(u"甲", u"A", {});
  editor.AddModule(u"乙", u"B", {});
  editor.Project(u"乙").SetFileName(u"C:\\乙\\乙.vbp");
  editor.Activate(u"A");
  EXPECT_EQ(PathOfActiveModule(editor), Path(u"C:\\甲\\A.bas"));
  editor.Activate(u"B");
  EXPECT_EQ(PathOfActiveModule(editor), Path(u"C:\\乙\\B.bas"));
}

// VB6 names an unsaved project's file as empty and the VBA editors refuse it: neither is a
// refusal to write down.
TEST(ModuleFilePathTest, AProjectNeverSavedHasNoPathAndNothingIsLogged) {
  for (const bool vb6 : {true, false}) {
    SCOPED_TRACE(vb6 ? "VB6" : "VBA");
    sim::SimEditor editor(EditorFor(vb6));
    editor.AddModule(u"Project1", u"Module1", {});
    EXPECT_EQ(PathOfActiveModule(editor), std::nullopt);
    EXPECT_EQ(editor.Calls(u"VBProject.FileName"), 1);
    EXPECT_TRUE(editor.App().Calls().RefusalLines().empty());
  }
}

TEST(ModuleFilePathTest, ARefusedMemberGivesNoPathAndOneLineInTheLog) {
  for (const auto* member : {u"Application.ActiveVBProject", u"CodeModule.Parent",
                             u"VBComponent.Name", u"VBComponent.Type"}) {
    const std::string name = text::ToUtf8(member);
    SCOPED_TRACE(name);
    sim::SimEditor editor(SavedAs(u"C:\\工程\\工程.vbp"));
    editor.AddModule(u"Project1", u"Module1", {});
    editor.Refuse(member);
    EXPECT_EQ(PathOfActiveModule(editor), std::nullopt);
    const auto& lines = editor.App().Calls().RefusalLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(name), std::string::npos) << lines[0];
  }
}

}  // namespace
}  // namespace tessaly::addin
