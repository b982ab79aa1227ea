#include "dialogs/dialog_geometry.h"

#include <gtest/gtest.h>

namespace tessaly::dialogs {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    std::int32_t rounded;
  } rows[] = {{0.5, 0},     {1.5, 2},      {2.5, 2},      {-0.5, 0},  {-1.5, -2},
              {191.6, 192}, {544.77, 545}, {579.84, 580}, {94.0, 94}, {0.49999, 0}};
  for (const auto& row : rows)
    EXPECT_EQ(RoundHalfEven(row.value), row.rounded) << row.value;
}

TEST(EnlargedSize, FollowsTheScreen) {
  const struct {
    host::Size screen;
    host::Size size;
  } rows[] = {
      {{1024, 768}, {545, 580}},   // 544.768 and 579.84
      {{1280, 1024}, {640, 773}},  // 640 and 773.12
      {{1920, 1080}, {806, 815}},  // 806.4 and 815.4
      {{1600, 900}, {736, 680}},   // 736 and 679.5
      // Past the width formula's peak at 2,640 pixels no dialog gets narrower.
      {{2560, 1440}, {870, 1087}},   // 870.4 and 1087.2, by the formula
      {{2639, 1600}, {871, 1208}},   // 871.199875
      {{2640, 1600}, {871, 1208}},   // 871.2: the peak
      {{2641, 1600}, {871, 1208}},   // the formula alone would give 871.199875 again
      {{3840, 2160}, {871, 1631}},   // and here 691.2
      {{5120, 2880}, {871, 2174}},   // 102.4
      {{6000, 3375}, {871, 2548}},   // a negative width
      {{16384, 8640}, {871, 6523}},  // far past any screen
  };
  for (const auto& row : rows)
    EXPECT_EQ(EnlargedSize(row.screen), row.size) << row.screen.width;
}

TEST(FinalPosition, TwoFifthsOfTheFreeWidthAndTheVerticalMiddle) {
  EXPECT_EQ(FinalPosition({1024, 768}, {545, 580}), (host::Point{192, 94}));
  EXPECT_EQ(FinalPosition({1024, 768}, {545, 270}), (host::Point{192, 249}));
  // 1.2 from a free width of 3, and a middle of 2.5 that rounds to the even 2.
  EXPECT_EQ(FinalPosition({1000, 605}, {997, 600}), (host::Point{1, 2}));
}

}  // namespace
}  // namespace tessaly::dialogs
