#pragma once

// Enlarges one of the editor's dialogs by its plan: the dialog grows to a size derived from
// the screen, its controls move and stretch by the plan, and it ends near the middle of the
// screen. Every window the plan needs is found before anything moves, so a dialog that lacks
// one (fewer children, a components dialog without its page or one of its seven controls)
// is left exactly as it was.

#include <string_view>

#include "host/window_system.h"

namespace tessaly::dialogs {

// Returns whether the dialog was enlarged. Screens of 800 pixels width or less, or under 600
// pixels height, a plan the editor does not have, and a dialog that no longer has its design
// size (one already enlarged among them) change nothing.
bool EnlargeDialog(host::WindowSystem& windows, host::Size screen, bool vb6,
                   host::WindowHandle dialog, std::u16string_view plan_name, int child_count);

}  // namespace tessaly::dialogs
