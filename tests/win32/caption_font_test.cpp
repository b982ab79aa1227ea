#include "win32/com/caption_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessaly::win32 {
namespace {

int CALLBACK TakeFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  auto& taken = *reinterpret_cast<std::vector<std::wstring>*>(faces);
  if (font->lfFaceName[0] != L'@' &&
      std::find(taken.begin(), taken.end(), font->lfFaceName) == taken.end()) {
    taken.push_back(font->lfFaceName);
  }
  return taken.size() < 2;
}

// Two faces this system has, whichever they are.
std::vector<std::wstring> TwoInstalledFaces() {
  LOGFONTW any{};
  any.lfCharSet = DEFAULT_CHARSET;
  std::vector<std::wstring> faces;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &any, TakeFace, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, screen);
  return faces;
}

// The captions take the first preferred face the system has, never one it lacks (the font
// mapper would stand in for it with a face that may have no Chinese), else the system's font.
TEST(CaptionFontTest, TakesTheFirstFaceTheSystemHasElseTheStockFont) {
  const auto installed = TwoInstalledFaces();
  ASSERT_EQ(installed.size(), 2u);
  const wchar_t *first = installed[0].c_str(), *second = installed[1].c_str();
  const wchar_t* const missing = L"Tessaly No Such Face";
  const struct {
    std::vector<const wchar_t*> faces;
    const wchar_t* taken;  // null for the stock font
  } cases[] = {
      {{first, second}, first},
      {{missing, second, first}, second},
      {{missing}, nullptr},
      {{}, nullptr},
  };
  for (const auto& row : cases) {
    const CaptionFont font(row.faces);
    const HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT);
    if (!row.taken) {
      EXPECT_EQ(font.Handle(), stock) << row.faces.size() << " faces";
      continue;
    }
    LOGFONTW made{};
    ASSERT_NE(font.Handle(), stock);
    ASSERT_TRUE(GetObjectW(font.Handle(), sizeof(made), &made));
    EXPECT_STREQ(made.lfFaceName, row.taken);
  }
}

}  // namespace
}  // namespace tessaly::win32
