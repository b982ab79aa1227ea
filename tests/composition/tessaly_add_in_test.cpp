#include "composition/tessaly_add_in.h"

#include <gtest/gtest.h>

#include "add_in_fixture.h"
#include "addin/feature_settings.h"
#include "support/click_cases.h"

namespace tessaly::composition {
namespace {

// The form's boxes switch the real features: the wheel's polling and the dialog watch stop
// with their timers, and a watch started, stopped and started again runs one timer.
TEST_F(AddInFixture, SwitchesChangedOnTheFormTakeEffectAtOnce) {
  Start({{u"Report", {u"Sub A()", u"End Sub"}}});
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
