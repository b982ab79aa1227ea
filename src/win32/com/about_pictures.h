#pragma once

// The About form's three pictures, drawn with GDI at any size: the program's mark and two
// donation cards. Our own artwork, so nothing is shipped that came from elsewhere.

#include "win32/windows_headers.h"

#include <string>

namespace tessaly::win32 {

// picture is the name the form stores with the picture; an unknown name draws a blank frame.
void DrawAboutPicture(HDC dc, const RECT& area, const std::u16string& picture);

}  // namespace tessaly::win32
