#pragma once

// One click's change to a code module, as recorded for "撤销上次修改": the edits in the order
// the click made them, the lines it left (where they stand now, with their text), and the
// caret before the click.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/editor.h"

namespace tessaly::menu {

struct LineEdit {
  enum class Kind { kReplace, kInsert, kDelete };
  Kind kind;
  std::int32_t line;
  // The lines there before (replaced or deleted) and after (the replacement or the inserted).
  std::vector<std::u16string> before;
  std::vector<std::u16string> after;
};

// What an edit's text holds in memory: two bytes a unit, and a little for each line's keeping.
std::size_t KeptBytes(const LineEdit& edit);

struct ChangeRecord {
  // The module's code window caption: which module the change belongs to.
  std::u16string module;
  // As the click found it; absent when the click never asked.
  std::optional<host::Selection> caret_before;
  std::vector<LineEdit> edits;
  // Every line the change wrote and that is still there, by its line number now.
  std::map<std::int32_t, std::u16string> left;

  // What the record holds in memory, for the history's bound.
  std::size_t Bytes() const;
};

}  // namespace tessaly::menu
