#pragma once

// Reads one registry value named by its full path.

#include <cstdint>
#include <string>

#include "host/registry.h"
#include "host/system_services.h"
#include "registry_paths/help.h"
#include "registry_paths/vb_value.h"

namespace tessaly::registry_paths {

inline constexpr HelpText kGetKeyValueHelp = {
    u"函数[GetKeyValue]获取注册表键值",
    u"参数01必选[RegFullName]：|注册表完整路径，最后一段为值名|以\\结尾时读取默认值|"
    u"参数02可选[ValueTypeVar]：|按此类型读取，省略为REG_SZ|RS|RE|RB|RD|RM|REG_SZ|REG_EXPAND_SZ|"
    u"REG_BINARY|REG_DWORD|REG_MULTI_SZ|以上简写及全称均可|参数03可选[Wow64Flag]：|0默认视图|"
    u"256(KEY64)64位视图|512(KEY32)32位视图",
};

// The requested type decides how the stored bytes are read: REG_SZ a trimmed string,
// REG_EXPAND_SZ a trimmed string with environment references expanded, REG_BINARY the bytes
// as "0A 1B", REG_DWORD a number, REG_MULTI_SZ a list of strings; any other type gives
// Empty. A path without root or subkey, a missing key or value, or a refused view flag gives
// an empty string. Values of any length are read whole.
VbValue GetKeyValue(host::Registry& registry, host::SystemServices& system,
                    const std::u16string& reg_full_name, const std::u16string& value_type_var = u"",
                    std::int32_t wow64_flag = 0);

}  // namespace tessaly::registry_paths
