#pragma once

// Names of root keys, value types and view flags turned into their numbers.

#include <cstdint>

#include "host/system_services.h"
#include "registry_paths/help.h"
#include "registry_paths/vb_value.h"

namespace tessaly::registry_paths {

inline constexpr HelpText kRegKey2NumHelp = {
    u"函数[RegKey2Num]注册表关键字转换值",
    u"参数01必选[RegKeyStr]：|注册表关键字|HKCR|HKEYCR|HKEY_CLASSES_ROOT|RS|REG_SZ|"
    u"以上简写及全称均可",
};

// A name of the table (any case) gives its number, a number or numeric text its own value
// as a whole number, anything else 0.
std::int32_t RegKeyNumber(const VbValue& reg_key_str);

// The same, with the help convention.
std::int32_t RegKey2Num(host::SystemServices& system, const VbValue& reg_key_str);

}  // namespace tessaly::registry_paths
