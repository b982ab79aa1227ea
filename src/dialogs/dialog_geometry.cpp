#include "dialogs/dialog_geometry.h"

#include <algorithm>
#include <cmath>

namespace tessaly::dialogs {

namespace {

// The width formula peaks at this screen width and falls beyond it, to nothing at 5,280
// pixels: a wider screen gets the dialog this one gets.
constexpr std::int32_t kWidestScreenForWidth = 2640;

}  // namespace

std::int32_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  double rounded = floor;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded = floor + 1;
  return static_cast<std::int32_t>(rounded);
}

host::Size EnlargedSize(host::Size screen) {
  const double width = std::min(screen.width, kWidestScreenForWidth);
  return {RoundHalfEven(width * (0.66 - 0.000125 * width)), RoundHalfEven(screen.height * 0.755)};
}

host::Point FinalPosition(host::Size screen, host::Size dialog) {
  return {RoundHalfEven((screen.width - dialog.width) / 2.5),
          RoundHalfEven((screen.height - dialog.height) / 2.0)};
}

std::int32_t Apply(const Cell& cell, std::int32_t own, Growth growth) {
  return own + cell.dw * growth.dw + cell.dh * growth.dh + cell.add;
}

}  // namespace tessaly::dialogs
