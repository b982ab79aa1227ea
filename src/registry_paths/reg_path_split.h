#pragma once

// A registry full path (root\subkey\value name) taken apart. The text after the last
// backslash is the value name, so a path ending in a backslash names the default value.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/system_services.h"
#include "registry_paths/help.h"

namespace tessaly::registry_paths {

inline constexpr HelpText kRegPathSplitHelp = {
    u"函数[RegPathSplit]注册表长路径分解",
    u"参数01必选[RegFullName]：|注册表完整路径，如HKCU\\Software\\Foo\\Bar|以\\结尾时值名为空，"
    u"即默认值|参数02必选[Layers]：|0返回根键|1返回子键|2返回值名|3返回子键及值名|"
    u"4返回整理后的完整路径",
};

enum RegPathLayer : std::int32_t {
  kRootLayer = 0,
  kSubkeyLayer = 1,
  kValueNameLayer = 2,
  kSubkeyAndValueLayer = 3,
  kWholePathLayer = 4,
};

// Quotes around the path dropped, doubled backslashes made single, and the backslash after
// a bare root dropped.
std::u16string NormaliseRegPath(std::u16string_view path);

// One layer of the normalised path; empty when the path has no backslash or the layer is
// not 0 to 4.
std::u16string RegPathLayerOf(std::u16string_view reg_full_name, std::int32_t layer);

// The same, with the help convention.
std::u16string RegPathSplit(host::SystemServices& system, const std::u16string& reg_full_name,
                            std::int32_t layers);

}  // namespace tessaly::registry_paths
