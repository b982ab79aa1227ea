#include "sim/desktop/immediate_edit.h"

#include <algorithm>

namespace tessaly::sim {
namespace {

bool IsDown(const host::KeyboardState& keyboard, std::uint32_t key) {
  return (keyboard[key] & 0x80) != 0;
}

}  // namespace

void ImmediateEdit::SetText(std::u16string text) {
  text_ = std::move(text);
  caret_ = anchor_ = text_.size();
}

void ImmediateEdit::SetCaret(std::size_t position) {
  caret_ = anchor_ = std::min(position, text_.size());
}

std::u16string ImmediateEdit::SelectedText() const {
  const auto [first, last] = std::minmax(caret_, anchor_);
  return text_.substr(first, last - first);
}

std::size_t ImmediateEdit::LineStart(std::size_t position) const {
  const auto found = text_.rfind(u'\n', position == 0 ? 0 : position - 1);
  return (found == std::u16string::npos || position == 0) ? 0 : found + 1;
}

std::size_t ImmediateEdit::LineEnd(std::size_t position) const {
  const auto found = text_.find(u'\r', position);
  return found == std::u16string::npos ? text_.size() : found;
}

void ImmediateEdit::MoveCaret(std::size_t position, bool extend) {
  caret_ = position;
  if (!extend) anchor_ = position;
}

bool ImmediateEdit::KeyDown(std::uint32_t key, const host::KeyboardState& keyboard) {
  const bool shift = IsDown(keyboard, kVkShift);
  const bool control = IsDown(keyboard, kVkControl);
  switch (key) {
    case kVkEnd:
      MoveCaret(control ? text_.size() : LineEnd(caret_), shift);
      return true;
    case kVkHome:
      MoveCaret(control ? 0 : LineStart(caret_), shift);
      return true;
    case kVkBack:
      if (caret_ != anchor_) {
        const auto [first, last] = std::minmax(caret_, anchor_);
        text_.erase(first, last - first);
        caret_ = anchor_ = first;
      } else if (caret_ > 0) {
        // A line break goes as one, as the box treats CR LF.
        const bool line_break = caret_ >= 2 && text_.compare(caret_ - 2, 2, u"\r\n") == 0;
        const std::size_t count = line_break ? 2 : 1;
        caret_ -= count;
        text_.erase(caret_, count);
        anchor_ = caret_;
      }
      return true;
    default:
      return false;
  }
}

}  // namespace tessaly::sim
