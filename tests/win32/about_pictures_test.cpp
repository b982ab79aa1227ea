#include "win32/com/about_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "win32/unique_handle.h"

namespace tessaly::win32 {
namespace {

// The pixels a picture leaves on a white square.
std::vector<std::uint32_t> Drawn(const std::u16string& picture) {
  constexpr int kSide = 96;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  UniqueGdiObject<HBITMAP> bitmap(
      CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const std::unique_ptr<HDC__, decltype(&DeleteDC)> dc(CreateCompatibleDC(nullptr), &DeleteDC);
  EXPECT_TRUE(bitmap && dc);
  if (!bitmap || !dc) return {};
  Selection selected(dc.get(), bitmap.Get());
  const RECT area{0, 0, kSide, kSide};
  FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawAboutPicture(dc.get(), area, picture);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  return {pixels, pixels + kSide * kSide};
}

// Each name the About form stores draws its own picture; any other name a blank frame, which
// still marks the place. The dialog's bound on the picture it draws (index >= 3 in
// AboutDialog::OnDrawItem) cannot be told from > 3: it makes three owner-drawn controls only, so
// no WM_DRAWITEM ever comes for a fourth.
TEST(AboutPicturesTest, EachNameDrawsItsOwnPicture) {
  const std::vector<std::vector<std::uint32_t>> drawn = {Drawn(u"程序标志"), Drawn(u"捐赠二维码一"),
                                                         Drawn(u"捐赠二维码二"), Drawn(u"不存在")};
  const auto white = Drawn(u"");
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      EXPECT_NE(drawn[i], drawn[j]) << i << " and " << j;
    }
  }
  std::vector<std::uint32_t> untouched(white.size(), 0x00FFFFFF);
  EXPECT_NE(white, untouched) << "the blank frame is drawn";
}

}  // namespace
}  // namespace tessaly::win32
