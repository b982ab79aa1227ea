#pragma once

// The About form as designed: its size, and every control with its place and design-time
// values. The three pictures stand side by side across the top, centred, with equal gaps;
// the text sits below them, the four switches in one row, the button at the bottom right.

#include <array>
#include <cstdint>

#include "about/form_controls.h"

namespace tessaly::about {

struct AboutFrmDesign {
  std::u16string Caption;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  Label lblTitle;
  Label lblDescription;
  Label lblDisclaimer;
  Label lblVersion;
  std::array<CheckBox, 4> Check1;
  CommandButton cmdOK;
  std::array<Picture, 3> Image1;
};

const AboutFrmDesign& AboutDesign();

}  // namespace tessaly::about
