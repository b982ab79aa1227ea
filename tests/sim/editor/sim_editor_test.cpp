#include "sim/editor/sim_editor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_error.h"

namespace tessaly::sim {
namespace {

// A sink that records the captions it was clicked with and asks the editor to skip its own
// action, as the add-in's sinks do.
class RecordingSink : public host::ClickSink {
 public:
  void OnClick(host::CommandBarControl& control, bool& handled, bool& cancel_default) override {
    captions.push_back(control.Caption());
    handled_seen.push_back(handled);
    if (on_click) on_click();
    cancel_default = true;
  }
  std::vector<std::u16string> captions;
  std::vector<bool> handled_seen;
  std::function<void()> on_click;
};

class TabDocument : public host::UserDocument {};

EditorOptions ExcelEditor() {
  EditorOptions options;
  options.name = u"Microsoft Excel";
  options.version = u"16.0";
  return options;
}

// Builds "Bar > Pop > Item" and a button "Bar > Go" through the object model.
std::shared_ptr<host::CommandBarControl> BuildBar(host::Application& app,
                                                  std::shared_ptr<host::CommandBarControl>* item) {
  auto bar = app.CommandBars()->Add(u"Bar", host::kBarTop);
  auto popup = bar->Controls()->Add(host::kPopup);
  popup->SetCaption(u"Pop");
  *item = popup->Controls()->Add(host::kButton);
  (*item)->SetCaption(u"Item");
  auto go = bar->Controls()->Add(host::kButton);
  go->SetCaption(u"Go");
  return go;
}

TEST(SimEditorTest, StartsWithTheEditorsOwnWindowsAndFindsThemByCaptionOrIndex) {
  SimEditor editor;
  auto windows = editor.Application()->Windows();
  ASSERT_EQ(windows->Count(), 3);
  EXPECT_EQ(windows->Item(1)->Type(), host::kImmediateWindow);
  EXPECT_EQ(windows->Item(1)->Caption(), u"Immediate");
  EXPECT_EQ(windows->Item(u"Project - Project1")->Type(), host::kProjectExplorer);
  EXPECT_EQ(windows->Item(3)->Caption(), u"Properties");
  EXPECT_THROW(windows->Item(0), host::HostError);
  EXPECT_THROW(windows->Item(4), host::HostError);
  EXPECT_THROW(windows->Item(u"标签"), host::HostError);
  EXPECT_EQ(editor.Application()->MainWindow()->Caption(),
            u"Project1 - Microsoft Visual Basic [design]");

  auto immediate = windows->Item(1);
  EXPECT_EQ(immediate->LinkedWindowFrame(), nullptr);
  editor.Window(u"Immediate").LinkToFrame(editor.Windows()[1]);
  EXPECT_EQ(immediate->LinkedWindowFrame(), editor.Windows()[1]);
  immediate->SetVisible(!immediate->Visible());
  EXPECT_FALSE(editor.Window(u"Immediate").IsVisible());
}

TEST(SimEditorTest, ModulesOpenCodeWindowsAndTheNewestPaneHasTheCaret) {
  SimEditor editor;
  auto app = editor.Application();
  EXPECT_THROW(app->ActiveCodePane(), host::HostError);

  auto& first = editor.AddModule(u"Project1", u"Module1", {u"Sub A()", u"End Sub"});
  auto& second = editor.AddModule(u"Project1", u"Class1", {u"Dim x"});
  EXPECT_THROW(editor.AddModule(u"Project1", u"Class1", {}), std::invalid_argument);
  EXPECT_EQ(app->Windows()->Item(4)->Caption(), u"Project1 - Module1 (Code)");
  EXPECT_EQ(app->Windows()->Item(5)->Type(), host::kCodeWindow);
  EXPECT_EQ(app->ActiveCodePane()->CodeModule()->Lines(1, 1), u"Dim x");
  EXPECT_EQ(second.CodePane(), app->ActiveCodePane());

  editor.Activate(u"Module1");
  EXPECT_EQ(app->ActiveCodePane()->Window()->Caption(), u"Project1 - Module1 (Code)");
  // Showing a code window brings it to the front.
  app->Windows()->Item(u"Project1 - Class1 (Code)")->SetVisible(true);
  EXPECT_EQ(editor.ActivePane(), second.Pane().get());
  first.Pane()->CodeWindow().SetFocus();
  EXPECT_EQ(editor.ActivePane(), first.Pane().get());
  EXPECT_EQ(first.Pane()->CodeWindow().FocusCount(), 1);

  editor.ClearActivePane();
  EXPECT_THROW(app->ActiveCodePane(), host::HostError);
  EXPECT_THROW(editor.Module(u"Missing"), std::invalid_argument);

  editor.Activate(u"Class1");
  editor.CloseWindow(u"Project1 - Class1 (Code)");
  EXPECT_THROW(app->ActiveCodePane(), host::HostError);
  EXPECT_EQ(app->Windows()->Count(), 4);
  EXPECT_THROW(app->Windows()->Item(u"Project1 - Class1 (Code)"), host::HostError);
}

TEST(SimEditorTest, TheChineseEditorMarksCodeWindowsItsOwnWay) {
  EditorOptions options;
  options.code_marker = u"(代码)";
  SimEditor editor(options);
  editor.AddModule(u"VBAProject", u"模块1", {});
  EXPECT_TRUE(editor.HasWindow(u"VBAProject - 模块1 (代码)"));
}

TEST(SimEditorTest, ToolWindowsComeFromRegisteredDocumentClasses) {
  SimEditor editor;
  host::AddInInstance add_in;
  auto windows = editor.Application()->Windows();
  EXPECT_THROW(windows->CreateToolWindow(add_in, u"QWIX.VBIDETab", u"标签", u"anystring"),
               host::HostError);
  EXPECT_FALSE(editor.HasWindow(u"标签"));

  editor.RegisterDocumentClass(u"QWIX.VBIDETab", [] { return std::make_shared<TabDocument>(); });
  auto tool = windows->CreateToolWindow(add_in, u"QWIX.VBIDETab", u"标签", u"anystring");
  ASSERT_NE(tool.document, nullptr);
  EXPECT_NE(dynamic_cast<TabDocument*>(tool.document.get()), nullptr);
  EXPECT_EQ(tool.window->Type(), kToolWindowType);
  EXPECT_FALSE(tool.window->Visible());
  EXPECT_EQ(windows->Item(u"标签"), tool.window);
  EXPECT_EQ(editor.Window(u"标签").Document(), tool.document);

  editor.Window(u"标签").SetLeft(100);
  editor.Window(u"标签").SetTop(50);
  EXPECT_EQ(tool.window->Left(), 100);
  EXPECT_EQ(tool.window->Top(), 50);
  tool.window->SetHeight(60);
  EXPECT_EQ(editor.Window(u"标签").Height(), 60);
}

TEST(SimEditorTest, CommandBarsRefuseUnknownAndDuplicateNames) {
  SimEditor editor;
  auto bars = editor.Application()->CommandBars();
  auto add_ins = bars->Item(u"Add-Ins");
  EXPECT_EQ(add_ins->Controls()->Count(), 1);  // the editor's own Add-In Manager entry
  EXPECT_THROW(bars->Item(u"TessalyIDE"), host::HostError);
  auto bar = bars->Add(u"TessalyIDE", host::kBarTop);
  EXPECT_FALSE(bar->Visible());
  EXPECT_THROW(bars->Add(u"TessalyIDE", host::kBarTop), host::HostError);
  EXPECT_THROW(bars->Add(u"tessalyide", host::kBarTop), host::HostError);
  EXPECT_EQ(bars->Item(u"TessalyIDE"), bar);
  bar->SetVisible(true);
  bar->SetEnabled(false);
  EXPECT_TRUE(editor.Bar(u"TessalyIDE").IsVisible());
  EXPECT_FALSE(editor.Bar(u"TessalyIDE").IsEnabled());
  EXPECT_EQ(editor.Bar(u"TessalyIDE").Position(), host::kBarTop);
  EXPECT_TRUE(editor.Bar(u"TessalyIDE").Properties().visible);

  EditorOptions bare;
  bare.add_ins_bar = false;
  SimEditor without(bare);
  EXPECT_THROW(without.Application()->CommandBars()->Item(u"Add-Ins"), host::HostError);
}

TEST(SimEditorTest, ControlsKeepEveryPropertyAndDeleteRemovesThem) {
  SimEditor editor;
  auto app = editor.Application();
  std::shared_ptr<host::CommandBarControl> item;
  auto go = BuildBar(*app, &item);
  go->SetStyle(host::kIconAndCaption);
  go->SetBeginGroup(true);
  go->SetFaceId(59);
  go->SetTooltipText(u"提示");
  go->SetParameter(u"TBVBCode");
  go->SetVisible(false);
  go->SetEnabled(false);
  const auto& p = editor.Control({u"Bar", u"Go"}).Properties();
  EXPECT_EQ(p.type, host::kButton);
  EXPECT_EQ(p.caption, u"Go");
  EXPECT_EQ(p.style, host::kIconAndCaption);
  EXPECT_TRUE(p.begin_group);
  EXPECT_EQ(p.face_id, 59);
  EXPECT_EQ(p.tooltip_text, u"提示");
  EXPECT_EQ(p.parameter, u"TBVBCode");
  EXPECT_FALSE(p.visible);
  EXPECT_FALSE(p.enabled);

  EXPECT_THROW(go->Controls(), host::HostError);
  auto popup = app->CommandBars()->Item(u"Bar")->Controls()->Item(1);
  EXPECT_EQ(popup->Type(), host::kPopup);
  EXPECT_EQ(popup->Controls()->Item(1), item);
  EXPECT_THROW(popup->ButtonEvents(), host::HostError);
  EXPECT_THROW(popup->Controls()->Add(4), host::HostError);

  go->Delete();
  EXPECT_EQ(app->CommandBars()->Item(u"Bar")->Controls()->Count(), 1);
  EXPECT_THROW(editor.Control({u"Bar", u"Go"}), std::invalid_argument);
  EXPECT_THROW(go->Caption(), host::HostError);
  EXPECT_THROW(go->Delete(), host::HostError);
  popup->Delete();
  EXPECT_THROW(item->SetCaption(u"x"), host::HostError);
}

TEST(SimEditorTest, Vb6ClicksReachLiveSinksOfBothKindsOnly) {
  SimEditor editor;
  auto app = editor.Application();
  std::shared_ptr<host::CommandBarControl> item;
  BuildBar(*app, &item);

  auto first = std::make_shared<RecordingSink>();
  auto second = std::make_shared<RecordingSink>();
  auto own = std::make_shared<RecordingSink>();
  auto events_source = app->Events()->CommandBarEvents(*item);
  auto first_connection = events_source->Advise(first);
  auto second_connection = app->Events()->CommandBarEvents(*item)->Advise(second);
  auto own_connection = item->ButtonEvents()->Advise(own);
  const ControlPath path = {u"Bar", u"Pop", u"Item"};
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kCommandBarEvents), 2);
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kButtonEvents), 1);

  ClickResult result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 3);
  EXPECT_TRUE(result.cancel_default);
  EXPECT_EQ(first->captions, std::vector<std::u16string>{u"Item"});
  EXPECT_EQ(own->captions, std::vector<std::u16string>{u"Item"});

  second_connection.reset();
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kCommandBarEvents), 1);
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 2);
  EXPECT_EQ(first->captions.size(), 2u);

  // A sink unadvised by an earlier sink during the same click is not called.
  auto victim = std::make_shared<RecordingSink>();
  auto victim_connection = app->Events()->CommandBarEvents(*item)->Advise(victim);
  std::weak_ptr<RecordingSink> watch = victim;
  first->on_click = [&] { victim_connection.reset(); };
  victim.reset();
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 2);
  EXPECT_TRUE(watch.expired());

  first_connection.reset();
  own_connection.reset();
  result = editor.Click(path);
  EXPECT_EQ(result.sinks_run, 0);
  EXPECT_FALSE(result.cancel_default);

  EXPECT_THROW(editor.Click({u"Bar", u"Pop", u"Missing"}), std::invalid_argument);
  EXPECT_THROW(editor.Click({u"Bar", u"Go", u"Item"}), std::invalid_argument);
  EXPECT_THROW(editor.Click({u"NoBar", u"Go"}), std::invalid_argument);
  EXPECT_THROW(editor.SinkCount({u"Bar"}, SinkKind::kButtonEvents), std::invalid_argument);
}

