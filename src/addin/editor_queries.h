#pragma once

#include <string>

#include "host/editor.h"

namespace tessaly::addin {

inline constexpr char16_t kMenuBarName[] = u"TessalyIDE";
inline constexpr char16_t kTabWindowCaption[] = u"标签";

// Whether the editor has a command bar of that name; any refusal counts as none. Both are
// questions the editor answers by refusing, so their refusals are not logged.
bool CommandBarExists(host::Application* application, const std::u16string& name);
// Whether the editor has a window of that caption; any refusal counts as none.
bool WindowExists(host::Application* application, const std::u16string& caption);

}  // namespace tessaly::addin
