#include "registry_paths/reg_key_to_num.h"

#include <string_view>

#include "host/registry.h"
#include "registry_paths/vb_number.h"
#include "text/ascii_case.h"

namespace tessaly::registry_paths {

namespace {

struct KeyName {
  std::u16string_view name;
  std::uint32_t number;
};

constexpr KeyName kKeyNames[] = {
    {u"HKEY_CLASSES_ROOT", host::kClassesRoot},
    {u"HKCR", host::kClassesRoot},
    {u"HKEYCR", host::kClassesRoot},
    {u"HKEY_CURRENT_USER", host::kCurrentUser},
    {u"HKCU", host::kCurrentUser},
    {u"HKEYCU", host::kCurrentUser},
    {u"HKEY_LOCAL_MACHINE", host::kLocalMachine},
    {u"HKLM", host::kLocalMachine},
    {u"HKEYLM", host::kLocalMachine},
    {u"HKEY_USERS", host::kUsers},
    {u"HKU", host::kUsers},
    {u"REG_SZ", host::kRegSz},
    {u"RS", host::kRegSz},
    {u"REG_EXPAND_SZ", host::kRegExpandSz},
    {u"RE", host::kRegExpandSz},
    {u"REG_BINARY", host::kRegBinary},
    {u"RB", host::kRegBinary},
    {u"REG_DWORD", host::kRegDword},
    {u"RD", host::kRegDword},
    {u"REG_MULTI_SZ", host::kRegMultiSz},
    {u"RM", host::kRegMultiSz},
    {u"KEY_WOW64_64KEY", host::kKeyWow64_64},
    {u"KEY64", host::kKeyWow64_64},
    {u"KEY_WOW64_32KEY", host::kKeyWow64_32},
    {u"KEY32", host::kKeyWow64_32},
};

std::int32_t WholeNumber(double number) {
  return VbLong(number).value_or(0);
}

}  // namespace

std::int32_t RegKeyNumber(const VbValue& reg_key_str) {
  if (const auto* number = std::get_if<double>(&reg_key_str)) return WholeNumber(*number);
  const auto* text = std::get_if<std::u16string>(&reg_key_str);
  if (!text) return 0;
  const auto upper = text::AsciiUppercased(*text);
  for (const auto& key : kKeyNames) {
    if (key.name == upper) return static_cast<std::int32_t>(key.number);
  }
  const auto number = ParseVbNumber(*text);
  return number ? WholeNumber(*number) : 0;
}

std::int32_t RegKey2Num(host::SystemServices& system, const VbValue& reg_key_str) {
  if (IsHelpRequest(reg_key_str)) {
    ShowHelp(system, kRegKey2NumHelp);
    return 0;
  }
  return RegKeyNumber(reg_key_str);
}

}  // namespace tessaly::registry_paths
