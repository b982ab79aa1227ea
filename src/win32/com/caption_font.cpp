#include "win32/com/caption_font.h"

#include "win32/unique_handle.h"

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

CaptionFont::CaptionFont() : CaptionFont(kFaces) {}

CaptionFont::CaptionFont(std::span<const wchar_t* const> faces) {
  const auto screen = ScreenDc();
  if (!screen) return;
  const int height = -MulDiv(kPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
  for (const wchar_t* face : faces) {
    if (!FaceInstalled(screen.Get(), face)) continue;
    font_.Reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face));
    if (font_) break;
  }
}

}  // namespace tessaly::win32
