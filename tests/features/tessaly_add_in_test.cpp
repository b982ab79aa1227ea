#include "features/tessaly_add_in.h"

#include <gtest/gtest.h>

#include "addin/feature_settings.h"
#include "features/tessaly_component.h"
#include "sim/desktop/sim_desktop.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/click_cases.h"
#include "tabs/code_tabs.h"

namespace tessaly::features {
namespace {

struct AddInInstance : host::AddInInstance {};

const std::vector<std::u16string> kModule = {
    u"Option Explicit", u"Sub 汇总()", u"Dim i As Long", u"For i = 1 To 3",
    u"Debug.Print i",   u"Next",       u"End Sub",
};

sim::EditorOptions Excel() {
  sim::EditorOptions options;
  options.name = u"Microsoft Excel";
  options.version = u"7.01";
  return options;
}

// The editor, its desktop and the whole add-in, loaded and started as the editor does it.
class AddInTest : public ::testing::Test {
 protected:
  void Start(sim::EditorOptions options = {}) {
    editor = std::make_unique<sim::SimEditor>(std::move(options));
    module = &editor->AddModule(u"Project1", u"Report", kModule);
    desktop = std::make_unique<sim::SimDesktop>(*editor, os);
    desktop->Sync();
    Load();
  }
  void Load() {
    add_in = std::make_unique<TessalyAddIn>(host_os, component);
    editor->RegisterDocumentClass(tabs::VBIDETabProgId(u"QWIX"),
                                  [this] { return component.NewTabDocument(); });
    add_in->Connect().OnConnection(editor->Application(), host::kStartup, instance);
    add_in->Connect().OnStartupComplete();
  }
  void Unload() {
    add_in->Connect().OnDisconnection(0);
    add_in.reset();
  }
  void Click(const std::u16string& popup, const std::u16string& caption) {
    editor->Click({u"TessalyIDE", popup, caption});
  }

  sim::SimOs os;
  host::Os host_os = os.Os();
  AddInInstance instance;
  TessalyComponent component;
  std::unique_ptr<sim::SimEditor> editor;
  sim::SimCodeModule* module = nullptr;
  std::unique_ptr<sim::SimDesktop> desktop;
  std::unique_ptr<TessalyAddIn> add_in;
};

TEST_F(AddInTest, CodeToolsRunFromTheBarAndAgainAfterTheAddInIsReloaded) {
  Start();
  editor->ActivePane()->PlaceCaret(4, 1);
  Click(u"【功能】", u"代码缩进");
  EXPECT_EQ(module->Text()[4], u"        Debug.Print i");

  // The editor keeps the bar; the next load finds it and must wire its buttons again.
  Unload();
  Load();
  editor->ActivePane()->PlaceCaret(4, 1);
  Click(u"【功能】", u"代码注解");
  EXPECT_EQ(module->Text()[2], u"    Dim i As Long '定义变量 i 为 长整型值");
  Click(u"常用]", u"强制容错");
  EXPECT_EQ(module->Text()[3], u"    On Error Resume Next");
}

TEST_F(AddInTest, AboutFormOpensOnceFromEveryEntry) {
  Start();
  editor->Click({u"Add-Ins", u"Tessaly"});
  ASSERT_TRUE(add_in->AboutIsOpen());
  auto* form = &add_in->About().Form();
  editor->Click({u"TessalyIDE", u"关于程序"});
  add_in->RunFunctionMenu(u"TessalyAid");
  EXPECT_EQ(&add_in->About().Form(), form);
  EXPECT_EQ(form->Caption, u"关于程序——TessalyIDE_V1.36");

  Unload();
  editor = nullptr;
  Start(Excel());
  editor->Click({u"Add-Ins", u"Tessaly"});  // through the dispatcher with "Tessaly"
  ASSERT_TRUE(add_in->AboutIsOpen());
  EXPECT_EQ(add_in->About().Form().Check1[addin::kMouseWheel].Value, 0);
  EXPECT_FALSE(add_in->About().Form().Check1[addin::kMouseWheel].Enabled);
}

TEST_F(AddInTest, SwitchesChangedOnTheFormTakeEffectAtOnce) {
  Start();
  ASSERT_EQ(os.loop().RunningTimerCount(), 2u);  // wheel polling and dialog watch
  add_in->ShowAbout();
  auto& form = add_in->About().Form();

  form.ClickCheck(addin::kMouseWheel);
  form.ClickCheck(addin::kDialogEnlargement);
  EXPECT_EQ(os.loop().RunningTimerCount(), 0u);
  form.ClickCheck(addin::kFunctionMenu);
  EXPECT_FALSE(editor->Bar(u"TessalyIDE").IsVisible());
  form.ClickCheck(addin::kCodeTabs);
  EXPECT_FALSE(editor->Window(u"标签").IsVisible());
  for (std::int32_t index = 0; index < 4; ++index) {
    EXPECT_EQ(addin::ReadFeatureSetting(os.settings(), index), u"0");
  }

  form.ClickCheck(addin::kDialogEnlargement);
  form.ClickCheck(addin::kDialogEnlargement);
  form.ClickCheck(addin::kDialogEnlargement);
  EXPECT_EQ(os.loop().RunningTimerCount(), 1u);
  form.ClickCheck(addin::kFunctionMenu);
  EXPECT_TRUE(editor->Bar(u"TessalyIDE").IsVisible());
  EXPECT_EQ(addin::ReadFeatureSetting(os.settings(), addin::kFunctionMenu), u"1");
}

// The shared click table through the simulated editor: the same cases the fake editor host runs
// through QWIX.dll under Wine.
struct NoAddIn : host::AddInInstance {};

class ClickCaseTest : public ::testing::TestWithParam<std::tuple<test_support::ClickCase, bool>> {};

TEST_P(ClickCaseTest, ClickGivesTheTextAndCaretOfTheTable) {
  const auto& [click, vb6] = GetParam();
  sim::EditorOptions options;
  if (!vb6) {
    options.name = u"Microsoft Excel";
    options.version = u"7.01";
  }
  sim::SimEditor editor(options);
  auto& module = editor.AddModule(u"Project1", u"Module1", click.before);
  editor.ActivePane()->Select(click.caret.start_line, click.caret.start_column,
                              click.caret.end_line, click.caret.end_column);
  sim::SimOs os;
  host::Os services = os.Os();
  TessalyComponent component;
  TessalyAddIn add_in(services, component);
  editor.RegisterDocumentClass(tabs::VBIDETabProgId(u"QWIX"),
                               [&component] { return component.NewTabDocument(); });
  NoAddIn instance;
  add_in.Connect().OnConnection(editor.Application(), host::kStartup, instance);
  add_in.Connect().OnStartupComplete();

  editor.Click(test_support::FunctionMenuPath(editor, click.caption));

  EXPECT_EQ(module.Text(), click.after);
  EXPECT_EQ(editor.ActivePane()->CurrentSelection(), click.caret_after);
  add_in.Connect().OnDisconnection(0);
}

INSTANTIATE_TEST_SUITE_P(BothHosts, ClickCaseTest,
                         ::testing::Combine(::testing::ValuesIn(test_support::ClickCases()),
                                            ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Vb6" : "Vba");
                         });

}  // namespace
}  // namespace tessaly::features
