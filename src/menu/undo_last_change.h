#pragma once

// "撤销上次修改": takes back the newest recorded change of the active code pane's module, if the
// lines it left still read as it left them.

#include "host/editor.h"
#include "menu/undo_history.h"

namespace tessaly::menu {

inline constexpr char16_t kNothingToUndoMessage[] = u"没有可撤销的修改。";
inline constexpr char16_t kChangedSinceMessage[] = u"代码在此后已被修改，无法撤销上次修改。";

enum class UndoOutcome { kUndone, kNothingToUndo, kChangedSince };

// Reads only the lines the change left (one read per run of them) and writes one call per edit
// it takes back. A refused call ends the undo; the change is dropped either way.
UndoOutcome UndoLastChange(host::Application& application, UndoHistory& history);

}  // namespace tessaly::menu
