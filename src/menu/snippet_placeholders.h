#pragma once

// The placeholders of a user's snippet, replaced when it is inserted: $PROC$, $MODULE$,
// $PROJECT$, $DATE$, $TIME$, $AUTHOR$, $SELECTION$, $CURSOR$ (where the caret goes) and $$ for
// a dollar sign. Any other $WORD$ stays as written.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/system_services.h"

namespace tessaly::menu {

inline constexpr std::u16string_view kSelectionPlaceholder = u"$SELECTION$";

struct SnippetContext {
  std::u16string proc;  // empty outside a procedure
  std::u16string module;
  std::u16string project;
  std::u16string date;  // yyyy-mm-dd
  std::u16string time;  // hh:mm
  std::u16string author;
  std::u16string selection;  // lines joined by CR LF
};

struct ExpandedSnippet {
  // Each takes the indentation of the code it goes into.
  std::vector<std::u16string> lines;
  // $CURSOR$'s place: the line's index and the number of characters before it on that line.
  std::optional<std::pair<std::size_t, std::size_t>> cursor;
};

// yyyy-mm-dd and hh:mm.
std::u16string FormatDate(const host::LocalTime& time);
std::u16string FormatTime(const host::LocalTime& time);

// `text` has its lines joined by CR LF.
ExpandedSnippet ExpandSnippet(std::u16string_view text, const SnippetContext& context);

}  // namespace tessaly::menu
