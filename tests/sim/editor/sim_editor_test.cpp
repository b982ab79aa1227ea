#include "sim/editor/sim_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_error.h"
#include "sim/editor/procedure_table.h"
#include "sim/editor/sim_code_module.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

// A sink that records the captions it was clicked with and asks the editor to skip its own
// action, as the add-in's sinks do.
class RecordingSink : public host::ClickSink {
 public:
  void OnClick(host::CommandBarControl& control, bool&, bool& cancel_default) override {
    captions.push_back(control.Caption());
    if (on_click) on_click();
    cancel_default = true;
  }
  std::vector<std::u16string> captions;
  std::function<void()> on_click;
};

using Lines = std::vector<std::u16string>;

// The add-in's buttons rely on the editor's connection points: every live sink of both kinds
// hears a click once, a sink unadvised (by an earlier sink in the same click too) hears no more
// and is let go, and a click no sink hears keeps the editor's own action.
TEST(SimEditorTest, ClicksReachLiveSinksOfBothKindsOnly) {
  SimEditor editor;
  auto app = editor.Application();
  auto popup = app->CommandBars()->Add(u"Bar", host::kBarTop)->Controls()->Add(host::kPopup);
  popup->SetCaption(u"Pop");
  auto item = popup->Controls()->Add(host::kButton);
  item->SetCaption(u"Item");
  const ControlPath path = {u"Bar", u"Pop", u"Item"};
  auto first = std::make_shared<RecordingSink>();
  auto second = std::make_shared<RecordingSink>();
  auto own = std::make_shared<RecordingSink>();
  auto first_connection = app->Events()->CommandBarEvents(*item)->Advise(first);
  auto second_connection = app->Events()->CommandBarEvents(*item)->Advise(second);
  auto own_connection = item->ButtonEvents()->Advise(own);
  ClickResult result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 3);
  EXPECT_TRUE(result.cancel_default);
  EXPECT_EQ(first->captions, Lines{u"Item"});
  EXPECT_EQ(own->captions, Lines{u"Item"});

  std::weak_ptr<RecordingSink> watch = second;
  second.reset();
  EXPECT_FALSE(watch.expired());  // a connection point holds its sink until unadvised
  first->on_click = [&] { second_connection.reset(); };
  EXPECT_EQ(editor.Click(path).sinks_run, 2);
  EXPECT_TRUE(watch.expired());

  first_connection.reset();
  own_connection.reset();
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 0);
  EXPECT_FALSE(result.cancel_default);
}

// The caret and the active project the features go by, as the user opens modules and closes
// windows; a module's name is taken once per project.
TEST(SimEditorTest, KeepsTheCaretAndTheActiveProjectAsWindowsOpenAndClose) {
  SimEditor editor;
  auto app = editor.Application();
  EXPECT_THROW(app->ActiveVBProject(), host::HostError);
  editor.AddModule(u"P", u"M", {u""});
  editor.AddModule(u"Q", u"N", {u""});
  EXPECT_THROW(editor.AddModule(u"Q", u"N", {}), std::invalid_argument);
  editor.AddModule(u"P", u"N", {u""});
  editor.Activate(u"M");
  EXPECT_EQ(app->ActiveVBProject().get(), &editor.Project(u"P"));
  editor.CloseWindow(u"Properties");
  EXPECT_EQ(editor.ActivePane(), editor.Module(u"M").Pane().get());
  editor.ClearActivePane();
  EXPECT_EQ(app->ActiveVBProject().get(), &editor.Project(u"Q")) << "the project opened last";
  editor.Activate(u"M");
  editor.CloseWindow(u"P - M (Code)");
  EXPECT_THROW(app->ActiveCodePane(), host::HostError);
}

