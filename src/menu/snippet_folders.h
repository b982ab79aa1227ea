#pragma once

// Where the user's own snippets are read from, asked afresh each time the popup is filled.

#include <functional>
#include <optional>
#include <string>

namespace tessaly::menu {

struct SnippetFolders {
  // The folder whose ".tessaly/snippets" adds to and overrides the user's snippets; empty for
  // none. Unset: the folder of the active project's file (VBProject.FileName), asked each time
  // the popup is filled, so a project opened or saved later shows its snippets at "刷新".
  std::function<std::u16string()> project_folder;
  // The user's snippet folder in place of the one in the user's configuration.
  std::optional<std::u16string> user_folder;
};

}  // namespace tessaly::menu
