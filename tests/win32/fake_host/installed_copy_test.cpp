// The copy of QWIX.dll that COM hands the editors: the one the installer registered, carrying
// the project's version in its version resource.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "tessaly_version.h"
#include "win32/fake_host/com_client.h"

namespace tessaly::fake_host {
namespace {

const VS_FIXEDFILEINFO* FixedVersion(HMODULE module) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  if (!found || SizeofResource(module, found) < 40 + sizeof(VS_FIXEDFILEINFO)) return nullptr;
  // The fixed part follows the block's three sizes and its key L"VS_VERSION_INFO", aligned to
  // four bytes.
  const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const auto* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + 40);
  return fixed->dwSignature == VS_FFI_SIGNATURE ? fixed : nullptr;
}

TEST(InstalledCopyTest, ComLoadsTheRegisteredCopyWhichCarriesTheProjectVersion) {
  // Loaded the way an editor does.
  const auto connect = client::CreateByProgId(L"QWIX.Connect");
  const HMODULE module = GetModuleHandleW(L"QWIX.dll");
  ASSERT_TRUE(connect && module) << "QWIX.Connect is not registered or does not load";

  // scripts/msi-test names the installed copy; after regsvr32 any copy will do.
  if (const char* expected = std::getenv("TESSALY_EXPECTED_QWIX")) {
    const std::wstring wanted(expected, expected + std::strlen(expected));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    EXPECT_EQ(CompareStringOrdinal(path, -1, wanted.c_str(), -1, TRUE), CSTR_EQUAL)
        << "COM loaded a copy other than the installed one";
  }

  const VS_FIXEDFILEINFO* version = FixedVersion(module);
  ASSERT_NE(version, nullptr) << "QWIX.dll has no version resource";
  EXPECT_EQ(version->dwFileVersionMS, DWORD{TESSALY_VERSION_MAJOR} << 16 | TESSALY_VERSION_MINOR);
  EXPECT_EQ(version->dwFileVersionLS, DWORD{TESSALY_VERSION_PATCH} << 16);
  EXPECT_EQ(version->dwFileType, static_cast<DWORD>(VFT_DLL));
}

}  // namespace
}  // namespace tessaly::fake_host