TEST(SimEditorTest, HandledPassesFromOneEventsSinkToTheNext) {
  SimEditor editor;
  std::shared_ptr<host::CommandBarControl> item;
  BuildBar(*editor.Application(), &item);
  auto a = std::make_shared<RecordingSink>();
  auto b = std::make_shared<RecordingSink>();
  class Handler : public host::ClickSink {
   public:
    void OnClick(host::CommandBarControl&, bool& handled, bool&) override { handled = true; }
  };
  auto handler = std::make_shared<Handler>();
  auto handler_connection =
      editor.Application()->Events()->CommandBarEvents(*item)->Advise(handler);
  auto a_connection = editor.Application()->Events()->CommandBarEvents(*item)->Advise(a);
  auto b_connection = item->ButtonEvents()->Advise(b);
  EXPECT_TRUE(editor.Click({u"Bar", u"Pop", u"Item"}).handled);
  EXPECT_EQ(a->handled_seen, std::vector<bool>{true});
  EXPECT_EQ(b->handled_seen, std::vector<bool>{false});  // the button's Click has no handled
}

TEST(SimEditorTest, OfficeEditorsOfferNoCommandBarEventsButButtonEventsWork) {
  SimEditor editor(ExcelEditor());
  auto app = editor.Application();
  EXPECT_EQ(app->Name(), u"Microsoft Excel");
  EXPECT_EQ(app->Version(), u"16.0");
  std::shared_ptr<host::CommandBarControl> item;
  BuildBar(*app, &item);
  EXPECT_THROW(app->Events()->CommandBarEvents(*item), host::HostError);

  auto sink = std::make_shared<RecordingSink>();
  auto connection = item->ButtonEvents()->Advise(sink);
  ClickResult result = editor.Click({u"Bar", u"Pop", u"Item"});
  EXPECT_EQ(result.sinks_run, 1);
  EXPECT_TRUE(result.cancel_default);
  EXPECT_EQ(sink->captions, std::vector<std::u16string>{u"Item"});
  EXPECT_EQ(editor.SinkCount({u"Bar", u"Pop", u"Item"}, SinkKind::kCommandBarEvents), 0);
}

