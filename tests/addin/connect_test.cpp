#include "addin/connect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "addin/feature_settings.h"
#include "addin/host_recognition.h"
#include "addin/vb_conversion.h"
#include "registry_paths/get_key_value.h"
#include "sim/editor/sim_editor.h"
#include "sim/os/sim_os.h"
#include "support/host_editors.h"
#include "support/recording_features.h"
#include "text/utf.h"

namespace tessaly::addin {
namespace {

using Calls = std::vector<std::string>;
using test_support::EditorFor;

struct TestAddIn : host::AddInInstance {};

// One editor and OS, and one loaded add-in that can be unloaded and loaded again.
class ConnectTest : public ::testing::Test {
 protected:
  // A fresh OS too: each editor run starts from an empty registry.
  void Start(sim::EditorOptions options) {
    sim_os = std::make_unique<sim::SimOs>();
    host_os.emplace(sim_os->Os());
    editor = std::make_unique<sim::SimEditor>(std::move(options));
    editor->RegisterDocumentClass(u"QWIX.VBIDETab",
                                  [] { return std::make_shared<testing::BlankDocument>(); });
    Load();
  }
  void Load() {
    connection = std::make_unique<Connection>();
    features = std::make_unique<testing::RecordingFeatures>(*connection, button_sinks);
    connect = std::make_unique<Connect>(*connection, button_sinks, *host_os, *features);
  }
  void ConnectAndStart(std::int32_t mode = host::kStartup) {
    connect->OnConnection(editor->Application(), mode, add_in);
    connect->OnStartupComplete();
  }
  // Let go in the order the editor does: the connection's disconnection first, if asked.
  void Unload(bool disconnect = true) {
    if (disconnect) connect->OnDisconnection(1);
    connect.reset();
    features.reset();
    connection.reset();
  }
  bool Called(const std::string& call) { return std::ranges::count(features->calls, call) > 0; }
  int AddInsEntries() { return test_support::AddInsEntries(*editor); }

