#pragma once

// Screenshots for a person to look at: when the run names a Unix directory in
// TESSALY_SCREENSHOTS, ImageMagick's import saves the window as the X server (Xvfb) shows it,
// as NAME.png there.

#include "win32/windows_headers.h"

#include <string>

namespace tessaly::fake_host {

enum class Screenshot { kNotAsked, kSaved, kFailed };

Screenshot SaveScreenshot(HWND window, const std::string& name);

}  // namespace tessaly::fake_host
