#pragma once

// Driving QWIX.dll as an editor does, for the fake host's tests: create the add-in by the ProgID
// its editor's add-in key names, connect it through _IDTExtensibility2's vtable to a fake editor
// of either kind and let the editor's message loop run.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qwix_idl.h"
#include "win32/fake_host/fake_editor.h"

namespace tessaly::fake_host {

class AddInDriver {
 public:
  explicit AddInDriver(FakeEditor& editor) : editor_(editor) {}
  ~AddInDriver() { Disconnect(); }
  AddInDriver(const AddInDriver&) = delete;
  AddInDriver& operator=(const AddInDriver&) = delete;

  // At the editor's start-up: ConnectMode 1, then OnStartupComplete. From the Add-In Manager:
  // ConnectMode 0 alone, as OnStartupComplete is called only for an add-in connected during
  // start-up (Microsoft KB 302901).
  enum class Load { kAtStartup, kFromAddInManager };
  // At the editor's exit: OnBeginShutdown, then RemoveMode 0; or RemoveMode 0 alone, since an
  // add-in cannot count on OnBeginShutdown (VB6's own IDTExtensibility has none). From the
  // Add-In Manager: RemoveMode 1 alone, as OnBeginShutdown comes only at the host's shutdown
  // (KB 302901).
  enum class Unload { kAtExit, kAtExitWithoutBeginShutdown, kFromAddInManager };

  // False, with the reason as a test failure, when the add-in is not listed in the editor's key,
  // cannot be created, or refuses a call.
  bool Connect(Load how = Load::kAtStartup);
  bool Disconnect(Unload how = Unload::kAtExit);

 private:
  FakeEditor& editor_;
  ComPtr<_IDTExtensibility2> connect_;
};

// An editor of either kind (VB6, or Excel's VBA editor when `vb6` is false) with three modules of
// one project, the last one active. A VBA editor fails the test when this host does not run as
// the program the VBA editor is known by.
std::unique_ptr<FakeEditor> EditorWithThreeModules(bool vb6, sim::EditorOptions options = {});
inline const std::vector<std::u16string> kThreeModules{u"销售报表", u"客户资料", u"工具函数"};

// A test in each editor, VB6 when its parameter is true and Excel's VBA editor otherwise, with
// the add-in's settings cleared before and after, and three modules of one project.
class BothEditorsTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<FakeEditor> editor;
  // Made after the editor, so it lets go of the add-in first.
  std::unique_ptr<AddInDriver> add_in;
};

// Names the two instantiations of a BothEditorsTest.
std::string EditorName(const ::testing::TestParamInfo<bool>& info);

// The editor's message loop for a while, or until `done`: timers fire, posted messages are
// handled.
void RunMessageLoop(DWORD milliseconds, const std::function<bool()>& done = {});

// The timer window of a loaded add-in, null when none is left.
HWND AddInTimerWindow();

// The key of the four switches the About form keeps.
inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\ZOTA\\QWIX";
// Stores a switch as the About form would; true when the registry took it.
bool StoreSwitch(const wchar_t* name, const wchar_t* value);

// Screenshots for a person to look at: when the run names a Unix directory in
// TESSALY_SCREENSHOTS, ImageMagick's import saves the window as the X server (Xvfb) shows it, as
// NAME.png there. False when one was asked for and not saved.
bool SaveScreenshot(HWND window, const std::string& name);

// Text of a registry string value, "<missing>" when absent.
std::wstring ReadRegistryText(HKEY root, const wchar_t* key, const wchar_t* name);

}  // namespace tessaly::fake_host