TEST(SimEditorTest, BarsOutliveAConnectionAndTheNextOneFindsThem) {
  SimEditor editor;
  const ControlPath path = {u"Bar", u"Go"};
  {
    // First connection: builds the bar, wires the button, then drops everything.
    auto app = editor.Application();
    std::shared_ptr<host::CommandBarControl> item;
    auto go = BuildBar(*app, &item);
    auto sink = std::make_shared<RecordingSink>();
    auto connection = app->Events()->CommandBarEvents(*go)->Advise(sink);
    EXPECT_EQ(editor.Click(path).sinks_run, 1);
  }
  EXPECT_EQ(editor.SinkCount(path, SinkKind::kCommandBarEvents), 0);
  EXPECT_EQ(editor.Click(path).sinks_run, 0);

  auto app = editor.Application();
  auto bar = app->CommandBars()->Item(u"Bar");
  ASSERT_EQ(bar->Controls()->Count(), 2);
  auto go = bar->Controls()->Item(2);
  EXPECT_EQ(go->Caption(), u"Go");
  auto sink = std::make_shared<RecordingSink>();
  auto connection = app->Events()->CommandBarEvents(*go)->Advise(sink);
  EXPECT_EQ(editor.Click(path).sinks_run, 1);
  EXPECT_EQ(sink->captions, std::vector<std::u16string>{u"Go"});
}

