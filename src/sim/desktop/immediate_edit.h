#pragma once

// The text box of the immediate window: a text with a caret and a selection anchor that
// answers the keys an add-in can post to it, reading Shift and Control from the keyboard
// state in force when the key is handled.

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/window_system.h"

namespace tessaly::sim {

enum VirtualKey : std::uint32_t {
  kVkBack = 8,
  kVkShift = 16,
  kVkControl = 17,
  kVkEnd = 35,
  kVkHome = 36,
};

class ImmediateEdit {
 public:
  const std::u16string& Text() const { return text_; }
  // The caret goes to the end, as after typing.
  void SetText(std::u16string text);
  std::size_t Caret() const { return caret_; }
  // Puts the caret there (clamped to the text) with nothing selected, as a click does.
  void SetCaret(std::size_t position);
  std::u16string SelectedText() const;

  // Returns whether the key was one the box handles.
  bool KeyDown(std::uint32_t key, const host::KeyboardState& keyboard);

 private:
  std::size_t LineStart(std::size_t position) const;
  std::size_t LineEnd(std::size_t position) const;
  void MoveCaret(std::size_t position, bool extend);

  std::u16string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};

}  // namespace tessaly::sim
