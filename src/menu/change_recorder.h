#pragma once

// Records what one click changes in the active code module, without reading the editor again:
// the click runs against a wrapped application whose code modules pass every call on and note
// the lines the click read, so a replaced or deleted line's old text is known when it goes.

#include <memory>
#include <optional>

#include "host/editor.h"
#include "menu/change_record.h"

namespace tessaly::menu {

class ChangeRecorder {
 public:
  ChangeRecorder();
  ~ChangeRecorder();
  ChangeRecorder(const ChangeRecorder&) = delete;
  ChangeRecorder& operator=(const ChangeRecorder&) = delete;

  // `application` as the click sees it: every code module reached through it is recorded.
  std::shared_ptr<host::Application> Wrap(std::shared_ptr<host::Application> application);

  // The click's change, once it is over; nothing when it changed no line, or more than the
  // history can keep. Names the module by its code window's caption (one read of the editor,
  // for a click that changed something).
  std::optional<ChangeRecord> Finish();
  // Whether the click changed more than UndoHistory keeps in all. The recorder then stopped
  // noting anything, so that a click's memory is not several times the text it writes.
  bool TooLargeToKeep() const;

  class State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace tessaly::menu
