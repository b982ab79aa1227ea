#pragma once

// A tab's caption is the module part of a code window's caption, "Project - Module (Code)"
// ("(代码)" in the Chinese editor). Both rules keep the blank before the marker, so the two
// ways a caption reaches the strip agree on "Module ".

#include <string>

namespace tessaly::tabs {

// For captions read from the editor's windows: markers dropped, then everything from the
// first " - " on, without any " - ".
std::u16string ReduceByWindowRule(const std::u16string& caption);

// For the caption a double-click produced: the text before the first "(", then what follows
// the first " - " in it.
std::u16string ReduceByNameRule(const std::u16string& caption);

}  // namespace tessaly::tabs
