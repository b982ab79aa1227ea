#include "win32/fake_host/add_in_driver.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "win32/fake_host/com_client.h"
#include "win32/unique_handle.h"

namespace tessaly::fake_host {

using namespace client;

namespace {

constexpr wchar_t kProgId[] = L"QWIX.Connect";

// What the registry answers for the class's name when COM has just refused it: a key that is
// gone points at whoever removed it, a key still there at the process's view of HKCR (a handle
// of that view closed by someone else).
std::string RegistryAsSeenNow() {
  std::string seen;
  for (const auto& [root, key, shown] :
       {std::tuple{HKEY_CLASSES_ROOT, L"QWIX.Connect\\CLSID", "HKCR"},
        std::tuple{HKEY_LOCAL_MACHINE, L"Software\\Classes\\QWIX.Connect\\CLSID", "HKLM"},
        std::tuple{HKEY_CURRENT_USER, L"Software\\Classes\\QWIX.Connect\\CLSID", "HKCU"}}) {
    win32::UniqueHkey opened;
    seen += std::string("; ") + shown + " " +
            std::to_string(RegOpenKeyExW(root, key, 0, KEY_READ, opened.Receive()));
  }
  return seen;
}

}  // namespace

bool AddInDriver::Connect(Load how) {
  // The editor's key of the add-ins it loads. VB6 exists as a 32-bit program only; an x64 host
  // playing it reads the key of the add-ins of its own bitness, the one the x64 DLL registers.
  const std::wstring listed = editor_.IsVb6() && sizeof(void*) == 4
                                  ? L"Software\\Microsoft\\Visual Basic\\6.0\\Addins\\QWIX.Connect"
                              : sizeof(void*) == 8
                                  ? L"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins64\\QWIX.Connect"
                                  : L"Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\QWIX.Connect";
  win32::UniqueHkey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, listed.c_str(), 0, KEY_READ, key.Receive()) !=
      ERROR_SUCCESS) {
    ADD_FAILURE() << "the editor's add-in key does not list QWIX.Connect";
    return false;
  }
  CLSID class_id{};
  const HRESULT found = CLSIDFromProgID(kProgId, &class_id);
  const HRESULT created =
      FAILED(found) ? found
                    : CoCreateInstance(class_id, nullptr, CLSCTX_INPROC_SERVER, kExtensibility2,
                                       reinterpret_cast<void**>(connect_.Receive()));
  if (FAILED(created)) {
    ADD_FAILURE() << "QWIX.Connect cannot be created as _IDTExtensibility2: "
                  << (FAILED(found) ? "CLSIDFromProgID" : "CoCreateInstance") << " 0x" << std::hex
                  << static_cast<unsigned long>(created) << ", QWIX.dll "
                  << (GetModuleHandleW(L"QWIX.dll") ? "loaded" : "not loaded")
                  << RegistryAsSeenNow();
    return false;
  }
  auto application = editor_.Application();
  auto instance = editor_.AddInInstance();
  CustomArgument custom;
  const bool at_startup = how == Load::kAtStartup;
  return connect_->OnConnection(application.Get(), at_startup ? 1 : 0, instance.Get(),
                                custom.Reference()) == S_OK &&
         (!at_startup || connect_->OnStartupComplete(custom.Reference()) == S_OK);
}

bool AddInDriver::Disconnect(Unload how) {
  if (!connect_) return true;
  CustomArgument custom;
  const bool shut_down =
      how != Unload::kAtExit || connect_->OnBeginShutdown(custom.Reference()) == S_OK;
  const HRESULT result =
      connect_->OnDisconnection(how == Unload::kFromAddInManager ? 1 : 0, custom.Reference());
  connect_.Reset();
  return shut_down && result == S_OK;
}

std::unique_ptr<FakeEditor> EditorWithThreeModules(bool vb6, sim::EditorOptions options) {
  if (!vb6) {
    options.name = u"Microsoft Excel";
    options.version = u"7.01";
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(_wcsicmp(std::filesystem::path(program).filename().c_str(), L"EXCEL.EXE"), 0)
        << "the VBA editor is known by its program: run this host as editors\\EXCEL.EXE";
  }
  auto editor = std::make_unique<FakeEditor>(options);
  for (const auto& module : kThreeModules)
    editor->Sim().AddModule(u"工程1", module, {u"Sub 汇总()", u"End Sub"});
  return editor;
}

void BothEditorsTest::SetUp() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  editor = EditorWithThreeModules(GetParam());
  add_in = std::make_unique<AddInDriver>(*editor);
}

void BothEditorsTest::TearDown() {
  EXPECT_TRUE(add_in->Disconnect()) << "disconnection failed";
  add_in.reset();
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

std::string EditorName(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "Vb6" : "Vba";
}

void RunMessageLoop(DWORD milliseconds, const std::function<bool()>& done) {
  const DWORD end = GetTickCount() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (!(done && done()) && static_cast<LONG>(end - GetTickCount()) > 0);
}

HWND AddInTimerWindow() {
  return FindWindowExW(HWND_MESSAGE, nullptr, L"TessalyTimerWindow", nullptr);
}

bool StoreSwitch(const wchar_t* name, const wchar_t* value) {
  const auto size = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, value, size) ==
         ERROR_SUCCESS;
}

std::wstring ReadRegistryText(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof(buffer);
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
    return L"<missing>";
  }
  return buffer;
}

bool SaveScreenshot(HWND window, const std::string& name) {
  const char* directory = std::getenv("TESSALY_SCREENSHOTS");
  if (!directory || !*directory) return true;
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RunMessageLoop(500);

  RECT area{};
  GetWindowRect(window, &area);
  const std::string target = std::string(directory) + "/" + name + ".png";
  // Wine maps the Unix root to drive Z:.
  const std::filesystem::path seen_here = "Z:" + target;
  std::error_code ignored;
  std::filesystem::remove(seen_here, ignored);
  // Written under another name first, so that the file appears only once complete.
  std::string command = "/bin/sh -c \"import -window root -crop " +
                        std::to_string(area.right - area.left) + "x" +
                        std::to_string(area.bottom - area.top) + "+" + std::to_string(area.left) +
                        "+" + std::to_string(area.top) + " +repage 'png:" + target +
                        ".part' && mv '" + target + ".part' '" + target + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  // Wine starts a Unix program given by its path; it hands back no handle to wait on.
  if (!CreateProcessA("Z:\\bin\\sh", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);
  const auto saved = [&] { return std::filesystem::exists(seen_here, ignored); };
  RunMessageLoop(20000, saved);
  return saved();
}

}  // namespace tessaly::fake_host
