#pragma once

// Writes one registry value named by its full path, creating its key as needed.

#include <cstdint>
#include <string>

#include "host/registry.h"
#include "host/system_services.h"
#include "registry_paths/help.h"
#include "registry_paths/vb_value.h"

namespace tessaly::registry_paths {

inline constexpr HelpText kSetKeyValueHelp = {
    u"函数[SetKeyValue]设置注册表键值",
    u"参数01必选[RegFullName]：|注册表完整路径，最后一段为值名|以\\结尾时写入默认值|"
    u"参数02必选[KeyValue]：|要写入的值|REG_DWORD须在0至4294967295之间|"
    u"REG_BINARY可传数组，每个元素写一个字节|参数03可选[ValueTypeVar]：|值类型，省略为REG_SZ|"
    u"RS|RE|RB|RD|RM|REG_SZ|REG_EXPAND_SZ|REG_BINARY|REG_DWORD|REG_MULTI_SZ|以上简写及全称均可|"
    u"参数04可选[Wow64Flag]：|0默认视图|256(KEY64)64位视图|512(KEY32)32位视图",
};

// True when the value was written. Strings are written as UTF-16, so every character is
// kept; a REG_MULTI_SZ is given a list of strings (or one text with embedded zeros) and is
// always properly double-terminated. A value the type cannot hold (a DWORD below 0 or above
// 4294967295 or not a number, a byte outside 0..255) is refused before anything is created.
// A type outside 1, 2, 3, 4 and 7 creates the key, writes nothing and returns false.
bool SetKeyValue(host::Registry& registry, host::SystemServices& system,
                 const std::u16string& reg_full_name, const VbValue& key_value,
                 const std::u16string& value_type_var = u"", std::int32_t wow64_flag = 0);

}  // namespace tessaly::registry_paths
