// Every member of the simulated object model that the features call, one row each, called
// through the host interfaces as the features call it: the features' call budgets, their
// handling of a refusal and of a deleted menu all rest on these answers.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_error.h"
#include "sim/editor/sim_editor.h"
#include "text/utf.h"

namespace tessaly::sim {
namespace {

struct NoSink : host::ClickSink {
  void OnClick(host::CommandBarControl&, bool&, bool&) override {}
};

struct BlankDocument : host::UserDocument {
  void TabInitialize() override {}
  void Code_Click(const std::u16string&) override {}
};

// An editor with a module in the active pane and a bar holding a popup with a button, every
// object already taken from the editor, so that a row's call is the only call it makes.
struct Editor {
  Editor() {
    editor.AddModule(u"P", u"M", {u"Sub A()", u"End Sub", u"' tail"});
    editor.RegisterDocumentClass(u"Tab.Doc", [] { return std::make_shared<BlankDocument>(); });
    editor.Module(u"M").Pane()->CodeWindow().SetHandle(0x2A);
    app = editor.Application();
    bars = app->CommandBars();
    bar = bars->Add(u"Bar", host::kBarTop);
    popup = bar->Controls()->Add(host::kPopup);
    controls = popup->Controls();
    button = controls->Add(host::kButton);
    windows = app->Windows();
    events = app->Events();
    pane = app->ActiveCodePane();
    window = pane->Window();
    module = pane->CodeModule();
    component = module->Parent();
    project = app->ActiveVBProject();
    button_source = button->ButtonEvents();
    events_source = events->CommandBarEvents(*button);
    editor.ResetCalls();
  }
  std::int64_t TotalCalls() const { return editor.App().Calls().TotalCalls(); }

