#include "win32/com/about_pictures.h"

#include <array>

#include "win32/unique_handle.h"

namespace tessaly::win32 {

namespace {

// Drawing in a 96 by 96 design square, scaled to the picture's area.
class Canvas {
 public:
  Canvas(HDC dc, const RECT& area) : dc_(dc), area_(area) {}

  int X(int design) const { return area_.left + design * (area_.right - area_.left) / 96; }
  int Y(int design) const { return area_.top + design * (area_.bottom - area_.top) / 96; }

  void RoundBox(int left, int top, int right, int bottom, int corner, COLORREF fill, COLORREF line,
                int width = 1) {
    Draw(fill, line, width, [&] {
      RoundRect(dc_, X(left), Y(top), X(right), Y(bottom), X(corner) - X(0), Y(corner) - Y(0));
    });
  }
  void Ellipse(int left, int top, int right, int bottom, COLORREF fill, COLORREF line,
               int width = 1) {
    Draw(fill, line, width, [&] { ::Ellipse(dc_, X(left), Y(top), X(right), Y(bottom)); });
  }
  template <std::size_t N>
  void Polygon(const std::array<POINT, N>& design, COLORREF fill) {
    std::array<POINT, N> points{};
    for (std::size_t i = 0; i < N; ++i)
      points[i] = {X(design[i].x), Y(design[i].y)};
    Draw(fill, fill, 1, [&] { ::Polygon(dc_, points.data(), static_cast<int>(N)); });
  }
  template <std::size_t N>
  void Line(const std::array<POINT, N>& design, COLORREF colour, int width) {
    std::array<POINT, N> points{};
    for (std::size_t i = 0; i < N; ++i)
      points[i] = {X(design[i].x), Y(design[i].y)};
    UniqueGdiObject<HPEN> pen(CreatePen(PS_SOLID, width, colour));
    Selection selected(dc_, pen.Get());
    Polyline(dc_, points.data(), static_cast<int>(N));
  }

 private:
  template <class Shape>
  void Draw(COLORREF fill, COLORREF line, int width, Shape shape) {
    UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    UniqueGdiObject<HPEN> pen(CreatePen(PS_SOLID, width, line));
    Selection brush_selected(dc_, brush.Get());
    Selection pen_selected(dc_, pen.Get());
    shape();
  }

  HDC dc_;
  RECT area_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A blue tile with a code bracket pair around a T: the program's mark.
void DrawMark(Canvas& canvas) {
  const COLORREF blue = RGB(36, 99, 186);
  canvas.RoundBox(4, 4, 92, 92, 18, blue, RGB(24, 70, 140), 2);
  canvas.Polygon(std::array<POINT, 4>{{{30, 26}, {66, 26}, {66, 36}, {30, 36}}}, kWhite);
  canvas.Polygon(std::array<POINT, 4>{{{43, 36}, {53, 36}, {53, 72}, {43, 72}}}, kWhite);
  canvas.Line(std::array<POINT, 3>{{{24, 40}, {14, 52}, {24, 64}}}, kWhite, 4);
  canvas.Line(std::array<POINT, 3>{{{72, 40}, {82, 52}, {72, 64}}}, kWhite, 4);
}

// A card with a heart.
void DrawHeartCard(Canvas& canvas) {
  const COLORREF red = RGB(214, 48, 64);
  canvas.RoundBox(4, 4, 92, 92, 14, RGB(253, 236, 238), RGB(232, 170, 178), 2);
  canvas.Ellipse(22, 24, 50, 52, red, red);
  canvas.Ellipse(46, 24, 74, 52, red, red);
  canvas.Polygon(std::array<POINT, 4>{{{23, 44}, {48, 40}, {73, 44}, {48, 74}}}, red);
}

// A card with a steaming cup.
void DrawCupCard(Canvas& canvas) {
  const COLORREF brown = RGB(140, 86, 46);
  canvas.RoundBox(4, 4, 92, 92, 14, RGB(255, 244, 224), RGB(226, 190, 140), 2);
  canvas.Ellipse(56, 46, 78, 68, RGB(255, 244, 224), brown, 5);
  canvas.RoundBox(20, 40, 64, 80, 10, brown, brown);
  canvas.Line(std::array<POINT, 3>{{{30, 34}, {34, 26}, {30, 18}}}, RGB(170, 150, 130), 3);
  canvas.Line(std::array<POINT, 3>{{{42, 34}, {46, 26}, {42, 18}}}, RGB(170, 150, 130), 3);
  canvas.Line(std::array<POINT, 3>{{{54, 34}, {58, 26}, {54, 18}}}, RGB(170, 150, 130), 3);
}

void DrawBlank(Canvas& canvas) {
  canvas.RoundBox(4, 4, 92, 92, 8, kWhite, RGB(200, 200, 200));
}

struct PictureArt {
  const char16_t* name;
  void (*draw)(Canvas&);
};

constexpr PictureArt kArt[] = {
    {u"程序标志", DrawMark},
    {u"捐赠二维码一", DrawHeartCard},
    {u"捐赠二维码二", DrawCupCard},
};

}  // namespace

void DrawAboutPicture(HDC dc, const RECT& area, const std::u16string& picture) {
  Canvas canvas(dc, area);
  for (const auto& art : kArt) {
    if (picture == art.name) return art.draw(canvas);
  }
  DrawBlank(canvas);
}

}  // namespace tessaly::win32
