#include "addin/connect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include "addin/apply_setting.h"
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

using testing::RecordingFeatures;

struct TestAddIn : host::AddInInstance {};
struct TestDocument : host::UserDocument {
  void TabInitialize() override {}
  void Code_Click(const std::u16string&) override {}
};

using test_support::EditorFor;
using test_support::ExcelEditor;

// One editor and OS, and one loaded add-in that can be unloaded and loaded again.
class ConnectTest : public ::testing::Test {
 protected:
  void Start(sim::EditorOptions options) {
    editor = std::make_unique<sim::SimEditor>(std::move(options));
    editor->RegisterDocumentClass(u"QWIX.VBIDETab",
                                  [] { return std::make_shared<TestDocument>(); });
    Load();
  }
  void Load() {
    connection = std::make_unique<Connection>();
    features = std::make_unique<RecordingFeatures>(*connection);
    connect = std::make_unique<Connect>(*connection, host_os, *features);
  }
  void ConnectAndStart(std::int32_t mode = host::kStartup) {
    connect->OnConnection(editor->Application(), mode, add_in);
    connect->OnStartupComplete();
  }
  void Drop() {
    connect.reset();
    features.reset();
    connection.reset();
  }
  void Unload() {
    connect->OnDisconnection(1);
    Drop();
  }
  bool Called(const std::string& call) { return std::ranges::count(features->calls, call) > 0; }
  void Store(std::int32_t index, const std::u16string& value) {
    os.settings().SaveSetting(kSettingsApp, kSettingsSection, kFeatureKeys[index], value);
  }
  std::u16string Stored(std::int32_t index) {
    return os.settings().GetSetting(kSettingsApp, kSettingsSection, kFeatureKeys[index], u"");
  }
  int AddInsEntries() {
    return static_cast<int>(
        std::ranges::count_if(editor->Bar(u"Add-Ins").ControlList().All(), [](const auto& control) {
          return control->Properties().caption == u"Tessaly" && !control->IsDeleted();
        }));
  }
  // Starts the editor and checks the add-in registered, loaded at start-up, under each key
  // of `registered` and nothing under `untouched`.
  void ExpectRegisteredOnly(bool vb6, const std::vector<std::u16string>& registered,
                            const std::vector<std::u16string>& untouched) {
    Start(EditorFor(vb6));
    ConnectAndStart();
    for (const auto& editor_key : registered) {
      const auto key = u"Software\\Microsoft\\" + editor_key + u"\\Addins\\QWIX.Connect";
      EXPECT_EQ(registry_paths::GetKeyValue(os.registry(), os.system(),
                                            u"HKCU\\" + key + u"\\FriendlyName"),
                registry_paths::VbValue(std::u16string(u"QWIX")));
      const auto behaviour = os.registry().Value(host::kCurrentUser, key, u"LoadBehavior");
      ASSERT_TRUE(behaviour) << text::ToUtf8(key);
      EXPECT_EQ(behaviour->type, host::kRegDword);
      EXPECT_EQ(behaviour->data, (std::vector<std::uint8_t>{3, 0, 0, 0}));
    }
    for (const auto& key : untouched)
      EXPECT_FALSE(os.registry().KeyExists(host::kCurrentUser, u"Software\\Microsoft\\" + key));
    connect->OnDisconnection(0);
    EXPECT_TRUE(Called("UnloadWheel") && Called("StopDialogWatch"));
  }

  sim::SimOs os;
  host::Os host_os = os.Os();
  TestAddIn add_in;
  std::unique_ptr<sim::SimEditor> editor;
  std::unique_ptr<Connection> connection;
  std::unique_ptr<RecordingFeatures> features;
  std::unique_ptr<Connect> connect;
};

// The VB6 entry opens the About form itself; the VBA one goes through the dispatcher.
TEST_F(ConnectTest, EachEditorGetsMenuTabWindowAndOneAddInsEntry) {
  for (const bool vb6 : {true, false}) {
    SCOPED_TRACE(vb6);
    Start(EditorFor(vb6));
    connect->OnConnection(editor->Application(), host::kStartup, add_in);

    EXPECT_EQ(connection->HostMode, vb6 ? u"VB6" : u"VBA");
    EXPECT_EQ(connection->MenuBarName, u"TessalyIDE");
    EXPECT_EQ(connection->Program.Version, u"V1.36");
    EXPECT_EQ(features->calls, (std::vector<std::string>{"BuildFunctionMenu", "CreateTabWindow"}));
    ASSERT_TRUE(editor->HasWindow(u"标签"));
    EXPECT_NE(connection->TabDocument, nullptr);

    ASSERT_EQ(AddInsEntries(), 1);
    const auto& entry = editor->Control({u"Add-Ins", u"Tessaly"}).Properties();
    EXPECT_TRUE(entry.begin_group && entry.visible && entry.enabled);
    EXPECT_EQ(entry.parameter, vb6 ? u"" : u"TBVBCode");
    const auto first = editor->Click({u"Add-Ins", u"Tessaly"});
    editor->Click({u"Add-Ins", u"Tessaly"});
    if (!vb6) {
      EXPECT_EQ(editor->SinkCount({u"Add-Ins", u"Tessaly"}, sim::SinkKind::kButtonEvents), 1);
      EXPECT_TRUE(first.cancel_default);
    }
    EXPECT_EQ(features->calls.back(), vb6 ? "ShowAbout" : "RunFunctionMenu(Tessaly)");
    EXPECT_EQ(features->calls.size(), 4u);  // each click is heard once
    Unload();
  }
}

