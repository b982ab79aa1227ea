// QWIX.dll as the editors meet it: registered by regsvr32 (see scripts/windows-test), created
// by ProgID through COM, driven through the add-in connection interface by name, with the
// simulated editor behind IDispatch objects.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/com_client.h"
#include "win32/fake_host/fake_editor.h"
#include "win32/late_bound.h"

namespace tessaly::fake_host {
namespace {

using client::CallByName;
using client::CanUnloadNow;
using client::Empty;
using client::Long;
using client::Object;

constexpr IID kIdtExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

ComPtr<IDispatch> CreateConnect() {
  auto connect = client::CreateByProgId(L"QWIX.Connect");
  EXPECT_TRUE(connect) << "QWIX.dll is not registered";
  return connect;
}

DWORD ReadNumber(HKEY root, const wchar_t* key, const wchar_t* name) {
  DWORD value = 0xFFFFFFFF;
  DWORD size = sizeof(value);
  RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

int CountControls(const sim::SimCommandBarControls& controls) {
  int count = 0;
  for (const auto& control : controls.All()) {
    ++count;
    if (control->Children()) count += CountControls(*control->Children());
  }
  return count;
}

TEST(PlatformClientTest, ConnectIsUsableByNameWithNothingArgumentsAndUnloadsCleanly) {
  {
    auto connect = CreateConnect();
    ASSERT_TRUE(connect);
    EXPECT_TRUE(connect.As<IUnknown>(kIdtExtensibility2));
    const wchar_t* names[] = {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate",
                              L"OnStartupComplete", L"OnBeginShutdown"};
    for (DISPID expected = 1; expected <= 5; ++expected) {
      DISPID id = 0;
      auto* name = const_cast<LPOLESTR>(names[expected - 1]);
      EXPECT_EQ(connect->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
      EXPECT_EQ(id, expected);
    }
    EXPECT_EQ(CallByName(connect.Get(), L"OnConnection",
                         {Object(nullptr), Long(0), Object(nullptr), Empty()}),
              S_OK);
    // Arguments of the wrong type are no reason to end the editor either.
    Variant text(std::u16string(u"不是对象"));
    EXPECT_EQ(CallByName(connect.Get(), L"OnConnection", {*text.Get(), *text.Get()}), S_OK);
    EXPECT_EQ(CallByName(connect.Get(), L"OnStartupComplete", {Empty()}), S_OK);
    EXPECT_EQ(CallByName(connect.Get(), L"OnDisconnection", {Long(0), Empty()}), S_OK);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

class FakeHostTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    sim::EditorOptions options;
    if (!GetParam()) {
      options.name = u"Microsoft Excel";
      options.version = u"7.01";
    }
    editor = std::make_unique<FakeEditor>(options);
    editor->Sim().AddModule(u"Project1", u"Module1", {u"Sub Start()", u"End Sub"});
  }

  void Connect() {
    add_in = std::make_unique<AddInDriver>(*editor);
    EXPECT_TRUE(add_in->Connect()) << "connection or start-up failed";
  }

  void Disconnect() {
    EXPECT_TRUE(add_in->Disconnect());
    add_in.reset();
  }

  void RunClickCases() {
    for (const auto& click : test_support::ClickCases()) {
      SCOPED_TRACE(click.name);
      auto& module = editor->Sim().AddModule(
          u"Project1", std::u16string(u"Case") + static_cast<char16_t>(u'A' + cases_++),
          click.before);
      editor->Sim().ActivePane()->Select(click.caret.start_line, click.caret.start_column,
                                         click.caret.end_line, click.caret.end_column);
      editor->Click(test_support::FunctionMenuPath(editor->Sim(), click.caption));
      EXPECT_EQ(module.Text(), click.after);
      EXPECT_EQ(editor->Sim().ActivePane()->CurrentSelection(), click.caret_after);
    }
  }

  std::unique_ptr<FakeEditor> editor;
  // Declared after the editor, so it lets go of the add-in first.
  std::unique_ptr<AddInDriver> add_in;
  int cases_ = 0;
};

TEST_P(FakeHostTest, LoadsClicksUnloadsAndReloadsLeavingNothingBehind) {
  const long objects_before = editor->LiveObjects();
  Connect();

  ASSERT_TRUE(editor->Sim().HasBar(u"TessalyIDE"));
  EXPECT_EQ(CountControls(editor->Sim().Bar(u"TessalyIDE").ControlList()), 187);
  EXPECT_TRUE(editor->Sim().Bar(u"TessalyIDE").Visible());
  EXPECT_TRUE(editor->Sim().HasWindow(u"标签"));
  RunClickCases();

  // Each running copy registers the add-in for the other kind of editor.
  if (GetParam()) {
    const wchar_t* vba = L"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\QWIX.Connect";
    EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, vba, L"FriendlyName"), L"QWIX");
    EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, vba, L"LoadBehavior"), 3u);
    EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER,
                               L"Software\\Microsoft\\Office\\Excel\\Addins\\QWIX.Connect",
                               L"FriendlyName"),
              L"QWIX");
  } else {
    const wchar_t* vb6 = L"Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect";
    EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, vb6, L"FriendlyName"), L"QWIX");
    EXPECT_EQ(ReadNumber(HKEY_CURRENT_USER, vb6, L"LoadBehavior"), 3u);
  }

  Disconnect();
  EXPECT_EQ(editor->ConnectedSinks(), 0u) << "a sink is still advised after disconnection";
  EXPECT_EQ(editor->LiveObjects(), objects_before + static_cast<long>(editor->PointCount()))
      << "an editor object handed to the add-in was not released";
  // The editor still keeps the tab window's document, so the DLL must stay.
  EXPECT_EQ(CanUnloadNow(), S_FALSE);

  // Loaded again in the same editor run: the kept bar is wired again and works.
  Connect();
  RunClickCases();
  Disconnect();
  EXPECT_EQ(editor->ConnectedSinks(), 0u);

  editor->CloseToolWindow(u"标签");
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

