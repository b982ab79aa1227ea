#include "sim/editor/sim_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_error.h"
#include "sim/editor/procedure_table.h"
#include "sim/editor/sim_code_module.h"

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

// Builds "Bar > Pop > Item", which it answers, and a button "Bar > Go" through the object model.
std::shared_ptr<host::CommandBarControl> BuildBar(host::Application& app) {
  auto bar = app.CommandBars()->Add(u"Bar", host::kBarTop);
  auto popup = bar->Controls()->Add(host::kPopup);
  popup->SetCaption(u"Pop");
  auto item = popup->Controls()->Add(host::kButton);
  item->SetCaption(u"Item");
  bar->Controls()->Add(host::kButton)->SetCaption(u"Go");
  return item;
}

TEST(SimEditorTest, Vb6ClicksReachLiveSinksOfBothKindsOnly) {
  SimEditor editor;
  auto app = editor.Application();
  const auto item = BuildBar(*app);

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
  EXPECT_FALSE(watch.expired());  // a connection point holds its sink until unadvised
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

using Lines = std::vector<std::u16string>;

SimCodeModule MakeModule(Lines lines) {
  return SimCodeModule(u"P", u"M", std::move(lines), std::make_shared<CallLog>());
}

struct ExpectedProc {
  std::u16string name;
  std::int32_t kind;
  std::int32_t start;
  std::int32_t end;
};

struct ModuleCase {
  const char* title;
  std::vector<std::u16string> lines;
  std::int32_t declarations_end;
  std::vector<ExpectedProc> procedures;
};

// clang-format off
std::vector<ModuleCase> ModuleCases() {
  return {
      {"comments and blanks above a header belong to the procedure",
       {u"Option Explicit", u"", u"' about A", u"Public Sub A()", u"  x = 1", u"End Sub"}, 1,
       {{u"A", 0, 2, 6}}},
      {"the last procedure runs to the module's end",
       {u"Dim x", u"Sub A()", u"End Sub", u"", u"' B does", u"Function B() As Long",
        u"End Function", u"", u"' trailing"}, 1, {{u"A", 0, 2, 3}, {u"B", 0, 4, 9}}},
      {"property procedures carry their own kinds",
       {u"Private m As Long", u"Public Property Get Value() As Long", u"End Property",
        u"Public Property Let Value(ByVal v As Long)", u"End Property",
        u"Property Set Obj(o As Object)", u"End Property"},
       1, {{u"Value", kProcKindGet, 2, 3}, {u"Value", kProcKindLet, 4, 5},
           {u"Obj", kProcKindSet, 6, 7}}},
      {"Declare and Event lines stay in the declarations",
       {u"Private Declare Function GetTickCount Lib \"kernel32\" () As Long",
        u"Public Event Changed()", u"Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)",
        u"Sub Main()", u"End Sub"}, 3, {{u"Main", 0, 4, 5}}},
      {"no header: all declarations", {u"Option Explicit", u"Dim a", u"' End Sub"}, 3, {}},
      {"a procedure without end swallows the rest", {u"Dim a", u"Sub A()", u"x = 1", u"Sub B()"}, 1,
       {{u"A", 0, 2, 4}}},
      {"an End If or End Type does not end a procedure",
       {u"Type P", u"  x As Long", u"End Type", u"Sub A()", u"If x Then", u"End If", u"End Sub",
        u"Sub B()", u"End Sub"}, 3, {{u"A", 0, 4, 7}, {u"B", 0, 8, 9}}},
  };
}
// clang-format on

TEST(ProcedureTableTest, ModuleAnswersEveryLineAsTheEditorCountsAndRefusesPropertiesForKindZero) {
  for (const auto& c : ModuleCases()) {
    SCOPED_TRACE(c.title);
    EXPECT_EQ(ProcedureTable::Scan(c.lines).DeclarationsEnd(), c.declarations_end);
    auto module = MakeModule(c.lines);
    for (std::int32_t line = 1; line <= module.LineCount(); ++line) {
      std::u16string expected;
      for (const auto& proc : c.procedures) {
        if (line >= proc.start && line <= proc.end) expected = proc.name;
      }
      EXPECT_EQ(module.ProcOfLine(line, 0), expected) << "line " << line;
    }
    for (const auto& proc : c.procedures) {
      if (proc.kind == kProcKindProcedure) {
        EXPECT_EQ(module.ProcStartLine(proc.name, 0), proc.start);
        EXPECT_EQ(module.ProcCountLines(proc.name, 0), proc.end - proc.start + 1);
      } else {
        EXPECT_EQ(module.ProcStartLine(proc.name, proc.kind), proc.start);
        EXPECT_THROW(module.ProcStartLine(proc.name, 0), host::HostError);
        EXPECT_THROW(module.ProcCountLines(proc.name, 0), host::HostError);
      }
    }
    EXPECT_THROW(module.ProcStartLine(u"Inner", 0), host::HostError);
    EXPECT_THROW(module.ProcOfLine(0, 0), host::HostError);
    EXPECT_THROW(module.ProcOfLine(module.LineCount() + 1, 0), host::HostError);
  }
}

struct InsertCase {
  const char* title;
  std::int32_t line;
  std::u16string text;
  Lines expected;
};

TEST(SimCodeModuleTest, InsertLinesSplitsAtLineBreaksAndInsertsBefore) {
  const std::vector<InsertCase> cases = {
      {"single line before the first", 1, u"x", {u"x", u"a", u"b"}},
      {"CR LF makes two lines", 2, u"x\r\ny", {u"a", u"x", u"y", u"b"}},
      {"lone LF and lone CR break too", 2, u"x\ny\rz", {u"a", u"x", u"y", u"z", u"b"}},
      {"count + 1 appends", 3, u"end", {u"a", u"b", u"end"}},
      {"empty text inserts a blank line", 1, u"", {u"", u"a", u"b"}},
      {"a trailing CR LF leaves an empty last line", 1, u"x\r\n", {u"x", u"", u"a", u"b"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    auto module = MakeModule({u"a", u"b"});
    module.InsertLines(c.line, c.text);
    EXPECT_EQ(module.Text(), c.expected);
  }
  auto module = MakeModule({u"a"});
  EXPECT_THROW(module.InsertLines(0, u"x"), host::HostError);
  EXPECT_THROW(module.InsertLines(3, u"x"), host::HostError);
  EXPECT_EQ(module.Text(), Lines{u"a"});
}

// Each line remembers the line of the loaded text it stems from, through every kind of edit;
// a refused edit changes nothing, and setting the text starts over.
TEST(SimCodeModuleTest, LinesKeepTheirOriginThroughEdits) {
  using Origins = std::vector<std::optional<std::size_t>>;
  constexpr std::nullopt_t kNew = std::nullopt;
  auto module = MakeModule({u"a", u"b", u"c", u"d"});
  module.ReplaceLine(2, u"");          // in place
  module.InsertLines(1, u"x\ny");      // above everything
  module.DeleteLines(3, 1);            // "a"
  module.ReplaceLine(4, u"c1\r\nc2");  // split: the first part is the line
  EXPECT_THROW(module.ReplaceLine(9, u"z\nz"), host::HostError);
  EXPECT_THROW(module.DeleteLines(7, 1), host::HostError);
  EXPECT_EQ(module.Text(), (Lines{u"x", u"y", u"", u"c1", u"c2", u"d"}));
  EXPECT_EQ(module.LineOrigins(), (Origins{kNew, kNew, 1, 2, kNew, 3}));
  module.SetText({u"p", u"q"});
  EXPECT_EQ(module.LineOrigins(), (Origins{0, 1}));
}

// A module with a capacity keeps count of its text through every kind of edit: what an edit
// frees makes room again, and one that would pass the capacity is refused, leaves the text as
// it was and is remembered.
TEST(SimCodeModuleTest, AnEditPastTheCapacityIsRefusedAndRemembered) {
  auto module = MakeModule({u"abcd", u"ef"});
  module.SetCapacity(8);
  module.ReplaceLine(2, u"efgh");  // 8
  EXPECT_THROW(module.InsertLines(1, u"x"), host::HostError);
  EXPECT_EQ(module.Text(), (Lines{u"abcd", u"efgh"}));
  EXPECT_TRUE(module.Overflowed());
  auto room = MakeModule({u"abcd", u"ef"});
  room.SetCapacity(8);
  room.DeleteLines(1, 1);          // 2
  room.InsertLines(1, u"xy\nzw");  // 6
  room.ReplaceLine(3, u"e");       // 5
  room.ReplaceLine(1, u"123\n4");  // 7
  room.ReplaceLine(4, u"ee");      // 8
  EXPECT_FALSE(room.Overflowed());
  EXPECT_THROW(room.ReplaceLine(4, u"eee"), host::HostError);
  EXPECT_EQ(room.Text(), (Lines{u"123", u"4", u"zw", u"ee"}));
  EXPECT_TRUE(room.Overflowed());
  room.SetText({u"12345678"});
  EXPECT_THROW(room.InsertLines(1, u"9"), host::HostError);
}

}  // namespace
}  // namespace tessaly::sim
