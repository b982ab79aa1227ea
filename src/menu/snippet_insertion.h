#pragma once

// Puts a catalogue snippet into the code: a declaration at column 1 above the caret line, a
// parameter spliced into the caret line at the caret, or a statement above the caret line at
// the indentation of the code around it.

#include <string>
#include <string_view>

#include "menu/click_module.h"
#include "menu/click_state.h"

namespace tessaly::menu {

enum class SnippetKind { kDeclaration, kParameter, kStatement };

// Told apart by the first seven characters of the trimmed text.
SnippetKind KindOfSnippet(std::u16string_view body);

// Inserts the snippet of the popup item with exactly this caption; any other caption changes
// nothing. The caret moves only for a parameter.
void InsertSnippet(ClickModule& module, const ClickState& click, std::u16string_view caption);

}  // namespace tessaly::menu
