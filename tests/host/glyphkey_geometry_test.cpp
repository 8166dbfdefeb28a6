// Paint geometry of the picture button: frame, edges, icon, caption and focus positions;
// and its colours in the system's 3-D look and in contrast themes.
#include <gtest/gtest.h>

#include "icon_scale.h"
#include "paint_colours.h"
#include "paint_geometry.h"

using namespace glyphkey;

namespace {
void ExpectPath(const EdgePath& path, Point a, Point b, Point c) {
  EXPECT_EQ(path.points[0].x, a.x); EXPECT_EQ(path.points[0].y, a.y);
  EXPECT_EQ(path.points[1].x, b.x); EXPECT_EQ(path.points[1].y, b.y);
  EXPECT_EQ(path.points[2].x, c.x); EXPECT_EQ(path.points[2].y, c.y);
}
void ExpectRect(Rect r, int l, int t, int rr, int b) {
  EXPECT_EQ(r.left, l); EXPECT_EQ(r.top, t); EXPECT_EQ(r.right, rr); EXPECT_EQ(r.bottom, b);
}
}  // namespace

TEST(PaintGeometry, LooksAndOffsets) {
  EXPECT_EQ(LookOf(0), Look::kRaised);
  EXPECT_EQ(LookOf(kStateOn), Look::kOn);
  EXPECT_EQ(LookOf(kStatePressed), Look::kPressed);
  EXPECT_EQ(LookOf(kStatePressed | kStateOn), Look::kPressed);
  // Default and disabled do not change the look.
  EXPECT_EQ(LookOf(kStateDefault | kStateDisabled | kStateOn), Look::kOn);
  EXPECT_EQ(ContentOffset(Look::kRaised), 0);
  EXPECT_EQ(ContentOffset(Look::kOn), 1);
  EXPECT_EQ(ContentOffset(Look::kPressed), 2);
  EXPECT_FALSE(UsesDownIcon(Look::kRaised));
  EXPECT_TRUE(UsesDownIcon(Look::kOn));
  EXPECT_TRUE(UsesDownIcon(Look::kPressed));
  EXPECT_EQ(FrameInset(kStateDefault), 1);
  EXPECT_EQ(FrameInset(kStatePressed | kStateOn | kStateDisabled), 0);
}

TEST(PaintGeometry, RaisedSixtyFourByFortyEight) {
  ExpectRect(FrameRect(64, 48, 0), 0, 0, 64, 48);
  EdgePlan e = EdgesOf(Look::kRaised, 64, 48, 0);
  ASSERT_EQ(e.count, 3);
  EXPECT_TRUE(e.paths[0].newPen);
  EXPECT_EQ(e.paths[0].penWidth, 2);
  EXPECT_EQ(e.paths[0].colour, EdgeColour::kShadow);
  ExpectPath(e.paths[0], {62, 2}, {62, 46}, {2, 46});
  EXPECT_TRUE(e.paths[1].newPen);
  EXPECT_EQ(e.paths[1].penWidth, 1);
  EXPECT_EQ(e.paths[1].colour, EdgeColour::kHighlight);
  ExpectPath(e.paths[1], {1, 46}, {1, 1}, {63, 1});
  EXPECT_FALSE(e.paths[2].newPen);  // the second highlight line shares the pen
  ExpectPath(e.paths[2], {2, 45}, {2, 2}, {62, 2});

  Point icon = IconPosition(false, 0, 64, 48, 32, 32, 13);
  EXPECT_EQ(icon.x, 16);
  EXPECT_EQ(icon.y, 1);  // (48 - 13 - 32) / 2
  CaptionPlan c = CaptionWithIcon(false, 0, 64, 48);
  ExpectRect(c.rect, 2, 0, 62, 42);
  EXPECT_EQ(c.flags, 0x139u);
  ExpectRect(FocusRect(0, 64, 48), 5, 5, 59, 43);
}

