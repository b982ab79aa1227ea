#pragma once

// The project and module a code window shows in its caption, "Project1 - Module1 (Code)"
// ("(代码)" in the Chinese editor): the only place both editors name them alike.

#include <string>
#include <string_view>

namespace tessaly::menu {

struct CodeWindowNames {
  std::u16string project;
  std::u16string module;
};

// The project is what comes before the first " - "; the module what follows it, up to the
// last " (" of a caption ending in ")". A caption without " - " is a module's name alone.
CodeWindowNames NamesOfCodeWindow(std::u16string_view caption);

}  // namespace tessaly::menu
