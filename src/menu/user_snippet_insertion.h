#pragma once

// Puts one of the user's own snippets into the code, where and as the catalogue's snippets go
// (a declaration at column 1, a parameter at the caret, a statement above the caret line at
// the code's indentation), its placeholders replaced. A snippet that takes the selection
// ($SELECTION$) replaces the selected text when there is one.

#include <string>

#include "host/system_services.h"
#include "menu/click_module.h"
#include "menu/snippet_placeholders.h"

namespace tessaly::menu {

// The message when a character cannot be kept in the editor's code page.
std::u16string UnsavableCharacterMessage(const std::u16string& caption, std::u16string_view c);

// `context` brings everything but the selection, which is read here. The caret goes to
// $CURSOR$, or else to the end of the last line inserted. Nothing is inserted when a character
// does not fit the system's code page: a message box names it.
void InsertUserSnippet(ClickModule& module, host::SystemServices& system,
                       const std::u16string& caption, const std::u16string& text,
                       SnippetContext context);

}  // namespace tessaly::menu