// A new editor's own bars and main caption, by which the add-in finds its place: the Add-Ins
// popup of the menu bar opens the Add-Ins bar itself, the editor's entry first.
TEST(SimEditorTest, ANewEditorShowsItsOwnBarsAndCaptionAsItsKindDoes) {
  EditorOptions chinese_excel;
  chinese_excel.name = u"Microsoft Excel";
  chinese_excel.language = EditorLanguage::kChinese;
  EditorOptions own_caption;
  own_caption.main_caption = u"Own";
  const struct {
    EditorOptions options;
    std::u16string caption;
  } editors[] = {
      {{}, u"Project1 - Microsoft Visual Basic [design]"},
      {chinese_excel, u"Microsoft Visual Basic for Applications - Project1"},
      {own_caption, u"Own"},
  };
  for (const auto& row : editors) {
    SCOPED_TRACE(text::ToUtf8(row.caption));
    SimEditor editor(row.options);
    auto app = editor.Application();
    EXPECT_EQ(app->MainWindow()->Caption(), row.caption);
    const auto names = NamesOf(row.options);
    auto bars = app->CommandBars();
    for (const auto& [name, visible] : {std::pair{names.menu_bar, true},
                                        {u"Standard", true},
                                        {u"Edit", false},
                                        {names.add_ins_bar, false}}) {
      EXPECT_EQ(bars->Item(name)->Visible(), visible) << text::ToUtf8(name);
    }
    auto popup = bars->ActiveMenuBar()->FindControl(host::kAddInsPopupId);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Caption(), names.add_ins_popup);
    auto opened = popup->CommandBar();
    EXPECT_EQ(popup->CommandBar(), opened);
    opened->Controls()->Add(host::kButton);
    EXPECT_EQ(bars->Item(names.add_ins_bar)->Controls()->Count(), 2);
    EXPECT_EQ(popup->Controls()->Item(1)->Caption(), u"&Add-In Manager...");
  }
}

SimCodeModule MakeModule(Lines lines) {
  return SimCodeModule(u"P", u"M", std::move(lines), std::make_shared<CallLog>());
}

// The code tools take their line ranges from these answers, so the simulation counts as the
// editor does; `owners` names the procedure of each line ("" in the declarations).
TEST(ProcedureTableTest, ModuleAnswersEveryLineAsTheEditorCounts) {
  const struct {
    const char* title;
    Lines lines;
    Lines owners;
  } cases[] = {
      {"comments and blanks above a header belong to the procedure, an End If or End Type ends "
       "none, Declare and Event lines stay in the declarations, the last runs to the end",
       {u"Option Explicit", u"Private Declare Function GetTickCount Lib \"kernel32\" () As Long",
        u"Public Event Changed()", u"Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)",
        u"Type P", u"  x As Long", u"End Type", u"", u"' about A", u"Public Sub A()", u"If x Then",
        u"End If", u"End Sub", u"' B does", u"Function B() As Long", u"End Function", u"",
        u"' trailing"},
       {u"", u"", u"", u"", u"", u"", u"", u"A", u"A", u"A", u"A", u"A", u"A", u"B", u"B", u"B",
        u"B", u"B"}},
      {"no header: all declarations",
       {u"Option Explicit", u"Dim a", u"' End Sub"},
       {u"", u"", u""}},
      {"a procedure without end swallows the rest",
       {u"Dim a", u"Sub A()", u"x = 1", u"Sub B()"},
       {u"", u"A", u"A", u"A"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    auto module = MakeModule(c.lines);
    Lines answered;
    for (std::int32_t line = 1; line <= module.LineCount(); ++line)
      answered.push_back(module.ProcOfLine(line, 0));
    EXPECT_EQ(answered, c.owners);
    const auto declarations = std::ranges::find_if(c.owners, [](auto& o) { return !o.empty(); });
    EXPECT_EQ(ProcedureTable::Scan(c.lines).DeclarationsEnd(), declarations - c.owners.begin());
    for (const auto& name : c.owners) {
      if (name.empty()) continue;
      EXPECT_EQ(module.ProcStartLine(name, 0),
                std::ranges::find(c.owners, name) - c.owners.begin() + 1);
      EXPECT_EQ(module.ProcCountLines(name, 0), std::ranges::count(c.owners, name));
    }
    EXPECT_THROW(module.ProcStartLine(u"Inner", 0), host::HostError);
    EXPECT_THROW(module.ProcOfLine(0, 0), host::HostError);
    EXPECT_THROW(module.ProcOfLine(module.LineCount() + 1, 0), host::HostError);
  }
}

}  // namespace
}  // namespace tessaly::sim
