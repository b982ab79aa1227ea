#include <windows.h>

#include <cwctype>

#include "addin/feature_settings.h"
#include "cli/command_line.h"
#include "cli/file_error.h"
#include "cli/native_path.h"
#include "cli/registry_file.h"
#include "host/registry_settings_store.h"
#include "text/utf.h"
#include "win32/win_registry.h"

namespace tessaly::cli {

using language::MessageId;

namespace {

std::wstring Environment(const wchar_t* name) {
  const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed == 0) return {};
  std::wstring value(needed, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), needed));
  return value;
}

// The settings store the add-in builds over the real registry, owning that registry.
class AddInStore : public host::SettingsStore {
 public:
  std::u16string GetSetting(const std::u16string& app, const std::u16string& section,
                            const std::u16string& key,
                            const std::u16string& default_value) override {
    return store_.GetSetting(app, section, key, default_value);
  }
  void SaveSetting(const std::u16string& app, const std::u16string& section,
                   const std::u16string& key, const std::u16string& value) override {
    store_.SaveSetting(app, section, key, value);
  }

 private:
  win32::WinRegistry registry_;
  host::RegistrySettingsStore store_{registry_};
};

}  // namespace

std::filesystem::path UserConfigFolder() {
  for (const wchar_t* folder : {L"APPDATA", L"USERPROFILE"}) {
    const std::wstring home = Environment(folder);
    if (!home.empty()) return std::filesystem::path(home) / L"tessaly";
  }
  throw UsageError(MessageId::kNoAppDataFolder);
}

std::filesystem::path RegistryFile(const Arguments& arguments) {
  if (const auto file = arguments.Value("--registry")) return NativePath(*file);
  try {
    return UserConfigFolder() / L"registry.reg";
  } catch (const UsageError&) {
    throw UsageError(MessageId::kNoAppDataFolderForRegistry);
  }
}

void PrepareRegistryFolder(const std::filesystem::path& file) {
  if (file.parent_path().empty()) return;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) {
    throw FileError(PathText(file.parent_path()), MessageId::kSystemReason, {error.message()});
  }
}

std::unique_ptr<host::SettingsStore> AddInSettingsStore(std::string& name) {
  name = "HKEY_CURRENT_USER\\" + text::ToUtf8(host::RegistrySettingsStore::SectionPath(
                                     addin::kSettingsApp, addin::kSettingsSection));
  return std::make_unique<AddInStore>();
}

// A mutex named after the folder, since Windows locks no folder: every run on the same folder,
// by whatever path it names it, waits for the same one. A run that dies holding it hands it on
// (WAIT_ABANDONED).
RegistryLock::RegistryLock(const std::filesystem::path& registry_file) {
  const auto folder = RegistryLockFolder(registry_file);
  if (!folder) return;
  std::uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : folder->native()) {
    hash = (hash ^ static_cast<std::uint64_t>(std::towlower(c == L'/' ? L'\\' : c))) *
           1099511628211ull;
  }
  wchar_t name[64];
  swprintf(name, 64, L"Local\\tessaly-registry-%016llx", static_cast<unsigned long long>(hash));
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
  if (!mutex || WaitForSingleObject(mutex, INFINITE) == WAIT_FAILED) {
    if (mutex) CloseHandle(mutex);
    throw FileError({MessageId::kCannotLock, {PathText(registry_file)}, {}});
  }
  lock_ = reinterpret_cast<std::intptr_t>(mutex);
}

RegistryLock::~RegistryLock() {
  if (lock_ == -1) return;
  const auto mutex = reinterpret_cast<HANDLE>(lock_);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}

}  // namespace tessaly::cli