TEST_F(ConnectTest, RefusedHostsGetNothing) {
  sim::EditorOptions outlook = ExcelEditor();
  outlook.name = u"Microsoft Outlook";
  const struct {
    const char* what;
    sim::EditorOptions options;
    std::int32_t mode;
  } rows[] = {{"unknown name", outlook, host::kStartup},
              {"external connection", {}, host::kExternal}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Start(row.options);
    ConnectAndStart(row.mode);
    EXPECT_TRUE(features->calls.empty());
    EXPECT_FALSE(editor->HasBar(u"TessalyIDE"));
    EXPECT_FALSE(editor->HasWindow(u"标签"));
    EXPECT_EQ(AddInsEntries(), 0);
    EXPECT_EQ(connection->HostApplication, nullptr);
    EXPECT_FALSE(os.registry().KeyExists(
        host::kCurrentUser, u"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\QWIX.Connect"));
  }
}

// The VBA editor's VBE publishes no Name: the Office program around it is known by the file
// name of the program, in any letter case. Where the editor answers Name (VB6), it decides.
TEST_F(ConnectTest, TheVbaEditorIsKnownByItsProgram) {
  const struct {
    bool vb6;
    const char16_t* program;
    const char16_t* host_name;
  } rows[] = {{false, u"EXCEL.EXE", u"Microsoft Excel"},
              {false, u"winword.exe", u"Microsoft Word"},
              {false, u"MsAccess.Exe", u"Microsoft Access"},
              {false, u"POWERPNT.EXE", u"Microsoft PowerPoint"},
              {false, u"OUTLOOK.EXE", u""},
              {false, u"EXCEL.EXE.bak", u""},
              {false, u"", u""},
              {true, u"EXCEL.EXE", u"Microsoft Visual Basic"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(
        std::string(row.program, row.program + std::char_traits<char16_t>::length(row.program)));
    auto options = EditorFor(row.vb6);
    options.executable = row.program[0] ? row.program : u"?";
    Start(options);
    ConnectAndStart();
    EXPECT_EQ(connection->HostName, row.host_name);
    EXPECT_EQ(features->calls.empty(), std::u16string(row.host_name).empty());
    EXPECT_EQ(connection->Program.Version, row.host_name[0] ? u"V1.36" : u"");
    EXPECT_EQ(connection->HostMode, !row.host_name[0] ? u"" : row.vb6 ? u"VB6" : u"VBA");
    Unload();
  }
}

TEST_F(ConnectTest, EditorWithoutAddInsBarStillConnects) {
  sim::EditorOptions options;
  options.add_ins_bar = false;
  Start(options);
  ConnectAndStart();
  EXPECT_EQ(connect->MenuEntry(), nullptr);
  EXPECT_TRUE(Called("StartDialogWatch"));
}

// The editor keeps the bar and the window: a second connection wires the bar again and adds
// the Add-Ins entry anew, which each disconnection takes away with its sink.
TEST_F(ConnectTest, ReloadingRewiresTheBarAndMakesOneEntry) {
  for (const bool vb6 : {true, false}) {
    SCOPED_TRACE(vb6);
    Start(EditorFor(vb6));
    ConnectAndStart();
    connect->OnDisconnection(1);
    EXPECT_EQ(connect->MenuEntry(), nullptr);  // no reference to the deleted entry is kept
    EXPECT_TRUE(connection->ButtonSinks->empty());
    Drop();
    EXPECT_EQ(AddInsEntries(), 0);
    Load();
    // The Add-In Manager's load: no start-up complete follows, so the connection starts the
    // features itself, once.
    connect->OnConnection(editor->Application(), host::kAfterStartup, add_in);
    connect->OnStartupComplete();
    std::vector<std::string> expected{"RewireFunctionMenu", "TakeOverTabWindow", "LoadWheel",
                                      "StartDialogWatch",   "TabInitialize",     "HookProjectTree"};
    if (!vb6) std::erase(expected, "LoadWheel");
    EXPECT_EQ(features->calls, expected);
    EXPECT_EQ(AddInsEntries(), 1);
    Unload();
  }
}

TEST_F(ConnectTest, FreshProfileStartsEveryFeatureTheHostAllows) {
  Start({});
  ConnectAndStart();

  EXPECT_EQ(features->calls,
            (std::vector<std::string>{"BuildFunctionMenu", "CreateTabWindow", "LoadWheel",
                                      "StartDialogWatch", "TabInitialize", "HookProjectTree"}));
  EXPECT_TRUE(editor->Window(u"标签").IsVisible());
  EXPECT_TRUE(editor->Bar(u"TessalyIDE").Properties().visible);

  connect->OnDisconnection(0);
  EXPECT_EQ(features->calls.back(), "UnhookProjectTree");
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
      {"dialogs stored 2 (equality with 1)", true, kDialogEnlargement, u"2", "StartDialogWatch",
       false},
      {"dialogs stored 1", true, kDialogEnlargement, u"1", "StartDialogWatch", true},
      {"wheel stored 5 (not zero)", true, kMouseWheel, u"5", "LoadWheel", true},
      {"wheel stored 0", true, kMouseWheel, u"0", "LoadWheel", false},
      {"wheel stored 1 in a VBA host", false, kMouseWheel, u"1", "LoadWheel", false},
      {"wheel stored garbage", true, kMouseWheel, u"x", "LoadWheel", false},
      {"tabs stored 0: hidden but initialised", true, kCodeTabs, u"0", "TabInitialize", true},
      {"menu stored 0: built but hidden", true, kFunctionMenu, u"0", "BuildFunctionMenu", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Start(EditorFor(row.vb6));
    Store(row.index, row.stored);
    ConnectAndStart();
    EXPECT_EQ(Called(row.call), row.started);
    EXPECT_EQ(editor->Window(u"标签").IsVisible(), row.index != kCodeTabs);
    EXPECT_EQ(editor->Bar(u"TessalyIDE").Properties().visible, row.index != kFunctionMenu);
    Unload();
    Store(row.index, u"1");
  }
}

// (1, 1) is the smallest offset that is no docked place.
TEST_F(ConnectTest, FloatingTabWindowIsClickedIntoPlaceButDockedOneIsLeftAlone) {
  for (const bool floating : {false, true}) {
    SCOPED_TRACE(floating);
    Start({});
    connect->OnConnection(editor->Application(), host::kStartup, add_in);
    auto& window = editor->Window(u"标签");
    window.SetLeft(floating ? 1 : 200);
    window.SetTop(floating ? 1 : 0);
    connect->OnStartupComplete();
    EXPECT_EQ(window.FocusCount(), floating ? 1 : 0);
    EXPECT_EQ(window.Height() == 60, floating);
    const auto& mouse = os.windows().MouseEvents();
    ASSERT_EQ(mouse.size(), floating ? 4u : 0u);
    if (floating) {
      EXPECT_EQ(mouse[0].flags, host::kMouseLeftDown);
      EXPECT_EQ(mouse[3].flags, host::kMouseLeftUp);
      EXPECT_EQ(mouse[0].cursor, (host::Point{11, 11}));
    }
    Unload();
  }
}

// Each kind of editor registers the add-in for the other kind only; disconnecting stops every
// feature whatever the host.
TEST_F(ConnectTest, Vb6EditorRegistersForTheOfficeEditorsOnly) {
  ExpectRegisteredOnly(true, {u"VBA\\VBE\\6.0", u"Office\\Excel"}, {u"Visual Basic\\6.0\\Addins"});
}

TEST_F(ConnectTest, VbaEditorRegistersForTheStandAloneEditorOnly) {
  ExpectRegisteredOnly(false, {u"Visual Basic\\6.0"}, {u"VBA", u"Office"});
}

// A grey box (2) changes nothing in the editor but is stored.
TEST_F(ConnectTest, ApplySettingTakesEffectAtOnceAndIsStored) {
  Start({});
  Store(kFunctionMenu, u"0");
  ConnectAndStart();
  const struct {
    std::int32_t index;
    std::int32_t value;
    std::vector<std::string> calls;
    bool bar_visible, tabs_visible;
  } rows[] = {
      {kFunctionMenu, 1, {}, true, true},
      {kDialogEnlargement, 1, {"StartDialogWatch"}, true, true},
      {kDialogEnlargement, 0, {"StopDialogWatch"}, true, true},
      {kMouseWheel, 1, {"LoadWheel"}, true, true},
      {kMouseWheel, 0, {"UnloadWheel"}, true, true},
      {kCodeTabs, 0, {}, true, false},
      {kFunctionMenu, 0, {}, false, false},
      {kMouseWheel, 2, {}, false, false},
      {kFunctionMenu, 2, {}, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.index << " " << row.value);
    features->calls.clear();
    ApplySetting(*connection, *features, os.settings(), row.index, row.value);
    EXPECT_EQ(features->calls, row.calls);
    EXPECT_EQ(Stored(row.index), std::u16string(1, static_cast<char16_t>(u'0' + row.value)));
    EXPECT_EQ(editor->Bar(u"TessalyIDE").Properties().visible, row.bar_visible);
    EXPECT_EQ(editor->Window(u"标签").IsVisible(), row.tabs_visible);
  }
}

TEST_F(ConnectTest, ApplySettingWithoutTabWindowStillStores) {
  Start({});
  connection->HostApplication = editor->Application();
  ApplySetting(*connection, *features, os.settings(), kCodeTabs, 1);
  EXPECT_FALSE(editor->HasWindow(u"标签"));
  EXPECT_EQ(Stored(kCodeTabs), u"1");
}

// Only the four switches have keys: an index past them is refused, not read out of the list.
TEST(FeatureSettings, AnIndexOutsideTheFourIsRefused) {
  sim::SimOs os;
  for (const std::int32_t index : {-1, 4}) {
    EXPECT_THROW(ReadFeatureSetting(os.settings(), index), host::HostError);
    EXPECT_THROW(SaveFeatureSetting(os.settings(), index, 1), host::HostError);
  }
  EXPECT_EQ(ReadFeatureSetting(os.settings(), 3), u"1");
}

TEST(HostRecognition, AcceptsTheFiveEditorsBelowVersionTen) {
  const struct {
    const char16_t* name;
    const char16_t* version;
    bool accepted;
    const char16_t* mode;
  } rows[] = {
      // clang-format off
      {u"Microsoft Visual Basic", u"6.00", true, u"VB6"},
      {u"Microsoft Excel", u"7.01", true, u"VBA"}, {u"Microsoft Word", u"7.1", true, u"VBA"},
      {u"Microsoft Access", u"9.99", true, u"VBA"},
      {u"Microsoft PowerPoint", u"7.01", true, u"VBA"},
      {u"Microsoft Excel", u"10.0", false, u"VBA"}, {u"Microsoft Excel", u"16.0", false, u"VBA"},
      // clang-format on
      {u"microsoft excel", u"7.01", false, u"VBA"},  // the comparison is case-sensitive
      {u"Microsoft Excel ", u"7.01", false, u"VBA"},
      {u"Microsoft Outlook", u"7.01", false, u"VBA"},
      {u"Microsoft Excel", u"", false, u"VBA"},  // an unreadable version is never accepted
      {u"Microsoft Excel", u"seven", false, u"VBA"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name, row.name + std::char_traits<char16_t>::length(row.name)));
    EXPECT_EQ(IsAcceptedHost(row.name, row.version), row.accepted);
    EXPECT_EQ(HostModeOf(row.name), row.mode);
  }
}