TEST(PaintGeometry, PressedSixtyFourByFortyEight) {
  EdgePlan e = EdgesOf(Look::kPressed, 64, 48, 0);
  ASSERT_EQ(e.count, 1);
  EXPECT_EQ(e.paths[0].penWidth, 2);
  EXPECT_EQ(e.paths[0].colour, EdgeColour::kShadow);
  ExpectPath(e.paths[0], {2, 46}, {2, 2}, {62, 2});
  int o = ContentOffset(Look::kPressed);
  Point icon = IconPosition(false, o, 64, 48, 32, 32, 13);
  EXPECT_EQ(icon.x, 18);
  EXPECT_EQ(icon.y, 3);
  ExpectRect(CaptionWithIcon(false, o, 64, 48).rect, 4, 0, 62, 44);
  ExpectRect(FocusRect(kStatePressed, 64, 48), 7, 7, 61, 45);
  ExpectRect(FocusRect(kStatePressed | kStateOn | kStateDefault, 64, 48), 7, 7, 61, 45);
}

TEST(PaintGeometry, OnLookAndDefaultFrame) {
  EdgePlan on = EdgesOf(Look::kOn, 64, 48, 0);
  ASSERT_EQ(on.count, 1);
  EXPECT_EQ(on.paths[0].penWidth, 1);
  ExpectPath(on.paths[0], {1, 46}, {1, 1}, {62, 1});
  ExpectRect(FocusRect(kStateOn, 64, 48), 6, 6, 60, 44);
  ExpectRect(FocusRect(kStateOn | kStateDefault, 64, 48), 6, 6, 60, 44);

  ExpectRect(FrameRect(80, 40, 1), 1, 1, 80, 40);
  EdgePlan def = EdgesOf(Look::kRaised, 80, 40, 1);
  ExpectPath(def.paths[0], {77, 3}, {77, 37}, {3, 37});
  ExpectPath(def.paths[1], {2, 37}, {2, 2}, {78, 2});
  ExpectPath(def.paths[2], {3, 36}, {3, 3}, {77, 3});
  // The focus rectangle ignores the frame inset.
  ExpectRect(FocusRect(kStateDefault, 80, 40), 5, 5, 75, 35);
}

TEST(PaintGeometry, DisabledFocusRectangleInEveryLook) {
  for (unsigned look : {0u, kStateOn, kStatePressed, kStatePressed | kStateOn})
    ExpectRect(FocusRect(look | kStateDisabled, 64, 48), 5, 5, 59, 43);
}

TEST(PaintGeometry, LeftLayout) {
  Point raised = IconPosition(true, 0, 200, 40, 32, 32, 13);
  EXPECT_EQ(raised.x, 6);
  EXPECT_EQ(raised.y, 4);  // centred in the full height, text height ignored
  Point pressed = IconPosition(true, 2, 200, 40, 32, 32, 13);
  EXPECT_EQ(pressed.x, 8);
  EXPECT_EQ(pressed.y, 6);
  CaptionPlan c = CaptionWithIcon(true, 1, 200, 40);
  ExpectRect(c.rect, 3, 0, 198, 41);
  EXPECT_EQ(c.flags, 0x135u);
}

TEST(PaintGeometry, MarginsScaleWithTheDpi) {
  // The launcher's button at 150 %: the icon 9 pixels in, the caption 3 from each side
  // and, below an icon, 9 above the bottom. 96 dpi is the layout above.
  Point left = IconPosition(true, 2, 200, 57, 48, 48, 19, 144);
  EXPECT_EQ(left.x, 11);
  EXPECT_EQ(left.y, 2 + 4);
  ExpectRect(CaptionWithIcon(true, 0, 200, 57, 144).rect, 3, 0, 197, 57);
  ExpectRect(CaptionWithIcon(false, 1, 96, 72, 120).rect, 1 + 3, 0, 93, 72 + 1 - 8);
  ExpectRect(CaptionWithIcon(false, 0, 96, 72, 192).rect, 4, 0, 92, 72 - 12);
}

