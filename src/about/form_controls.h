#pragma once

// The few control kinds the About form is made of, as plain state: what the form shows is
// exactly what these hold. Positions are in the form's own units (pixels).

#include <cstdint>
#include <string>

namespace tessaly::about {

// Mouse buttons as the form's mouse events number them.
enum MouseButton : std::int32_t { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Check-box values: a grey box is neither on nor off.
enum CheckValue : std::int32_t { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

struct Label {
  std::u16string Caption;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool Visible = true;
  bool operator==(const Label&) const = default;
};

struct CheckBox {
  std::u16string Caption;
  std::int32_t Value = kUnchecked;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool Visible = true;
  bool Enabled = true;
  bool operator==(const CheckBox&) const = default;
};

struct CommandButton {
  std::u16string Caption;
  std::u16string ToolTipText;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool Visible = true;
  bool Enabled = true;
  bool operator==(const CommandButton&) const = default;
};

struct Picture {
  std::u16string Picture;  // the image stored with the form
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool Visible = true;
  bool operator==(const struct Picture&) const = default;
};

}  // namespace tessaly::about