  SimEditor editor;
  std::shared_ptr<host::Application> app;
  std::shared_ptr<host::CommandBars> bars;
  std::shared_ptr<host::CommandBar> bar;
  std::shared_ptr<host::CommandBarControl> popup, button;
  std::shared_ptr<host::CommandBarControls> controls;
  std::shared_ptr<host::Windows> windows;
  std::shared_ptr<host::Events> events;
  std::shared_ptr<host::CodePane> pane;
  std::shared_ptr<host::Window> window;
  std::shared_ptr<host::CodeModule> module;
  std::shared_ptr<host::VBComponent> component;
  std::shared_ptr<host::VBProject> project;
  std::shared_ptr<host::ClickSource> button_source, events_source;
};

struct Member {
  const char16_t* name;
  std::function<void(Editor&)> call;
  // The member belongs to the popup or to what it holds, so deleting the popup kills it.
  bool dies_with_popup = false;
};

const Member kMembers[] = {
    {u"Application.Name", [](Editor& e) { e.app->Name(); }},
    {u"Application.Version", [](Editor& e) { e.app->Version(); }},
    {u"Application.CommandBars", [](Editor& e) { e.app->CommandBars(); }},
    {u"Application.Windows", [](Editor& e) { e.app->Windows(); }},
    {u"Application.MainWindow", [](Editor& e) { e.app->MainWindow(); }},
    {u"Application.Events", [](Editor& e) { e.app->Events(); }},
    {u"Application.ActiveCodePane", [](Editor& e) { e.app->ActiveCodePane(); }},
    {u"Application.ActiveVBProject", [](Editor& e) { e.app->ActiveVBProject(); }},
    {u"Windows.Count", [](Editor& e) { e.windows->Count(); }},
    {u"Windows.Item", [](Editor& e) { e.windows->Item(1); }},
    {u"Windows.Item", [](Editor& e) { e.windows->Item(u"Properties"); }},
    {u"Windows.CreateToolWindow",
     [](Editor& e) {
       host::AddInInstance add_in;
       e.windows->CreateToolWindow(add_in, u"Tab.Doc", u"Tabs", u"{guid}");
     }},
    {u"Window.Caption", [](Editor& e) { e.window->Caption(); }},
    {u"Window.Type", [](Editor& e) { e.window->Type(); }},
    {u"Window.Visible", [](Editor& e) { e.window->Visible(); }},
    {u"Window.SetVisible", [](Editor& e) { e.window->SetVisible(true); }},
    {u"Window.LinkedWindowFrame", [](Editor& e) { e.window->LinkedWindowFrame(); }},
    {u"Window.Left", [](Editor& e) { e.window->Left(); }},
    {u"Window.Top", [](Editor& e) { e.window->Top(); }},
    {u"Window.SetHeight", [](Editor& e) { e.window->SetHeight(5); }},
    {u"Window.SetFocus", [](Editor& e) { e.window->SetFocus(); }},
    {u"Window.HWnd", [](Editor& e) { e.window->HWnd(); }},
    {u"CodePane.GetSelection", [](Editor& e) { e.pane->GetSelection(); }},
    {u"CodePane.SetSelection", [](Editor& e) { e.pane->SetSelection(1, 1, 2, 3); }},
    {u"CodePane.TopLine", [](Editor& e) { e.pane->TopLine(); }},
    {u"CodePane.SetTopLine", [](Editor& e) { e.pane->SetTopLine(2); }},
    {u"CodePane.Window", [](Editor& e) { e.pane->Window(); }},
    {u"CodePane.CodeModule", [](Editor& e) { e.pane->CodeModule(); }},
    {u"CodeModule.Lines", [](Editor& e) { e.module->Lines(1, 2); }},
    {u"CodeModule.ReplaceLine", [](Editor& e) { e.module->ReplaceLine(1, u"Sub B()"); }},
    {u"CodeModule.InsertLines", [](Editor& e) { e.module->InsertLines(1, u"'"); }},
    {u"CodeModule.DeleteLines", [](Editor& e) { e.module->DeleteLines(3, 1); }},
    {u"CodeModule.CountOfLines", [](Editor& e) { e.module->CountOfLines(); }},
    {u"CodeModule.ProcOfLine", [](Editor& e) { e.module->ProcOfLine(1, 0); }},
    {u"CodeModule.ProcStartLine", [](Editor& e) { e.module->ProcStartLine(u"A", 0); }},
    {u"CodeModule.ProcCountLines", [](Editor& e) { e.module->ProcCountLines(u"A", 0); }},
    {u"CodeModule.CodePane", [](Editor& e) { e.module->CodePane(); }},
    {u"CodeModule.Parent", [](Editor& e) { e.module->Parent(); }},
    {u"VBComponent.Name", [](Editor& e) { e.component->Name(); }},
    {u"VBComponent.Type", [](Editor& e) { e.component->Type(); }},
    {u"VBProject.FileName", [](Editor& e) { e.project->FileName(); }},
    {u"CommandBars.Item", [](Editor& e) { e.bars->Item(u"bar"); }},
    {u"CommandBars.Add", [](Editor& e) { e.bars->Add(u"Other", host::kBarTop); }},
    {u"CommandBars.ActiveMenuBar", [](Editor& e) { e.bars->ActiveMenuBar(); }},
    {u"CommandBar.Name", [](Editor& e) { e.bar->Name(); }},
    {u"CommandBar.Visible", [](Editor& e) { e.bar->Visible(); }},
    {u"CommandBar.SetVisible", [](Editor& e) { e.bar->SetVisible(true); }},
    {u"CommandBar.SetEnabled", [](Editor& e) { e.bar->SetEnabled(true); }},
    {u"CommandBar.Controls", [](Editor& e) { e.bar->Controls(); }},
    {u"CommandBar.FindControl", [](Editor& e) { e.bar->FindControl(1); }},
    {u"CommandBarControl.Caption", [](Editor& e) { e.popup->Caption(); }, true},
    {u"CommandBarControl.SetCaption", [](Editor& e) { e.popup->SetCaption(u"x"); }, true},
    {u"CommandBarControl.Type", [](Editor& e) { e.popup->Type(); }, true},
    {u"CommandBarControl.SetBeginGroup", [](Editor& e) { e.popup->SetBeginGroup(true); }, true},
    {u"CommandBarControl.SetFaceId", [](Editor& e) { e.button->SetFaceId(1); }, true},
    {u"CommandBarControl.SetStyle", [](Editor& e) { e.button->SetStyle(1); }, true},
    {u"CommandBarControl.SetTooltipText", [](Editor& e) { e.popup->SetTooltipText(u"x"); }, true},
    {u"CommandBarControl.SetParameter", [](Editor& e) { e.button->SetParameter(u"x"); }, true},
    {u"CommandBarControl.SetVisible", [](Editor& e) { e.popup->SetVisible(true); }, true},
    {u"CommandBarControl.SetEnabled", [](Editor& e) { e.button->SetEnabled(true); }, true},
    {u"CommandBarControl.Id", [](Editor& e) { e.button->Id(); }, true},
    {u"CommandBarControl.ButtonEvents", [](Editor& e) { e.button->ButtonEvents(); }, true},
    {u"CommandBarControl.Controls", [](Editor& e) { e.popup->Controls(); }, true},
    {u"CommandBarControl.Delete", [](Editor& e) { e.button->Delete(); }, true},
    {u"CommandBarPopup.CommandBar", [](Editor& e) { e.popup->CommandBar(); }, true},
    {u"CommandBarControls.Count", [](Editor& e) { e.controls->Count(); }, true},
    {u"CommandBarControls.Item", [](Editor& e) { e.controls->Item(1); }, true},
    {u"CommandBarControls.Add", [](Editor& e) { e.controls->Add(host::kButton); }, true},
    {u"Events.CommandBarEvents", [](Editor& e) { e.events->CommandBarEvents(*e.button); }, true},
    {u"ClickSource.Advise",
     [](Editor& e) { auto kept = e.button_source->Advise(std::make_shared<NoSink>()); }, true},
    {u"ClickSource.Advise",
     [](Editor& e) { auto kept = e.events_source->Advise(std::make_shared<NoSink>()); }, true},
};

// Each call is logged once, under its own name and no other, and a member the editor refuses
// throws the host's error.
TEST(ObjectModelMembers, EachCallIsLoggedOnceUnderItsOwnNameAndCanBeRefused) {
  for (const auto& member : kMembers) {
    SCOPED_TRACE(text::ToUtf8(member.name));
    Editor e;
    member.call(e);
    EXPECT_EQ(e.editor.Calls(member.name), 1);
    EXPECT_EQ(e.TotalCalls(), 1);
    Editor refusing;
    refusing.editor.Refuse(member.name, "busy");
    EXPECT_THROW(member.call(refusing), host::HostError);
  }
}

// Once the popup is deleted, or the user deletes its bar, each member of the popup, of what it
// holds and of the event sources taken from its button refuses through the objects kept from
// before, naming itself.
TEST(ObjectModelMembers, EveryMemberOfADeletedPopupRefusesNamingItself) {
  const std::function<void(Editor&)> deletions[] = {
      [](Editor& e) {
        e.bar->Controls()->Item(1)->Delete();
        EXPECT_EQ(e.bar->Controls()->Count(), 0);
      },
      [](Editor& e) {
        e.editor.App().Bars().RemoveBar(u"bar");
        EXPECT_THROW(e.bars->Item(u"Bar"), host::HostError);
        EXPECT_THROW(e.bar->Controls()->Count(), host::HostError);
      },
  };
  for (const auto& member : kMembers) {
    if (!member.dies_with_popup) continue;
    const std::string name = text::ToUtf8(member.name);
    for (const auto& deletion : deletions) {
      SCOPED_TRACE(name);
      Editor e;
      deletion(e);
      try {
        member.call(e);
        ADD_FAILURE() << "a deleted control answered";
      } catch (const host::HostError& refused) {
        EXPECT_NE(std::string(refused.what()).find(name.substr(name.find('.') + 1)),
                  std::string::npos)
            << refused.what();
      }
    }
  }
}

// Each index and line at the edges of what the editor takes: the module holds three lines, the
// popup one button, the editor four windows (the code window last).
TEST(ObjectModelMembers, TakesIndicesAndLinesUpToTheEdgeAndRefusesOnePast) {
  using Call = std::function<void(Editor&)>;
  const struct {
    const char* title;
    Call call;
    bool taken;
  } rows[] = {
      {"Windows.Item(0)", [](Editor& e) { e.windows->Item(0); }, false},
      {"Windows.Item(4)",
       [](Editor& e) { EXPECT_EQ(e.windows->Item(4)->Caption(), u"P - M (Code)"); }, true},
      {"Windows.Item(5)", [](Editor& e) { e.windows->Item(5); }, false},
      {"Windows.Item(missing)", [](Editor& e) { e.windows->Item(u"Nowhere"); }, false},
      {"Controls.Item(0)", [](Editor& e) { e.controls->Item(0); }, false},
      {"Controls.Item(1)", [](Editor& e) { EXPECT_EQ(e.controls->Item(1), e.button); }, true},
      {"Controls.Item(2)", [](Editor& e) { e.controls->Item(2); }, false},
      {"Lines(0, 1)", [](Editor& e) { e.module->Lines(0, 1); }, false},
      {"Lines(3, 1)", [](Editor& e) { EXPECT_EQ(e.module->Lines(3, 1), u"' tail"); }, true},
      {"Lines(3, 2)", [](Editor& e) { e.module->Lines(3, 2); }, false},
      {"ReplaceLine(0)", [](Editor& e) { e.module->ReplaceLine(0, u""); }, false},
      {"ReplaceLine(3)", [](Editor& e) { e.module->ReplaceLine(3, u""); }, true},
      {"ReplaceLine(4)", [](Editor& e) { e.module->ReplaceLine(4, u""); }, false},
      // The module's 20 units of text are as much as it takes.
      {"ReplaceLine at the capacity",
       [](Editor& e) {
         e.editor.Module(u"M").SetCapacity(20);
         e.module->ReplaceLine(3, u"' \r\ntail");
       },
       true},
      {"ReplaceLine past the capacity",
       [](Editor& e) {
         e.editor.Module(u"M").SetCapacity(20);
         e.module->ReplaceLine(3, u"' tail\r\nx");
       },
       false},
      {"InsertLines(0)", [](Editor& e) { e.module->InsertLines(0, u""); }, false},
      {"InsertLines(4)", [](Editor& e) { e.module->InsertLines(4, u""); }, true},
      {"InsertLines(5)", [](Editor& e) { e.module->InsertLines(5, u""); }, false},
      {"DeleteLines(0, 1)", [](Editor& e) { e.module->DeleteLines(0, 1); }, false},
      {"DeleteLines(1, 0)", [](Editor& e) { e.module->DeleteLines(1, 0); }, false},
      {"DeleteLines(1, 3)", [](Editor& e) { e.module->DeleteLines(1, 3); }, true},
      {"DeleteLines(3, 2)", [](Editor& e) { e.module->DeleteLines(3, 2); }, false},
      {"ProcCountLines(B)", [](Editor& e) { e.module->ProcCountLines(u"B", 0); }, false},
      {"SetSelection(0, 1, 1, 1)", [](Editor& e) { e.pane->SetSelection(0, 1, 1, 1); }, false},
      {"SetSelection(4, 1, 1, 1)", [](Editor& e) { e.pane->SetSelection(4, 1, 1, 1); }, false},
      {"SetSelection(1, 1, 0, 1)", [](Editor& e) { e.pane->SetSelection(1, 1, 0, 1); }, false},
      {"SetSelection(1, 1, 4, 1)", [](Editor& e) { e.pane->SetSelection(1, 1, 4, 1); }, false},
      {"SetSelection(3, 1024, 1, 1)",
       [](Editor& e) {
         e.pane->SetSelection(3, 1024, 1, 1);
         EXPECT_EQ(e.pane->GetSelection(), (host::Selection{3, 1024, 1, 1}));
       },
       true},
      {"SetSelection(1, 0, 1, 1)", [](Editor& e) { e.pane->SetSelection(1, 0, 1, 1); }, false},
      {"SetSelection(1, 1, 1, 1025)", [](Editor& e) { e.pane->SetSelection(1, 1, 1, 1025); },
       false},
      {"SetTopLine(0)", [](Editor& e) { e.pane->SetTopLine(0); }, false},
      {"SetTopLine(3)",
       [](Editor& e) {
         e.pane->SetTopLine(3);
         EXPECT_EQ(e.pane->TopLine(), 3);
       },
       true},
      {"SetTopLine(4)", [](Editor& e) { e.pane->SetTopLine(4); }, false},
      {"CommandBars.Item(missing)", [](Editor& e) { e.bars->Item(u"Missing"); }, false},
      {"CommandBars.Add(taken)", [](Editor& e) { e.bars->Add(u"BAR", host::kBarTop); }, false},
      {"button Controls", [](Editor& e) { e.button->Controls(); }, false},
      {"popup SetFaceId", [](Editor& e) { e.popup->SetFaceId(1); }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.title);
    Editor e;
    if (row.taken) {
      EXPECT_NO_THROW(row.call(e));
    } else {
      EXPECT_THROW(row.call(e), host::HostError);
    }
  }
}

// The procedure answers follow every edit, however the module was read before it.
TEST(ObjectModelMembers, ProcedureAnswersFollowEachEdit) {
  using Lines = std::vector<std::u16string>;
  const struct {
    const char* title;
    std::function<void(host::CodeModule&)> edit;
    Lines owners;
  } rows[] = {
      {"a line replaced", [](auto& m) { m.ReplaceLine(3, u"Sub B()"); }, {u"A", u"A", u"B"}},
      {"a line replaced by two",
       [](auto& m) { m.ReplaceLine(3, u"' B\r\nSub B()"); },
       {u"A", u"A", u"B", u"B"}},
      {"a line inserted", [](auto& m) { m.InsertLines(3, u"Sub B()"); }, {u"A", u"A", u"B", u"B"}},
      {"lines deleted", [](auto& m) { m.DeleteLines(1, 2); }, {u""}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.title);
    Editor e;
    for (std::int32_t line = 1; line <= 3; ++line)
      EXPECT_EQ(e.module->ProcOfLine(line, 0), u"A");
    row.edit(*e.module);
    Lines owners;
    for (std::int32_t line = 1; line <= e.module->CountOfLines(); ++line)
      owners.push_back(e.module->ProcOfLine(line, 0));
    EXPECT_EQ(owners, row.owners);
  }
}

}  // namespace
}  // namespace tessaly::sim