TEST(PaintGeometry, NegativeHalvesTruncateTowardZero) {
  // 20 by 15 control, 32 by 32 icon, text height 13: (20-32)/2 = -6, (15-13-32)/2 = -15.
  Point p = IconPosition(false, 0, 20, 15, 32, 32, 13);
  EXPECT_EQ(p.x, -6);
  EXPECT_EQ(p.y, -15);
  // Odd negative differences: (25-32)/2 = -3 (not -4), (30-0-32)/2 = -1.
  Point q = IconPosition(false, 0, 25, 30, 32, 32, 0);
  EXPECT_EQ(q.x, -3);
  EXPECT_EQ(q.y, -1);
  Point left = IconPosition(true, 1, 25, 25, 32, 32, 13);
  EXPECT_EQ(left.y, 1 + (-7) / 2);
  EXPECT_EQ(left.y, -2);
}

TEST(PaintGeometry, EmptyCaptionCentresTheIcon) {
  Point p = IconPosition(false, 0, 64, 48, 32, 32, 0);
  EXPECT_EQ(p.y, 8);
}

TEST(PaintGeometry, WrappedCaptionWithoutIcons) {
  EXPECT_EQ(kMeasureFlags, 0x511u);
  EXPECT_EQ(kWrappedCaptionFlags, 0x111u);
  ExpectRect(CaptionMeasureRect(0, 100, 60), 2, 0, 98, 60);
  // Two lines of 13 pixels measured (bottom 26) are centred: (60 - 26) / 2 = 17.
  Rect r = CentreWrappedCaption(Rect{2, 0, 98, 26}, 0, 100, 60);
  ExpectRect(r, 2, 17, 98, 26);
  // A word wider than the control widens the measured rectangle; the sides go back.
  Rect wide = CentreWrappedCaption(Rect{-20, 0, 120, 13}, 2, 100, 60);
  ExpectRect(wide, 4, 24, 98, 13);
  // Taller than the control: the top goes negative and truncates toward zero.
  Rect tall = CentreWrappedCaption(Rect{2, 0, 98, 65}, 0, 100, 60);
  EXPECT_EQ(tall.top, -2);
}

namespace {
// face, text, gray text, frame, shadow, light, highlight, highlight text
constexpr SystemColours kWindows10 = {0xF0F0F0, 0x000000, 0x6D6D6D, 0x646464,
                                      0xA0A0A0, 0xFFFFFF, 0xD77800, 0xFFFFFF};
constexpr SystemColours kFlatBlack = {0x000000, 0xFFFFFF, 0x3FF23F, 0x000000,
                                      0x000000, 0x000000, 0xFFFF1A, 0x000000};
}  // namespace

TEST(PaintColours, ContrastWhenTheEdgesOrTheOutlineWouldNotShow) {
  EXPECT_TRUE(ThreeDLookShows(kWindows10));  // its light edge is lost on the face, its shadow is not
  EXPECT_TRUE(ThreeDLookShows({0xC0C0C0, 0, 0, 0, 0x808080, 0xFFFFFF, 0, 0}));  // Windows 98
  EXPECT_FALSE(ThreeDLookShows(kFlatBlack));
  EXPECT_FALSE(ThreeDLookShows({0x808080, 0, 0, 0, 0x8A8A8A, 0x767676, 0, 0}));  // 10 off
  EXPECT_TRUE(ThreeDLookShows({0x808080, 0, 0, 0, 0x808080, 0x80808C, 0, 0}));   // red 12 off
  // Edges that show, but an outline as light as the face, or at 2.9:1 against it.
  EXPECT_FALSE(ThreeDLookShows({0xF0F0F0, 0, 0, 0xF0F0F0, 0xA0A0A0, 0xFFFFFF, 0, 0}));
  EXPECT_FALSE(ThreeDLookShows({0xFFFFFF, 0, 0, 0x979797, 0xA0A0A0, 0xFFFFFF, 0, 0}));
  EXPECT_TRUE(ThreeDLookShows({0xFFFFFF, 0, 0, 0x929292, 0xA0A0A0, 0xFFFFFF, 0, 0}));
  EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 0.01);
  EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x767676), 4.54, 0.01);
}

