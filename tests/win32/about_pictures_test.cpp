#include "win32/com/about_pictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "win32/unique_handle.h"

namespace tessaly::win32 {
namespace {

// Pictures are drawn at twice their design size, off the square's corner, so that a design
// point (x, y) is the pixel (kMargin + 2x, kMargin + 2y).
constexpr int kSide = 200;
constexpr int kMargin = 8;

// The pixels a picture leaves on a white square.
std::vector<std::uint32_t> Drawn(const std::u16string& picture) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  UniqueGdiObject<HBITMAP> bitmap(
      CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const std::unique_ptr<HDC__, decltype(&DeleteDC)> dc(CreateCompatibleDC(nullptr), &DeleteDC);
  EXPECT_TRUE(bitmap && dc);
  if (!bitmap || !dc) return {};
  Selection selected(dc.get(), bitmap.Get());
  const RECT square{0, 0, kSide, kSide};
  FillRect(dc.get(), &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawAboutPicture(dc.get(), {kMargin, kMargin, kSide, kSide}, picture);
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

// Each shape leaves its colour inside it, at a point no other shape of its picture covers; the
// pen-drawn ones at a point of their line.
TEST(AboutPicturesTest, EachShapeLeavesItsColourWhereTheDesignPutsIt) {
  constexpr COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(36, 99, 186), kRed = RGB(214, 48, 64),
                     kBrown = RGB(140, 86, 46), kSteam = RGB(170, 150, 130);
  const struct {
    const char16_t* picture;
    const char* shape;
    POINT at;
    COLORREF colour;
  } probes[] = {
      {u"程序标志", "tile", {48, 86}, kBlue},
      {u"程序标志", "T's bar", {48, 31}, kWhite},
      {u"程序标志", "T's stem", {48, 60}, kWhite},
      {u"程序标志", "left bracket", {14, 52}, kWhite},
      {u"程序标志", "right bracket", {82, 52}, kWhite},
      {u"捐赠二维码一", "card", {48, 86}, RGB(253, 236, 238)},
      {u"捐赠二维码一", "heart's left lobe", {30, 32}, kRed},
      {u"捐赠二维码一", "heart's right lobe", {66, 32}, kRed},
      {u"捐赠二维码一", "heart's point", {48, 66}, kRed},
      {u"捐赠二维码二", "card", {85, 20}, RGB(255, 244, 224)},
      {u"捐赠二维码二", "handle", {77, 57}, kBrown},
      {u"捐赠二维码二", "cup", {40, 60}, kBrown},
      {u"捐赠二维码二", "first steam", {34, 26}, kSteam},
      {u"捐赠二维码二", "second steam", {46, 26}, kSteam},
      {u"捐赠二维码二", "third steam", {58, 26}, kSteam},
      {u"不存在", "blank frame", {4, 48}, RGB(200, 200, 200)},
  };
  for (const auto& probe : probes) {
    const auto drawn = Drawn(probe.picture);
    ASSERT_EQ(drawn.size(), std::size_t{kSide * kSide});
    const std::uint32_t pixel =
        drawn[(kMargin + 2 * probe.at.y) * kSide + kMargin + 2 * probe.at.x] & 0xFFFFFF;
    const std::uint32_t expected =
        GetRValue(probe.colour) << 16 | GetGValue(probe.colour) << 8 | GetBValue(probe.colour);
    EXPECT_EQ(pixel, expected) << probe.shape << std::hex << " drawn " << pixel << " for "
                               << expected;
  }
}

}  // namespace
}  // namespace tessaly::win32
