#pragma once

// The About form as plain text lines, for a terminal: the caption, the lines of the
// system information, and each switch with its state.

#include <string>
#include <vector>

#include "about/about_frm.h"

namespace tessaly::about {

// Switches read "[x] 功能菜单" (on), "[ ] …" (off) or "[-] …" (grey), followed by
// "（不可用）" when the box cannot be changed.
std::vector<std::u16string> DescribeAboutForm(const AboutFrm& form);

}  // namespace tessaly::about
