// The shared click table through the simulated editor: the same cases the fake editor host runs
// through QWIX.dll under Wine.

#include <gtest/gtest.h>

#include "features/tessaly_add_in.h"
#include "features/tessaly_component.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/click_cases.h"
#include "tabs/code_tabs.h"

namespace tessaly::features {
namespace {

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
