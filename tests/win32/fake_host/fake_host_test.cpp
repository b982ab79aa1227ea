// QWIX.dll as the editors meet it: registered by regsvr32 (see scripts/windows-test), created
// by the ProgID its editor's add-in key names, driven through _IDTExtensibility2's vtable (and
// by name, as a script client would), with the simulated editor behind IDispatch objects that
// answer as the editors' type libraries publish them.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <string>
#include <vector>

#include "support/click_cases.h"
#include "win32/fake_host/add_in_driver.h"
#include "win32/fake_host/com_client.h"
#include "win32/fake_host/fake_editor.h"
#include "win32/fake_host/host_program.h"
#include "win32/fake_host/user_view.h"

namespace tessaly::fake_host {
namespace {

using namespace client;

constexpr IID kIdtExtensibility2 = {
    0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

TEST(PlatformClientTest, ConnectIsUsableByNameAndUnloadsCleanly) {
  {
    auto connect = client::CreateByProgId(L"QWIX.Connect");
    ASSERT_TRUE(connect) << "QWIX.dll is not registered";
    EXPECT_TRUE(connect.As<IUnknown>(kIdtExtensibility2));
    const wchar_t* names[] = {L"OnConnection", L"OnDisconnection", L"OnAddInsUpdate",
                              L"OnStartupComplete", L"OnBeginShutdown"};
    for (DISPID expected = 1; expected <= 5; ++expected) {
      DISPID id = 0;
      auto* name = const_cast<LPOLESTR>(names[expected - 1]);
      EXPECT_EQ(connect->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
      EXPECT_EQ(id, expected);
    }
    CustomArgument custom;
    EXPECT_EQ(CallByName(connect.Get(), L"OnStartupComplete", {custom.Get()}), S_OK);
    EXPECT_EQ(CallByName(connect.Get(), L"OnDisconnection", {Long(0), custom.Get()}), S_OK);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

using FakeHostTest = BothEditorsTest;

TEST_P(FakeHostTest, LoadsClicksUnloadsAndReloadsLeavingNothingBehind) {
  const long objects_before = editor->LiveObjects();
  ASSERT_TRUE(add_in->Connect());

  EXPECT_EQ(CountControls(editor->Sim().Bar(u"TessalyIDE").ControlList()), 188);
  EXPECT_TRUE(editor->Sim().Bar(u"TessalyIDE").Visible());
  RunClickCases(*editor, u"Case");

  // Each running copy registers the add-in for the other kind of editor.
  const auto others = GetParam() ? std::vector<std::wstring>{L"VBA\\VBE\\6.0", L"Office\\Excel"}
                                 : std::vector<std::wstring>{L"Visual Basic\\6.0"};
  for (const auto& other : others) {
    const auto key = L"Software\\Microsoft\\" + other + L"\\Addins\\QWIX.Connect";
    EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, key.c_str(), L"FriendlyName"), L"QWIX");
    DWORD load = 0, size = sizeof(load);
    RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"LoadBehavior", RRF_RT_REG_DWORD, nullptr, &load,
                 &size);
    EXPECT_EQ(load, 3u);
  }

  ASSERT_TRUE(add_in->Disconnect());
  EXPECT_EQ(editor->ConnectedSinks(), 0u) << "a sink is still advised after disconnection";
  EXPECT_EQ(editor->LiveObjects(), objects_before + static_cast<long>(editor->PointCount()))
      << "an editor object handed to the add-in was not released";
  // The editor still keeps the tab window's document, so the DLL must stay.
  EXPECT_EQ(CanUnloadNow(), S_FALSE);

  // Loaded again from the Add-In Manager in the same editor run (ConnectMode 0, no start-up
  // complete): the kept bar is wired again and works; unloaded there too (RemoveMode 1).
  ASSERT_TRUE(add_in->Connect(AddInDriver::Load::kFromAddInManager));
  RunClickCases(*editor, u"Again");
  ASSERT_TRUE(add_in->Disconnect(AddInDriver::Unload::kFromAddInManager));
  EXPECT_EQ(editor->ConnectedSinks(), 0u);
}

// The Windows face reaches the editor through its own late-bound objects: a wrapper that asked
// the editor twice per line (a count, a second fetch) would double a big procedure's cost
// without any core test noticing.
TEST_P(FakeHostTest, CodeToolsStayWithinTheirCallBudgetAcrossIDispatch) {
  ASSERT_TRUE(add_in->Connect());
  std::vector<std::u16string> lines(1002, u"x = x + 1");
  lines.front() = u"Sub Big()";
  lines.back() = u"End Sub";
  editor->Sim().AddModule(u"Project1", u"Big", lines);
  editor->Sim().ActivePane()->PlaceCaret(10, 1);
  for (const std::u16string caption : {u"代码缩进", u"代码注解"}) {
    editor->Sim().ResetCalls();
    editor->Click(test_support::FunctionMenuPath(editor->Sim(), caption));
    EXPECT_LE(editor->Sim().Calls(u"CodeModule.Lines"), 1004);
    EXPECT_LE(editor->Sim().Calls(u"CodeModule.ReplaceLine"), 1000);
  }
}

INSTANTIATE_TEST_SUITE_P(BothEditors, FakeHostTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host

int main(int argc, char** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int wide_count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &wide_count);
  const std::wstring mode = wide_count == 2 ? wide[1] : L"";
  LocalFree(wide);
  if (mode == tessaly::fake_host::kConnectAsThisProgram ||
      mode == tessaly::fake_host::kPlayAnotherEditor) {
    const int status = mode == tessaly::fake_host::kPlayAnotherEditor
                           ? tessaly::fake_host::PlayAnotherEditor()
                           : tessaly::fake_host::ConnectAsThisProgram();
    CoUninitialize();
    return status;
  }
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  CoUninitialize();
  return result;
}
