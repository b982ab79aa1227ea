#include "win32/com/caption_font.h"

namespace tessaly::win32 {

namespace {

// In the order of preference: the UI font of Chinese Windows since Vista, then the one every
// Chinese Windows before it had.
constexpr const wchar_t* kFaces[] = {L"Microsoft YaHei", L"SimSun"};
constexpr int kPoints = 9;

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FaceInstalled(HDC screen, const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

CaptionFont::CaptionFont() {
  HDC screen = GetDC(nullptr);
  if (!screen) return;
  const int height = -MulDiv(kPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  for (const wchar_t* face : kFaces) {
    if (!FaceInstalled(screen, face)) continue;
    font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
    if (font_) break;
  }
  ReleaseDC(nullptr, screen);
}

CaptionFont::~CaptionFont() {
  if (font_) DeleteObject(font_);
}

}  // namespace tessaly::win32
