// The bars and controls QWIX.dll builds through IDispatch are those the core builds when it
// calls the simulated editor directly: every property of every control, in both editors and both
// languages. A property the COM layer leaves unset, puts under another name or converts wrongly
// (a tooltip, a Parameter, a face, a style, a group line) shows here, whichever control it is.

// The simulated system before the system's headers, whose macros would rename its members
// (CreateWindow).
#include "composition/tessaly_add_in.h"
#include "composition/tessaly_component.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/os/sim_os.h"

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <algorithm>
#include <string>
#include <vector>

#include "support/host_editors.h"
#include "text/utf.h"
#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

// One line a control, named by its bar and the captions above it, with every property the
// editor keeps of it. The user's own snippets are left out: they come from the user's folder,
// which is the machine's here and the simulation's in the reference.
void DescribeControls(const sim::SimCommandBarControls& controls, const std::u16string& path,
                      std::vector<std::string>& lines) {
  for (const auto& control : controls.All()) {
    const sim::ControlProperties& p = control->Properties();
    const std::u16string named = path + u" / " + p.caption;
    lines.push_back(text::ToUtf8(named) + ": type " + std::to_string(p.type) + ", group " +
                    std::to_string(p.begin_group) + ", face " + std::to_string(p.face_id) +
                    ", style " + std::to_string(p.style) + ", tip \"" +
                    text::ToUtf8(p.tooltip_text) + "\", parameter \"" + text::ToUtf8(p.parameter) +
                    "\", visible " + std::to_string(p.visible) + ", enabled " +
                    std::to_string(p.enabled) + ", id " + std::to_string(p.id) +
                    (control->IsDeleted() ? ", deleted" : ""));
    if (control->Children() && p.caption != u"我的代码") {
      DescribeControls(*control->Children(), named, lines);
    }
  }
}

std::vector<std::string> Menus(const sim::SimEditor& editor) {
  std::vector<std::string> lines;
  for (const auto& bar : editor.App().Bars().All()) {
    lines.push_back(text::ToUtf8(bar->BarName()) + (bar->IsVisible() ? " (shown)" : ""));
    DescribeControls(bar->ControlList(), bar->BarName(), lines);
  }
  return lines;
}

// The first line the two differ in, rather than both lists whole.
void ExpectSameMenus(const std::vector<std::string>& dll, const std::vector<std::string>& core) {
  const auto [at_dll, at_core] = std::mismatch(dll.begin(), dll.end(), core.begin(), core.end());
  if (at_dll == dll.end() && at_core == core.end()) return;
  ADD_FAILURE() << "line " << at_dll - dll.begin() + 1 << " of the menus differs\n  DLL:  "
                << (at_dll == dll.end() ? "(no more)" : *at_dll)
                << "\n  core: " << (at_core == core.end() ? "(no more)" : *at_core);
}

struct Editor {
  const char* name;
  bool vb6;
  sim::EditorLanguage language;
};

const Editor kEditors[] = {{"Vb6", true, sim::EditorLanguage::kEnglish},
                           {"Vba", false, sim::EditorLanguage::kEnglish},
                           {"ChineseVb6", true, sim::EditorLanguage::kChinese},
                           {"ChineseVba", false, sim::EditorLanguage::kChinese}};

class MenuParityTest : public ::testing::TestWithParam<Editor> {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }
};

TEST_P(MenuParityTest, EveryControlTheDllMakesHasThePropertiesTheCoreGivesIt) {
  sim::EditorOptions options;
  options.language = GetParam().language;
  const auto editor = EditorWithThreeModules(GetParam().vb6, options);

  // The core on the simulated system, given the same editor as the editor gives the DLL.
  sim::EditorOptions same = test_support::EditorFor(GetParam().vb6);
  same.language = GetParam().language;
  sim::SimEditor reference(same);
  for (const auto& module : kThreeModules)
    reference.AddModule(u"工程1", module, {u"Sub 汇总()", u"End Sub"});
  sim::SimOs os;
  sim::SimDesktop desktop(reference, os);
  desktop.Sync();
  composition::TessalyComponent component;
  host::Os host_os = os.Os();
  composition::TessalyAddIn core(host_os, component);
  host::AddInInstance instance;
  core.Connect().OnConnection(reference.Application(), host::kStartup, instance);
  core.Connect().OnStartupComplete();

  AddInDriver add_in(*editor);
  ASSERT_TRUE(add_in.Connect(AddInDriver::Load::kAtStartup));
  const std::vector<std::string> built = Menus(editor->Sim());
  EXPECT_GT(built.size(), 20u) << "the function menu is missing";
  ExpectSameMenus(built, Menus(reference));

  // Taken down again alike: what each leaves of its controls (deleted, or kept by the editor).
  ASSERT_TRUE(add_in.Disconnect(AddInDriver::Unload::kAtExit));
  core.Connect().OnDisconnection(0);
  ExpectSameMenus(Menus(editor->Sim()), Menus(reference));
}

INSTANTIATE_TEST_SUITE_P(BothEditorsBothLanguages, MenuParityTest, ::testing::ValuesIn(kEditors),
                         [](const ::testing::TestParamInfo<Editor>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tessaly::fake_host
