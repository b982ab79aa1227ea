#include "win32/com/registration.h"

#include "win32/windows_headers.h"

#include "registration/registration_entries.h"
#include "win32/failed_call.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"
#include "win32/write_registry_entry.h"

namespace tessaly::win32 {

namespace {

constexpr bool kWin64 = sizeof(void*) == 8;
constexpr char16_t kClasses[] = u"Software\\Classes";

LSTATUS WriteAll(HKEY root, const std::vector<registration::RegistryEntry>& entries) {
  for (const auto& entry : entries) {
    if (const LSTATUS status = WriteRegistryEntry(root, entry); status != ERROR_SUCCESS)
      return status;
  }
  return ERROR_SUCCESS;
}

void DeleteAll(HKEY root, const std::vector<std::u16string>& keys, REGSAM view = 0) {
  for (const auto& key : keys) {
    {
      UniqueHkey opened;
      if (RegOpenKeyExW(root, WideView(key), 0, KEY_ALL_ACCESS | view, opened.Receive()) !=
          ERROR_SUCCESS) {
        continue;
      }
      LogIfFailed(HRESULT_FROM_WIN32(RegDeleteTreeW(opened.Get(), nullptr)), "RegDeleteTreeW");
    }
    LogIfFailed(HRESULT_FROM_WIN32(RegDeleteKeyExW(root, WideView(key), view, 0)),
                "RegDeleteKeyExW");
  }
}

// The other bitness's view of the registry (on 32-bit Windows, the only view).
constexpr REGSAM kOtherView = kWin64 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// Whether the DLL of the other bitness still has its class registered below `root`.
bool OtherBitnessRegistered(HKEY root) {
  const auto server =
      std::u16string(kClasses) + u"\\CLSID\\" + registration::kConnectClassId + u"\\InprocServer32";
  UniqueHkey key;
  return RegOpenKeyExW(root, WideView(server), 0, KEY_READ | kOtherView, key.Receive()) ==
         ERROR_SUCCESS;
}

// 64-bit Windows keeps the CLSID keys of each bitness apart but shares the ProgIDs, the type
// library and (on some versions) the interface keys: those go only with the last DLL
// registered; before that, only this bitness's entry of the type library goes.
void Unregister(HKEY root) {
  DeleteAll(root, registration::OwnedClassKeys(kClasses, kWin64,
                                               registration::ClassKeys::kSeparatePerBitness));
  if (OtherBitnessRegistered(root)) {
    DeleteAll(root, {registration::OwnTypeLibraryEntry(kClasses, kWin64)});
    return;
  }
  const auto shared =
      registration::OwnedClassKeys(kClasses, kWin64, registration::ClassKeys::kShared);
  DeleteAll(root, shared, KEY_WOW64_64KEY);
  DeleteAll(root, shared, KEY_WOW64_32KEY);
}

}  // namespace

HRESULT RegisterServer(const std::wstring& dll_path) {
  if (dll_path.empty()) return SELFREG_E_CLASS;
  const auto classes = registration::ClassEntries(kClasses, FromWide(dll_path), kWin64);
  if (WriteAll(HKEY_LOCAL_MACHINE, classes) != ERROR_SUCCESS) {
    // Not an administrator: undo the part written and register for this user alone.
    Unregister(HKEY_LOCAL_MACHINE);
    if (WriteAll(HKEY_CURRENT_USER, classes) != ERROR_SUCCESS) {
      Unregister(HKEY_CURRENT_USER);
      return SELFREG_E_CLASS;
    }
  }
  if (WriteAll(HKEY_CURRENT_USER, registration::EditorAddInEntries(kWin64)) != ERROR_SUCCESS) {
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT UnregisterServer() {
  Unregister(HKEY_LOCAL_MACHINE);
  Unregister(HKEY_CURRENT_USER);
  DeleteAll(HKEY_CURRENT_USER, registration::OwnedEditorKeys(kWin64));
  return S_OK;
}

}  // namespace tessaly::win32