TEST_P(FakeHostTest, SettingsInTheRegistryDecideWhatStartupShows) {
  ASSERT_TRUE(StoreSwitch(L"功能菜单", L"0"));

  Connect();
  ASSERT_TRUE(editor->Sim().HasBar(u"TessalyIDE"));
  EXPECT_FALSE(editor->Sim().Bar(u"TessalyIDE").Visible());
  Disconnect();
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

// The cost of the code tools over the real object-model calls: the same budget as in the
// simulation, and the time a click takes through IDispatch.
TEST_P(FakeHostTest, CodeToolsStayWithinTheirCallBudgetAcrossIDispatch) {
  Connect();
  std::vector<std::u16string> lines{u"Sub Big()"};
  for (int i = 0; i < 1000; ++i)
    lines.push_back(u"x = x + " + std::u16string(1, u'1'));
  lines.push_back(u"End Sub");
  editor->Sim().AddModule(u"Project1", u"Big", lines);
  editor->Sim().ActivePane()->PlaceCaret(10, 1);
  const auto range = static_cast<std::int64_t>(lines.size());

  for (const std::u16string caption : {u"代码缩进", u"代码注解"}) {
    editor->Sim().ResetCalls();
    const auto start = std::chrono::steady_clock::now();
    editor->Click(test_support::FunctionMenuPath(editor->Sim(), caption));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const auto reads = editor->Sim().Calls(u"CodeModule.Lines");
    const auto writes = editor->Sim().Calls(u"CodeModule.ReplaceLine");
    EXPECT_LE(reads, range + 2);
    EXPECT_LE(writes, 1000);
    std::printf("%s host %s: %lld Lines, %lld ReplaceLine for %lld lines, %.1f ms\n",
                GetParam() ? "VB6" : "VBA", caption == u"代码缩进" ? "indent" : "annotate",
                static_cast<long long>(reads), static_cast<long long>(writes),
                static_cast<long long>(range),
                std::chrono::duration<double, std::milli>(elapsed).count());
  }
  Disconnect();
}

INSTANTIATE_TEST_SUITE_P(BothEditors, FakeHostTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Vb6" : "Vba"; });

}  // namespace
}  // namespace tessaly::fake_host

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