TEST(PaintColours, EveryCaptionReadableInWindows11ContrastThemes) {
  // Aquatic, Desert, Dusk and Night sky as Settings shows them (#RRGGBB): button face and
  // text, inactive text, selected background and text. Every look, enabled or not, has
  // its caption at 4.5:1 or more against its face; gray text on the highlight was 1.3:1.
  auto bgr = [](Colour rgb) { return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16; };
  const Colour themes[][5] = {{0x202020, 0xFFFFFF, 0xA6A6A6, 0x8EE3F0, 0x263B50},
                              {0xFFFAEF, 0x202020, 0x676767, 0x903909, 0xFFF5E3},
                              {0x2D3236, 0xB6F6F0, 0xA6A6A6, 0xA1BFDE, 0x212D3B},
                              {0x000000, 0xFFEE32, 0xA6A6A6, 0xD6B4FD, 0x2B2B2B}};
  for (const auto& t : themes) {
    const SystemColours system = {bgr(t[0]), bgr(t[1]), bgr(t[2]), bgr(t[1]),
                                  bgr(t[0]), bgr(t[0]), bgr(t[3]), bgr(t[4])};
    EXPECT_FALSE(ThreeDLookShows(system));
    for (Look look : {Look::kRaised, Look::kOn, Look::kPressed})
      for (bool disabled : {false, true}) {
        PaintColours c = ColoursFor(system, true, look, disabled, kHostColourUnset, kHostColourUnset);
        EXPECT_GE(ContrastRatio(c.caption, c.face), 4.5f) << std::hex << t[0] << " look " << int(look)
                                                          << (disabled ? " disabled" : "");
      }
  }
}

TEST(PaintColours, LooksAndHostColours) {
  // The 3-D look: the system's colours, the host's face and caption where set.
  PaintColours normal = ColoursFor(kWindows10, false, Look::kPressed, false, 0x123456, kHostColourUnset);
  EXPECT_EQ(normal.frame, 0x646464u);
  EXPECT_EQ(normal.face, 0x123456u);
  EXPECT_EQ(normal.shadowEdge, 0xA0A0A0u);
  EXPECT_EQ(normal.lightEdge, 0xFFFFFFu);
  EXPECT_EQ(normal.caption, 0x000000u);
  EXPECT_EQ(ColoursFor(kWindows10, false, Look::kRaised, true, 1, 2).caption, 0x6D6D6Du);
  // A contrast theme: outline in the text colour, host colours ignored; the on and pressed
  // looks in the highlight pair, or disabled in gray with the face's colour on it.
  const struct {
    Look look;
    bool disabled;
    Colour face, shadow, caption;
  } rows[] = {{Look::kRaised, false, 0x000000, 0xFFFFFF, 0xFFFFFF},
              {Look::kOn, false, 0xFFFF1A, 0x000000, 0x000000},
              {Look::kPressed, false, 0xFFFF1A, 0x000000, 0x000000},
              {Look::kRaised, true, 0x000000, 0xFFFFFF, 0x3FF23F},
              {Look::kPressed, true, 0x3FF23F, 0x000000, 0x000000}};
  for (const auto& row : rows) {
    PaintColours c = ColoursFor(kFlatBlack, true, row.look, row.disabled, 0x123456, 0x654321);
    EXPECT_EQ(c.frame, 0xFFFFFFu);
    EXPECT_EQ(c.face, row.face);
    EXPECT_EQ(c.shadowEdge, row.shadow);
    EXPECT_EQ(c.caption, row.caption);
  }
}

