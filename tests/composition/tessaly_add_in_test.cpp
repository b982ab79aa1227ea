#include "composition/tessaly_add_in.h"

#include <gtest/gtest.h>

#include "add_in_fixture.h"
#include "addin/feature_settings.h"
#include "support/click_cases.h"

namespace tessaly::composition {
namespace {

const std::vector<std::u16string> kModule = {
    u"Option Explicit", u"Sub 汇总()", u"Dim i As Long", u"For i = 1 To 3",
    u"Debug.Print i",   u"Next",       u"End Sub",
};

class AddInTest : public AddInFixture {
 protected:
  void Start(sim::EditorOptions options = {}) {
    AddInFixture::Start({{u"Report", kModule}}, options);
  }
  const std::vector<std::u16string>& Text() { return editor->Module(u"Report").Text(); }
  void Click(const std::u16string& popup, const std::u16string& caption) {
    editor->Click({u"TessalyIDE", popup, caption});
  }
};

// The editor keeps the bar; the next load finds it and must wire its buttons again.
TEST_F(AddInTest, ToolsAndWindowCommandsRunFromTheBarAfterTheAddInIsReloaded) {
  Start();
  Unload();
  Load();
  editor->ActivePane()->PlaceCaret(4, 1);
  Click(u"【功能】", u"代码缩进");
  Click(u"【功能】", u"代码注解");
  EXPECT_EQ(Text()[2], u"    Dim i As Long '定义变量 i 为 长整型值");
  Click(u"常用]", u"强制容错");
  EXPECT_EQ(Text()[3], u"    On Error Resume Next");
  // The command line's clicks cannot see the immediate window's text.
  desktop->SetImmediateText(u"? 1\r\n1\r\n");
  editor->Click({u"TessalyIDE", u"清屏(&N)"});
  EXPECT_EQ(desktop->ImmediateText(), u"");
}

// A VBA editor's Add-Ins entry goes through the dispatcher with "Tessaly"; the form knows the
// host has no wheel to offer.
TEST_F(AddInTest, TheAddInsEntryOpensTheAboutForm) {
  Start(ExcelEditor());
  editor->Click({u"Add-Ins", u"Tessaly"});
  ASSERT_TRUE(add_in->AboutIsOpen());
  EXPECT_FALSE(add_in->About().Form().Check1[addin::kMouseWheel].Enabled);
}

// The form's boxes switch the real features: the wheel's polling and the dialog watch stop
// with their timers, and a watch started, stopped and started again runs one timer.
TEST_F(AddInTest, SwitchesChangedOnTheFormTakeEffectAtOnce) {
  Start();
  ASSERT_EQ(os.loop().RunningTimerCount(), 2u);
  add_in->ShowAbout();
  auto& form = add_in->About().Form();
  form.ClickCheck(addin::kMouseWheel);
  form.ClickCheck(addin::kDialogEnlargement);
  EXPECT_EQ(os.loop().RunningTimerCount(), 0u);
  form.ClickCheck(addin::kDialogEnlargement);
  form.ClickCheck(addin::kDialogEnlargement);
  form.ClickCheck(addin::kDialogEnlargement);
  EXPECT_EQ(os.loop().RunningTimerCount(), 1u);
}

// The shared click table through the simulated editor: the same cases the fake editor host runs
// through QWIX.dll under Wine.
class ClickCaseTest
    : public AddInFixture,
      public ::testing::WithParamInterface<std::tuple<test_support::ClickCase, bool>> {};

TEST_P(ClickCaseTest, ClickGivesTheTextAndCaretOfTheTable) {
  const auto& [click, vb6] = GetParam();
  Start({{u"Module1", click.before}}, EditorFor(vb6));
  const auto& s = click.caret;
  editor->ActivePane()->Select(s.start_line, s.start_column, s.end_line, s.end_column);

  editor->Click(test_support::FunctionMenuPath(*editor, click.caption));

  EXPECT_EQ(editor->Module(u"Module1").Text(), click.after);
  EXPECT_EQ(editor->ActivePane()->CurrentSelection(), click.caret_after);
  // As the fake editor host does after each case.
  editor->Click(test_support::FunctionMenuPath(*editor, u"撤销上次修改"));
  EXPECT_EQ(editor->Module(u"Module1").Text(), click.before);
  EXPECT_EQ(editor->ActivePane()->CurrentSelection(), click.caret);
  EXPECT_TRUE(os.system().MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(BothHosts, ClickCaseTest,
                         ::testing::Combine(::testing::ValuesIn(test_support::ClickCases()),
                                            ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "Vb6" : "Vba");
                         });

}  // namespace
}  // namespace tessaly::composition
