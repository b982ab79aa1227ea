#include "sim/editor/sim_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
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

// Every member of a menu's objects is counted under its own name, and refused once its control
// is deleted, as the editor refuses a released control: the features' call budgets and their
// handling of a deleted menu rest on both.
TEST(SimEditorTest, EachMenuMemberIsCountedAndRefusedOnceItsControlIsDeleted) {
  using Control = host::CommandBarControl;
  // Each member called on a popup or on the button inside it.
  const struct {
    const char16_t* member;
    std::function<void(Control& popup, Control& button)> call;
  } members[] = {
      {u"CommandBarControl.Caption", [](Control& p, Control&) { p.Caption(); }},
      {u"CommandBarControl.SetCaption", [](Control& p, Control&) { p.SetCaption(u"x"); }},
      {u"CommandBarControl.Type", [](Control& p, Control&) { p.Type(); }},
      {u"CommandBarControl.SetBeginGroup", [](Control& p, Control&) { p.SetBeginGroup(true); }},
      {u"CommandBarControl.SetFaceId", [](Control&, Control& b) { b.SetFaceId(1); }},
      {u"CommandBarControl.SetStyle", [](Control&, Control& b) { b.SetStyle(1); }},
      {u"CommandBarControl.SetTooltipText", [](Control& p, Control&) { p.SetTooltipText(u"x"); }},
      {u"CommandBarControl.SetParameter", [](Control&, Control& b) { b.SetParameter(u"x"); }},
      {u"CommandBarControl.SetVisible", [](Control& p, Control&) { p.SetVisible(true); }},
      {u"CommandBarControl.SetEnabled", [](Control&, Control& b) { b.SetEnabled(true); }},
      {u"CommandBarControl.Id", [](Control&, Control& b) { b.Id(); }},
      {u"CommandBarControl.ButtonEvents", [](Control&, Control& b) { b.ButtonEvents(); }},
      {u"CommandBarControl.Controls", [](Control& p, Control&) { p.Controls(); }},
      {u"CommandBarPopup.CommandBar", [](Control& p, Control&) { p.CommandBar(); }},
  };
  for (const auto& m : members) {
    SCOPED_TRACE(text::ToUtf8(m.member));
    SimEditor editor;
    auto bar = editor.Application()->CommandBars()->Add(u"Bar", host::kBarTop);
    auto popup = bar->Controls()->Add(host::kPopup);
    auto controls = popup->Controls();
    auto button = controls->Add(host::kButton);
    editor.ResetCalls();
    m.call(*popup, *button);
    EXPECT_EQ(editor.Calls(m.member), 1);
    const std::string name = text::ToUtf8(m.member);
    bar->Controls()->Item(1)->Delete();
    // Through the objects kept from before the deletion.
    try {
      m.call(*popup, *button);
      ADD_FAILURE() << "a deleted control answered";
    } catch (const host::HostError& refused) {
      EXPECT_NE(std::string(refused.what()).find(name.substr(name.find('.') + 1)),
                std::string::npos)
          << refused.what();
    }
  }
  // The collection of a deleted popup: each member counted, and refused.
  SimEditor editor;
  auto bar = editor.Application()->CommandBars()->Add(u"Bar", host::kBarTop);
  auto controls = bar->Controls()->Add(host::kPopup)->Controls();
  auto button = controls->Add(host::kButton);
  // Event sources taken before the deletion refuse a sink after it.
  const auto sources = {editor.Application()->Events()->CommandBarEvents(*button),
                        button->ButtonEvents()};
  editor.ResetCalls();
  controls->Item(controls->Count());
  for (const auto* member : {u"CommandBarControls.Count", u"CommandBarControls.Item"})
    EXPECT_EQ(editor.Calls(member), 1);
  bar->Controls()->Item(1)->Delete();
  EXPECT_THROW(controls->Count(), host::HostError);
  EXPECT_THROW(controls->Item(1), host::HostError);
  EXPECT_THROW(controls->Add(host::kButton), host::HostError);
  for (const auto& source : sources)
    EXPECT_THROW(source->Advise(std::make_shared<RecordingSink>()), host::HostError);

  // The bars' members, counted the same way.
  using Bars = host::CommandBars;
  const struct {
    const char16_t* member;
    std::function<void(Bars&)> call;
  } bar_members[] = {
      {u"CommandBars.Item", [](Bars& b) { b.Item(u"Bar"); }},
      {u"CommandBars.Add", [](Bars& b) { b.Add(u"Other", host::kBarTop); }},
      {u"CommandBars.ActiveMenuBar", [](Bars& b) { b.ActiveMenuBar(); }},
      {u"CommandBar.Name", [](Bars& b) { b.Item(u"Bar")->Name(); }},
      {u"CommandBar.Visible", [](Bars& b) { b.Item(u"Bar")->Visible(); }},
      {u"CommandBar.SetVisible", [](Bars& b) { b.Item(u"Bar")->SetVisible(true); }},
      {u"CommandBar.SetEnabled", [](Bars& b) { b.Item(u"Bar")->SetEnabled(true); }},
      {u"CommandBar.Controls", [](Bars& b) { b.Item(u"Bar")->Controls(); }},
      {u"CommandBar.FindControl", [](Bars& b) { b.Item(u"Bar")->FindControl(1); }},
  };
  for (const auto& m : bar_members) {
    SCOPED_TRACE(text::ToUtf8(m.member));
    editor.ResetCalls();
    m.call(*editor.Application()->CommandBars());
    EXPECT_EQ(editor.Calls(m.member), 1);
    bar->Controls();  // a second member, which must not count as this one
    EXPECT_EQ(editor.Calls(m.member),
              m.member == std::u16string_view(u"CommandBar.Controls") ? 2 : 1);
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