TEST(PaintGeometry, CaptionFontGrowsWithTheDpi) {
  // The em of the scalable caption face, from 125 to 300 %: 15 pixels at 96 dpi, scaled
  // and rounded as MulDiv rounds, so that capitals stay as high as the system font's.
  const int rows[][2] = {{120, -19}, {144, -23}, {168, -26}, {192, -30}, {240, -38}, {288, -45}};
  for (const auto& row : rows) EXPECT_EQ(CaptionFontHeight(row[0]), row[1]) << row[0] << " dpi";
}

TEST(IconScale, SizesBetweenTheImagesAreShrunkFromTheNextLarger) {
  // The icon size at 125 % to 300 % and the stored image it is made from: never a
  // smaller one stretched up; 96 and above from the 96-pixel image.
  const int rows[][3] = {{120, 40, 96}, {144, 48, 96}, {168, 56, 96}, {192, 64, 96},
                         {240, 80, 96}, {288, 96, 96}, {336, 112, 96}};
  for (const auto& row : rows) {
    EXPECT_EQ(dpi::Scale(32, row[0]), row[1]) << row[0] << " dpi";
    EXPECT_EQ(dpi::SourceImageSize(row[1]), row[2]) << row[0] << " dpi";
  }
  EXPECT_EQ(dpi::SourceImageSize(20), 32);  // the small icon at 125 %
  EXPECT_EQ(dpi::SourceImageSize(16), 16);
}

TEST(IconScale, ADiscPictureIsMadeFromItsSizeOrTheNextLargerImage) {
  // A file of 16, 32 (4 and 32 bits) and 256 pixels: each size at 100 to 250 % from the
  // image it is made of, never one stretched up while a larger one is there.
  const dpi::IconImage file[] = {{32, 4}, {16, 32}, {256, 32}, {32, 32}};
  const int rows[][2] = {{16, 1}, {20, 3}, {32, 3}, {40, 2}, {48, 2}, {80, 2}, {256, 2}, {300, 2}};
  for (const auto& row : rows) EXPECT_EQ(dpi::ChooseIconImage(file, 4, row[0]), row[1]) << row[0];
  // 48 and 96 beside 256: the next larger; only 16 and 32: the largest, stretched.
  const dpi::IconImage steps[] = {{256, 32}, {96, 32}, {48, 32}};
  EXPECT_EQ(dpi::ChooseIconImage(steps, 3, 40), 2);
  EXPECT_EQ(dpi::ChooseIconImage(steps, 3, 56), 1);
  EXPECT_EQ(dpi::ChooseIconImage(file, 2, 40), 0);
  EXPECT_EQ(dpi::ChooseIconImage(file, 0, 32), -1);
}

TEST(IconScale, ShrinkingAveragesTheAreaAndKeepsTransparencyOutOfTheColour) {
  // 3 by 3 to 2 by 2: each target pixel covers 1.5 by 1.5 source pixels.
  const uint32_t red = 0xFFFF0000, blue = 0xFF0000FF, clear = 0x00FFFFFF;
  const uint32_t source[9] = {red, red, blue, red, red, blue, clear, clear, clear};
  uint32_t target[4];
  dpi::ShrinkArgb(source, 3, target, 2);
  EXPECT_EQ(target[0], red);  // wholly inside the red block
  // A third of its area red, two thirds blue, opaque.
  EXPECT_EQ(target[1], 0xFF5500AAu);
  // Two thirds transparent: alpha a third of 255, the colour red's alone (no white).
  EXPECT_EQ(target[2], 0x55FF0000u);
  // A whole picture of 96 shrunk to 80 keeps a flat colour exactly, edges included.
  static uint32_t big[96 * 96], small[80 * 80];
  for (uint32_t& p : big) p = 0xFF808000;
  dpi::ShrinkArgb(big, 96, small, 80);
  for (uint32_t p : small) ASSERT_EQ(p, 0xFF808000u);
}
