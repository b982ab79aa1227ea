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
#include "win32/fake_host/fake_editor.h"
#include "win32/fake_host/host_program.h"

namespace tessaly::fake_host {
namespace {

using FakeHostTest = BothEditorsTest;

// The core decides which editors' keys; these are the real registry's values, a Long included.
TEST_P(FakeHostTest, EachRunningCopyRegistersTheAddInForTheOtherKindOfEditor) {
  ASSERT_TRUE(add_in->Connect());
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
  using namespace tessaly::fake_host;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int wide_count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &wide_count);
  const std::wstring mode = wide_count == 2 ? wide[1] : L"";
  LocalFree(wide);
  int status = 0;
  if (mode == kPlayAnotherEditor) {
    status = PlayAnotherEditor();
  } else {
    ::testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  CoUninitialize();
  return status;
}