// ToNumber is the runtime's number reading, tested with it (registry_paths/vb_number_test);
// here what the conversions add. The number parser after the trim skips blanks and tabs of its
// own, so a trim of the end that stops early changes no boolean read.
TEST(VbConversion, ReadsSettingTextsAsTheRuntimeDoes) {
  const std::nullopt_t no = std::nullopt;
  // clang-format off
  const std::pair<std::u16string, std::optional<std::int32_t>> wholes[] = {
      {u"5", 5}, {u"2.5", 2}, {u"1.5", 2}, {u"99999999999", no}, {u"x", no}};
  const std::pair<std::u16string, std::optional<bool>> booleans[] = {
      {u"1", true}, {u"0", false}, {u"-1", true}, {u"5", true}, {u" True\t", true},
      {u"false", false}, {u"FALSE", false}, {u"yes", no}, {u"\t0\t\t", false}};
  // clang-format on
  for (const auto& [text, whole] : wholes)
    EXPECT_EQ(ToWholeNumber(text), whole) << text::ToUtf8(text);
  for (const auto& [text, boolean] : booleans)
    EXPECT_EQ(ToBoolean(text), boolean) << text::ToUtf8(text);
}

TEST(ProgramInfoTest, NamesTheProgramOnlyForAKnownEditor) {
  EXPECT_EQ(GetProgramInfo(nullptr), ProgramInfo{});
}

}  // namespace
}  // namespace tessaly::addin
