#include "about/system_info.h"

#include <optional>
#include <variant>

#include "about/os_name_table.h"
#include "addin/vb_conversion.h"
#include "host/resume.h"
#include "registry_paths/get_key_value.h"

namespace tessaly::about {

namespace {

constexpr char16_t kCurrentVersionKey[] =
    u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
// Windows 11 kept the version numbers of Windows 10; only the build tells them apart.
constexpr double kFirstWindows11Build = 21996;

std::u16string ReadVersionValue(host::SystemServices& system, host::Registry& registry,
                                const std::u16string& name) {
  const registry_paths::VbValue value =
      host::ResumeOr<registry_paths::VbValue>(std::monostate{}, [&] {
        return registry_paths::GetKeyValue(registry, system, kCurrentVersionKey + name, u"REG_SZ",
                                           0);
      });
  const auto* text = std::get_if<std::u16string>(&value);
  return text ? *text : u"";
}

// Every system from 8 on reports 6.2 to the version query; the registry still knows.
std::u16string NameOfVersion62(host::SystemServices& system, host::Registry& registry) {
  const std::u16string version = ReadVersionValue(system, registry, u"CurrentVersion");
  if (version.empty()) return u"";
  switch (version.back()) {
    case u'1':
      return u"Windows 7";
    case u'2':
      return u"Windows 8";
    case u'3': {
      // A build that is not a number tells nothing; the management service may.
      const auto build = addin::ToNumber(ReadVersionValue(system, registry, u"CurrentBuild"));
      if (!build) return u"";
      return *build < kFirstWindows11Build ? u"Windows 10" : u"Windows 11";
    }
    default:
      return u"";
  }
}

}  // namespace

std::u16string GetOSName(host::SystemServices& system, host::Registry& registry) {
  const auto version = host::ResumeOr<std::optional<host::OsVersion>>(
      std::nullopt, [&] { return system.Version(); });
  std::u16string name;
  if (version) {
    name = LookUpOsName(*version);
    if (version->platform == 2 && version->major == 6 && version->minor == 2) {
      name = NameOfVersion62(system, registry);
    }
  }
  if (name.empty()) name = GetWmiOSCaption(system);
  if (name.empty()) name = kUnknownOsName;
  return name;
}

std::u16string GetWmiOSCaption(host::SystemServices& system) {
  return host::ResumeOr<std::u16string>(u"", [&] { return system.WmiOsCaption(); });
}

std::int32_t GetOSBits(host::SystemServices& system) {
  // The emulation test alone misses a 64-bit process, which needs no emulation but can only
  // run on a 64-bit system.
  if (host::ResumeOr(false, [&] { return system.Is64BitProcess(); })) return 64;
  return host::ResumeOr(false, [&] { return system.IsWow64Process(); }) ? 64 : 32;
}

std::int32_t GetAppBits(host::SystemServices& system) {
  const std::u16string architecture = host::ResumeOr<std::u16string>(
      u"", [&] { return system.EnvironmentVariable(u"PROCESSOR_ARCHITECTURE"); });
  // Without the variable, ask the process itself rather than guess 64.
  if (architecture.empty()) {
    return host::ResumeOr(false, [&] { return system.Is64BitProcess(); }) ? 64 : 32;
  }
  return architecture.find(u"86") != std::u16string::npos ? 32 : 64;
}

}  // namespace tessaly::about
