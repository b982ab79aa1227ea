#pragma once

// The arithmetic of an enlargement: the new dialog size from the screen, the final position,
// and a plan cell applied to a control.

#include <cstdint>

#include "dialogs/dialog_plans.h"
#include "host/window_system.h"

namespace tessaly::dialogs {

// To the nearest whole number, halves to the even one.
std::int32_t RoundHalfEven(double value);

// Width 0.66 - 0.000125 x the screen width of the screen width, height 0.755 of its height.
// Screens wider than 2,640 pixels get the width of a 2,640-pixel screen.
host::Size EnlargedSize(host::Size screen);

// Two fifths of the free width from the left, the vertical middle.
host::Point FinalPosition(host::Size screen, host::Size dialog);

struct Growth {
  std::int32_t dw = 0;
  std::int32_t dh = 0;
};

std::int32_t Apply(const Cell& cell, std::int32_t own, Growth growth);

}  // namespace tessaly::dialogs