  std::unique_ptr<sim::SimOs> sim_os;
  std::optional<host::Os> host_os;
  TestAddIn add_in;
  std::unique_ptr<sim::SimEditor> editor;
  std::unique_ptr<Connection> connection;
  ButtonSinks button_sinks;
  std::unique_ptr<testing::RecordingFeatures> features;
  std::unique_ptr<Connect> connect;
};

// The VBA editor's VBE publishes no Name: the Office program around it is known by the file
// name of the program, in any letter case. Where the editor answers Name (VB6), it decides. A
// refused editor gets nothing: no feature, no entry, no registration.
TEST_F(ConnectTest, TheEditorIsKnownByItsNameOrItsProgramAndRegistersForTheOtherKind) {
  const struct {
    bool vb6;
    const char16_t* program;
    const char16_t* host_name;
    std::int32_t mode = host::kStartup;
  } rows[] = {{false, u"EXCEL.EXE", u"Microsoft Excel"},
              {false, u"winword.exe", u"Microsoft Word"},
              {false, u"OUTLOOK.EXE", u""},
              {false, u"EXCEL.EXE.bak", u""},
              {false, u"", u""},
              {true, u"EXCEL.EXE", u"Microsoft Visual Basic"},
              {true, u"VB6.EXE", u"Microsoft Visual Basic", host::kExternal}};
  for (const auto& row : rows) {
    SCOPED_TRACE(text::ToUtf8(row.program) + std::to_string(row.mode));
    auto options = EditorFor(row.vb6);
    options.executable = row.program[0] ? row.program : u"?";
    Start(options);
    ConnectAndStart(row.mode);
    const bool accepted = row.host_name[0] && row.mode != host::kExternal;
    EXPECT_EQ(connection->HostName, row.host_name);
    EXPECT_EQ(features->calls.empty(), !accepted);
    EXPECT_EQ(connection->HostMode, !accepted ? u"" : row.vb6 ? u"VB6" : u"VBA");
    EXPECT_EQ(AddInsEntries(), accepted ? 1 : 0);
    // Each kind of editor registers the add-in, loaded at start-up, for the other kind only.
    const std::u16string others[] = {u"VBA\\VBE\\6.0", u"Office\\Excel", u"Visual Basic\\6.0"};
    for (std::size_t i = 0; i < 3; ++i) {
      const auto key = u"Software\\Microsoft\\" + others[i] + u"\\Addins\\QWIX.Connect";
      const auto behaviour = sim_os->registry().Value(host::kCurrentUser, key, u"LoadBehavior");
      ASSERT_EQ(behaviour.has_value(), accepted && row.vb6 == (i < 2)) << text::ToUtf8(key);
      if (!behaviour) continue;
      EXPECT_EQ(behaviour->type, host::kRegDword);
      EXPECT_EQ(behaviour->data, (std::vector<std::uint8_t>{3, 0, 0, 0}));
      EXPECT_EQ(registry_paths::GetKeyValue(sim_os->registry(), sim_os->system(),
                                            u"HKCU\\" + key + u"\\FriendlyName"),
                registry_paths::VbValue(std::u16string(u"QWIX")));
    }
    Unload();
  }
}

TEST_F(ConnectTest, EditorWithoutAddInsBarStillConnects) {
  sim::EditorOptions options;
  options.add_ins_bar = false;
  Start(options);
  ConnectAndStart();
  EXPECT_TRUE(Called("StartDialogWatch"));
}

// The editor keeps the bar and the window: a second connection wires the bar again and adds
// the Add-Ins entry anew, which each disconnection takes away with its sink.
TEST_F(ConnectTest, AFreshStartBuildsEverythingWithOneAddInsEntryAndAReloadRewiresIt) {
  for (const bool vb6 : {true, false}) {
    SCOPED_TRACE(vb6);
    Start(EditorFor(vb6));
    ConnectAndStart();
    Calls expected{"BuildFunctionMenu", "CreateTabWindow", "LoadWheel",
                   "StartDialogWatch",  "TabInitialize",   "HookProjectTree"};
    if (!vb6) std::erase(expected, "LoadWheel");
    EXPECT_EQ(features->calls, expected);
    ASSERT_EQ(AddInsEntries(), 1);
    const auto& entry = editor->Control({u"Add-Ins", u"Tessaly"}).Properties();
    EXPECT_TRUE(entry.begin_group && entry.visible && entry.enabled);
    EXPECT_EQ(entry.parameter, vb6 ? u"" : u"TBVBCode");
    // The VB6 entry opens the About form itself; the VBA one goes through the dispatcher.
    EXPECT_EQ(editor->Click({u"Add-Ins", u"Tessaly"}).cancel_default, !vb6);
    editor->Click({u"Add-Ins", u"Tessaly"});
    EXPECT_EQ(features->calls.back(), vb6 ? "ShowAbout" : "RunFunctionMenu(Tessaly)");
    EXPECT_EQ(features->calls.size(), expected.size() + 2);  // each click is heard once
    connect->OnDisconnection(1);
    EXPECT_EQ(features->calls.back(), "UnhookProjectTree");
    EXPECT_TRUE(Called("UnloadWheel") && Called("StopDialogWatch"));
    Unload(false);
    EXPECT_EQ(AddInsEntries(), 0);
    Load();
    // The Add-In Manager's load: no start-up complete follows, so the connection starts the
    // features itself, once.
    connect->OnConnection(editor->Application(), host::kAfterStartup, add_in);
    connect->OnStartupComplete();
    expected[0] = "RewireFunctionMenu";
    expected[1] = "TakeOverTabWindow";
    EXPECT_EQ(features->calls, expected);
    EXPECT_EQ(AddInsEntries(), 1);
    Unload();
  }
}

TEST_F(ConnectTest, StoredSwitchesDecideWhatStarts) {
  const struct {
    const char* what;
    bool vb6;
    std::int32_t index;
    std::u16string stored;
    const char* call;
    bool started;
  } rows[] = {
      // clang-format off
      {"dialogs stored 2 (equality with 1)", true, kDialogEnlargement, u"2", "StartDialogWatch", false},
      {"dialogs stored 1", true, kDialogEnlargement, u"1", "StartDialogWatch", true},
      {"wheel stored 5 (not zero)", true, kMouseWheel, u"5", "LoadWheel", true},
      {"wheel stored 0", true, kMouseWheel, u"0", "LoadWheel", false},
      {"wheel stored 1 in a VBA host", false, kMouseWheel, u"1", "LoadWheel", false},
      {"wheel stored garbage", true, kMouseWheel, u"x", "LoadWheel", false},
      {"wheel stored 0.5: rounded half to even, 0", true, kMouseWheel, u"0.5", "LoadWheel", false},
      {"tabs stored 0: hidden but initialised", true, kCodeTabs, u"0", "TabInitialize", true},
      {"menu stored 0: built but hidden", true, kFunctionMenu, u"0", "BuildFunctionMenu", true},
      {"menu stored FALSE: built but hidden", true, kFunctionMenu, u"FALSE", "BuildFunctionMenu", true},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Start(EditorFor(row.vb6));
    sim_os->settings().SaveSetting(kSettingsApp, kSettingsSection, kFeatureKeys[row.index],
                                   row.stored);
    ConnectAndStart();
    EXPECT_EQ(Called(row.call), row.started);
    EXPECT_EQ(editor->Window(u"标签").IsVisible(), row.index != kCodeTabs);
    EXPECT_EQ(editor->Bar(u"TessalyIDE").Properties().visible, row.index != kFunctionMenu);
    Unload();
  }
}

// Five editors below version ten, known by their exact names; an unreadable version is never
// accepted. (The editors accepted at a good version are in the test above.)
TEST(HostRecognition, RefusesVersionTenAndNamesNotExactlyOurs) {
  EXPECT_TRUE(IsAcceptedHost(u"Microsoft PowerPoint", u"9.99"));
  const std::pair<const char16_t*, const char16_t*> refused[] = {
      {u"Microsoft Excel", u"10.0"},  {u"microsoft excel", u"7.01"},
      {u"Microsoft Excel ", u"7.01"}, {u"Microsoft Outlook", u"7.01"},
      {u"Microsoft Excel", u""},      {u"Microsoft Excel", u"seven"}};
  for (const auto& [name, version] : refused)
    EXPECT_FALSE(IsAcceptedHost(name, version)) << text::ToUtf8(name) << text::ToUtf8(version);
}

// A stored switch reads as the runtime's CBool reads it: the words in any letter case, blanks and
// tabs around them, else a number, nonzero for true; anything else is no answer.
TEST(VbConversion, SwitchesReadAsTheRuntimeReadsThem) {
  const std::pair<std::u16string, std::optional<bool>> cases[] = {
      {u"True", true},      {u"TRUE", true},      {u" tRuE\t", true},   {u"FALSE", false},
      {u"False", false},    {u"\tfalse ", false}, {u"-1", true},        {u"0", false},
      {u"0.5", true},       {u"", std::nullopt},  {u"x", std::nullopt}, {u"True x", std::nullopt},
      {u"真", std::nullopt}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ToBoolean(text), expected) << text::ToUtf8(text);
}

}  // namespace
}  // namespace tessaly::addin
