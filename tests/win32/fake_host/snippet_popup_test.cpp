// "我的代码" in the editors: the user's snippets read from %APPDATA%\Tessaly\snippets of this
// Wine prefix, a click that inserts once through the editor's objects, 刷新 without a second
// set of sinks, 打开片段文件夹 handing Explorer the folder (the shell's call is taken, not run),
// and nothing left advised once the add-in is unloaded.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "win32/fake_host/add_in_driver.h"

namespace tessaly::fake_host {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::u16string>;

std::vector<std::wstring> shell_calls;

HINSTANCE WINAPI TakeShellExecute(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR,
                                  INT) {
  shell_calls.push_back(std::wstring(verb ? verb : L"") + L"|" + (file ? file : L"") + L"|" +
                        (parameters ? parameters : L""));
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

// Points the DLL's import of shell32's ShellExecuteW at `replacement`; answers what it pointed
// at, null when the DLL imports no such function.
void* ReplaceShellExecute(HMODULE module, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name; ++dll) {
    if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), "shell32.dll") != 0) continue;
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* by_name =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), "ShellExecuteW") != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&slot->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
      void* previous = reinterpret_cast<void*>(slot->u1.Function);
      slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slot->u1.Function, sizeof(void*), protection, &protection);
      return previous;
    }
  }
  return nullptr;
}

fs::path UserSnippets() {
  wchar_t buffer[MAX_PATH] = {};
  GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
  return fs::path(buffer) / L"Tessaly" / L"snippets";
}

void Write(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// The popup as a menu of the screen, for its photograph.
HMENU MenuOf(const sim::SimCommandBarControls& controls) {
  HMENU menu = CreatePopupMenu();
  for (const auto& control : controls.All()) {
    const auto& p = control->Properties();
    if (p.begin_group && GetMenuItemCount(menu) > 0) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::wstring caption(p.caption.begin(), p.caption.end());
    if (control->Children()) {
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(MenuOf(*control->Children())),
                  caption.c_str());
    } else {
      AppendMenuW(menu, MF_STRING | (p.enabled ? 0 : MF_GRAYED), 1, caption.c_str());
    }
  }
  return menu;
}

bool photographed = false;

void CALLBACK PhotographMenu(HWND owner, UINT, UINT_PTR timer, DWORD) {
  KillTimer(owner, timer);
  if (HWND menu = FindWindowW(L"#32768", nullptr)) {
    photographed =
        SaveScreenshot(menu, std::string("snippets-popup-") + (sizeof(void*) == 8 ? "x64" : "x86"));
  }
  EndMenu();
}

using SnippetPopupTest = BothEditorsTest;

TEST_P(SnippetPopupTest, InsertsOnceRefreshesOpensExplorerAndLeavesNothingAdvised) {
  fs::remove_all(UserSnippets());
  // ASCII code: the code page of this Wine prefix may be any.
  Write(UserSnippets() / L"错误处理.txt", "On Error Resume Next ' $$\r\n");
  Write(UserSnippets() / L"01 文件头.txt", "' File header\r\n");
  Write(UserSnippets() / L"日志" / L"写日志.txt", "Debug.Print Now");
  Write(UserSnippets() / L"坏.txt", std::string("\0", 1));
  ASSERT_TRUE(add_in->Connect());
  const sim::ControlPath popup{u"TessalyIDE", u"我的代码"};
  const auto sinks = editor->ConnectedSinks();

  auto& module = editor->Sim().Module(kThreeModules.back());
  editor->Sim().ActivePane()->PlaceCaret(2, 1);
  auto path = popup;
  path.push_back(u"错误处理");
  editor->Click(path);
  EXPECT_EQ(module.Text(), (Lines{u"Sub 汇总()", u"    On Error Resume Next ' $", u"End Sub"}));

  Write(UserSnippets() / L"新.txt", "' new");
  path.back() = u"刷新";
  editor->Click(path);
  editor->Click(path);
  EXPECT_EQ(editor->ConnectedSinks(), sinks + 1) << "刷新 left a second set of sinks";
  const auto& items = editor->Sim().Control(popup).Children()->All();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[4]->Properties().caption, u"1 个片段无法读取");
  EXPECT_FALSE(items[4]->Properties().enabled);

  HMODULE dll = GetModuleHandleW(L"QWIX.dll");
  ASSERT_TRUE(dll);
  shell_calls.clear();
  void* shell_execute = ReplaceShellExecute(dll, reinterpret_cast<void*>(&TakeShellExecute));
  ASSERT_TRUE(shell_execute) << "QWIX.dll does not start programs through ShellExecuteW";
  path.back() = u"打开片段文件夹";
  editor->Click(path);
  ReplaceShellExecute(dll, shell_execute);
  EXPECT_EQ(shell_calls,
            std::vector<std::wstring>{L"open|explorer.exe|\"" + UserSnippets().wstring() + L"\""});

  // The photograph of the popup as the user opens it.
  HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
  HMENU menu = MenuOf(*editor->Sim().Control(popup).Children());
  SetForegroundWindow(owner);
  photographed = false;
  SetTimer(owner, 1, 300, PhotographMenu);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, owner, nullptr);
  DestroyMenu(menu);
  DestroyWindow(owner);
  EXPECT_TRUE(photographed);

  ASSERT_TRUE(add_in->Disconnect());
  EXPECT_EQ(editor->ConnectedSinks(), 0u) << "a sink is still advised";
  fs::remove_all(UserSnippets());
}

INSTANTIATE_TEST_SUITE_P(BothEditors, SnippetPopupTest, ::testing::Bool(), EditorName);

}  // namespace
}  // namespace tessaly::fake_host
