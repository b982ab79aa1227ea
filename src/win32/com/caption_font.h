#pragma once

// The font Chinese captions are drawn in: one every Chinese Windows has, else the system's
// default GUI font, so module names never show as boxes.

#include "win32/windows_headers.h"

namespace tessaly::win32 {

class CaptionFont {
 public:
  CaptionFont();
  ~CaptionFont();
  CaptionFont(const CaptionFont&) = delete;
  CaptionFont& operator=(const CaptionFont&) = delete;

  HFONT Handle() const {
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }

 private:
  // Null when the stock font serves; the stock font is never deleted.
  HFONT font_ = nullptr;
};

}  // namespace tessaly::win32
