#include "addin/registration.h"

#include <array>

#include "registry_paths/set_key_value.h"

namespace tessaly::addin {

namespace {

constexpr char16_t kVbeAddins[] =
    u"HKEY_CURRENT_USER\\Software\\Microsoft\\VBA\\VBE\\6.0\\Addins\\";
constexpr char16_t kExcelAddins[] =
    u"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\Excel\\Addins\\";
constexpr char16_t kVb6Addins[] =
    u"HKEY_CURRENT_USER\\Software\\Microsoft\\Visual Basic\\6.0\\Addins\\";
constexpr double kLoadAtStartup = 3;

void Register(const std::u16string& prefix, const Connection& connection, host::Os& os) {
  const std::u16string key = prefix + connection.ComponentName + u".Connect\\";
  registry_paths::SetKeyValue(os.registry, os.system, key + u"FriendlyName",
                              connection.ComponentName, u"1", 0);
  registry_paths::SetKeyValue(os.registry, os.system, key + u"LoadBehavior", kLoadAtStartup, u"4",
                              0);
}

}  // namespace

void WriteRegistration(const Connection& connection, host::Os& os) {
  if (connection.IsVb6()) {
    Register(kVbeAddins, connection, os);
    Register(kExcelAddins, connection, os);
  } else {
    Register(kVb6Addins, connection, os);
  }
}

}  // namespace tessaly::addin
