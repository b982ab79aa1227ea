// Our two classes called by name, as a script client calls them: the type library decides what
// a call may pass, so Nothing where an object is needed, too few arguments and arguments of a
// type that does not convert are each answered with an error, and the DLL stays loaded and
// usable, then unloads once let go of and unlocked. No row may end the editor.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <vector>

#include "win32/fake_host/com_client.h"

namespace tessaly::fake_host {
namespace {

using namespace client;

TEST(ScriptClientTest, AnswersEachCallAsTheTypeLibraryDeclaresIt) {
  {
    auto connect = CreateByProgId(L"QWIX.Connect");
    auto tab = CreateByProgId(L"QWIX.VBIDETab");
    ASSERT_TRUE(connect && tab) << "QWIX.dll is not registered";
    CustomArgument custom;
    VARIANT text = Text(L"不是对象");
    const struct {
      const char* name;
      IDispatch* object;
      const wchar_t* member;
      std::vector<VARIANT> arguments;
      HRESULT expected;
    } rows[] = {
        // clang-format off
        // The method refuses Nothing for the editor (E_INVALIDARG), which the type library hands
        // on as an exception of the call.
        {"Nothing for the editor", connect.Get(), L"OnConnection",
         {Object(nullptr), Long(0), Object(nullptr), custom.Get()}, DISP_E_EXCEPTION},
        {"text for the editor", connect.Get(), L"OnConnection", {text, Long(0), text, custom.Get()},
         DISP_E_TYPEMISMATCH},
        {"too few arguments", connect.Get(), L"OnDisconnection", {Long(0)}, DISP_E_BADPARAMCOUNT},
        {"text for a mode", connect.Get(), L"OnDisconnection", {text, custom.Get()},
         DISP_E_TYPEMISMATCH},
        {"Empty for the custom array", connect.Get(), L"OnStartupComplete", {Empty()},
         DISP_E_TYPEMISMATCH},
        {"no such member", connect.Get(), L"OnConnect", {}, DISP_E_UNKNOWNNAME},
        {"start-up complete", connect.Get(), L"OnStartupComplete", {custom.Get()}, S_OK},
        {"a mode as a number", connect.Get(), L"OnDisconnection", {Long(1), custom.Get()}, S_OK},
        {"no tab name", tab.Get(), L"Code_Click", {}, DISP_E_BADPARAMCOUNT},
        {"a tab's name", tab.Get(), L"Code_Click", {text}, S_OK},
        {"a number as a tab's name", tab.Get(), L"Code_Click", {Long(7)}, S_OK},
        {"the strip laid out", tab.Get(), L"TabInitialize", {}, S_OK},
        // clang-format on
    };
    for (const auto& row : rows) {
      SCOPED_TRACE(row.name);
      EXPECT_EQ(CallByName(row.object, row.member, row.arguments), row.expected);
    }
    // Which refusal Nothing in place of text gets is the system's conversion's to choose.
    EXPECT_TRUE(FAILED(CallByName(tab.Get(), L"Code_Click", {Object(nullptr)})));
    VariantClear(&text);
  }
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

// An editor may lock the server and let go of the factory: the DLL stays until it unlocks.
TEST(ScriptClientTest, StaysLoadedWhileTheServerIsLocked) {
  CLSID connect{};
  ASSERT_EQ(CLSIDFromProgID(L"QWIX.Connect", &connect), S_OK) << "QWIX.dll is not registered";
  const auto factory = [&] {
    win32::ComPtr<IClassFactory> made;
    CoGetClassObject(connect, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                     reinterpret_cast<void**>(made.Receive()));
    return made;
  };
  auto locking = factory();
  ASSERT_TRUE(locking);
  ASSERT_EQ(locking->LockServer(TRUE), S_OK);
  EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the lock was taken the wrong way";
  locking.Reset();
  EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the lock went with the factory";
  ASSERT_EQ(factory()->LockServer(FALSE), S_OK);
  EXPECT_EQ(CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace tessaly::fake_host
