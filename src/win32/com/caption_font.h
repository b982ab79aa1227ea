#pragma once

// The font Chinese captions are drawn in: one every Chinese Windows has, else the system's
// default GUI font, so module names never show as boxes.

#include "win32/windows_headers.h"

#include <span>

#include "win32/unique_handle.h"

namespace tessaly::win32 {

class CaptionFont {
 public:
  CaptionFont();
  // The first of `faces` the system has, in the captions' size; else the stock font.
  explicit CaptionFont(std::span<const wchar_t* const> faces);

  HFONT Handle() const {
    return font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }

 private:
  // Null when the stock font serves; the stock font is never deleted.
  UniqueGdiObject<HFONT> font_;
};

}  // namespace tessaly::win32