TEST(SimEditorTest, ADeletedControlTakesNoNewSinks) {
  SimEditor editor;
  auto app = editor.Application();
  std::shared_ptr<host::CommandBarControl> item;
  auto go = BuildBar(*app, &item);
  auto source = go->ButtonEvents();
  go->Delete();
  EXPECT_THROW(static_cast<void>(source->Advise(std::make_shared<RecordingSink>())),
               host::HostError);
  EXPECT_THROW(app->Events()->CommandBarEvents(*go), host::HostError);
}

TEST(SimEditorTest, CountsEveryMemberCallAndRefusesOnRequest) {
  SimEditor editor;
  editor.AddModule(u"Project1", u"Module1", {u"a", u"b"});
  editor.ResetCalls();
  auto app = editor.Application();
  auto pane = app->ActiveCodePane();
  auto module = pane->CodeModule();
  for (std::int32_t line = 1; line <= module->CountOfLines(); ++line)
    module->Lines(line, 1);
  module->ReplaceLine(1, u"x");
  pane->SetSelection(1, 1, 1, 1);
  app->Windows()->Count();
  EXPECT_EQ(editor.Calls(u"Application.ActiveCodePane"), 1);
  EXPECT_EQ(editor.Calls(u"CodePane.CodeModule"), 1);
  EXPECT_EQ(editor.Calls(u"CodeModule.CountOfLines"), 3);
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 2);
  EXPECT_EQ(editor.Calls(u"CodeModule.ReplaceLine"), 1);
  EXPECT_EQ(editor.Calls(u"CodePane.SetSelection"), 1);
  EXPECT_EQ(editor.Calls(u"Windows.Count"), 1);
  EXPECT_EQ(editor.Calls(u"Application.Windows"), 1);

  editor.Refuse(u"Application.MainWindow");
  EXPECT_THROW(app->MainWindow(), host::HostError);
  editor.Allow(u"Application.MainWindow");
  EXPECT_NO_THROW(app->MainWindow());
  EXPECT_EQ(editor.Calls(u"Application.MainWindow"), 2);
  editor.ResetCalls();
  EXPECT_EQ(editor.Calls(u"CodeModule.Lines"), 0);
}

TEST(SimEditorTest, OfficeMainWindowHasItsOwnCaption) {
  SimEditor editor(ExcelEditor());
  EXPECT_EQ(editor.Application()->MainWindow()->Caption(),
            u"Microsoft Visual Basic for Applications - Project1");
  EXPECT_EQ(editor.MainWindow().WindowType(), kMainWindowType);
}

}  // namespace
}  // namespace tessaly::sim
