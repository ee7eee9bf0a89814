// What the base, button, standard button, animation and user objects draw
// in each state, read back from the test skin's marked pictures: which
// picture and which rectangle every pixel of the object came from.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "skin/FrameObjects.h"
#include "skin/Geometry.h"
#include "skin/Glyphs.h"
#include "skin/PixelCopy.h"
#include "tests/skin/objects/ObjectTestHost.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin {
namespace {

using namespace test;

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TRect kAt{10, 10, 26, 26};  // where the 16 x 16 objects are drawn


class ObjectDrawFixture : public TTestSkinObjects {
 protected:
  TBitmap Canvas() const { return NewPicture(60, 40); }
};

// Every pixel of r came from (sx + i, sy + j) of the picture with the mark;
// the pixels around r are untouched.
::testing::AssertionResult Copied(const TBitmap& canvas, const TRect& r, uint8_t mark, int sx, int sy) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      const TColor want = inside ? MarkedPixel(sx + x - r.left, sy + y - r.top, mark) : kWhite;
      if (canvas.Pixel(x, y) != want)
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex << canvas.Pixel(x, y)
                                             << ", wanted " << want;
    }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult Untouched(const TBitmap& canvas) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) != kWhite) return ::testing::AssertionFailure() << "pixel " << x << "," << y << " drawn";
  return ::testing::AssertionSuccess();
}

struct TStateCase {
  const char* name;
  int object;
  bool formActive = true;
  bool active = false;  // hover flag, with the morph factor at its end
  bool mouseIn = false;
  bool down = false;
  bool enabled = true;
  TWindowState state = TWindowState::wsNormal;
  bool rolledUp = false;
  bool fullRedraw = false;
  int mark = -1;  // -1: nothing drawn
  int sx = 0, sy = 0;
};

class ButtonStates : public ObjectDrawFixture, public ::testing::TestWithParam<TStateCase> {};

TEST_P(ButtonStates, DrawTheImageOfTheState) {
  const TStateCase& c = GetParam();
  host.active = c.formActive;
  host.state = c.state;
  host.rolledUp = c.rolledUp;
  TActiveSkinObject& o = Object(c.object);
  o.ObjectRect = kAt;
  o.Active = c.active;
  o.MorphFactor = c.active ? 1 : 0;
  o.MouseIn = c.mouseIn;
  o.Enabled = c.enabled;
  if (c.down) {
    static_cast<TSkinButtonObject&>(o).SetDown(true);
    o.MorphFactor = c.active ? 1 : 0;
  }
  TBitmap canvas = Canvas();
  o.Draw(canvas, c.fullRedraw);
  if (c.mark < 0)
    EXPECT_TRUE(Untouched(canvas));
  else
    EXPECT_TRUE(Copied(canvas, kAt, static_cast<uint8_t>(c.mark), c.sx, c.sy));
}

constexpr int P = kMarkPicture, S = kMarkButtons;
constexpr TWindowState kMaxd = TWindowState::wsMaximized, kMind = TWindowState::wsMinimized;

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonStates,
    ::testing::Values(
        // A button whose normal image is part of the frame piece draws it
        // only on a full redraw.
        TStateCase{"PlainNormalLeftToThePiece", kPlain},
        TStateCase{"PlainNormalFullRedraw", kPlain, true, false, false, false, true, {}, false, true, P, 4, 6},
        TStateCase{"PlainActive", kPlain, true, true, true, false, true, {}, false, false, S, 0, 160},
        TStateCase{"PlainPressed", kPlain, true, true, true, true, true, {}, false, false, S, 16, 160},
        // Leaving a held button: still down, shown normal.
        TStateCase{"PlainDownMouseOutside", kPlain, true, false, false, true},
        TStateCase{"PlainDownMouseOutsideFull", kPlain, true, false, false, true, true, {}, false, true, P, 4, 6},
        TStateCase{"PlainDisabled", kPlain, true, true, true, false, false, {}, false, false, S, 32, 160},
        // No inactive image: an inactive form shows the normal one.
        TStateCase{"PlainFormInactive", kPlain, false, false, false, false, true, {}, false, true, P, 4, 6},
        // In a picture: the normal image always comes from the sheet.
        TStateCase{"CloseNormal", kClose, true, false, false, false, true, {}, false, false, S, 0, 0},
        TStateCase{"CloseActive", kClose, true, true, true, false, true, {}, false, false, S, 16, 0},
        TStateCase{"ClosePressed", kClose, true, true, true, true, true, {}, false, false, S, 32, 0},
        TStateCase{"CloseFormInactive", kClose, false, true, true, false, true, {}, false, false, S, 48, 0},
        TStateCase{"CloseDisabledInactive", kClose, false, false, false, false, false, {}, false, false, S, 64, 0},
        TStateCase{"MaxNotInEffect", kMax, true, false, false, false, true, {}, false, false, S, 0, 16},
        TStateCase{"MaxRestore", kMax, true, false, false, false, true, kMaxd, false, false, S, 0, 32},
        TStateCase{"MaxRestoreActive", kMax, true, true, true, false, true, kMaxd, false, false, S, 16, 32},
        TStateCase{"MaxRestoreDown", kMax, true, true, true, true, true, kMaxd, false, false, S, 32, 32},
        // Its own inactive image wins over the restore-inactive one.
        TStateCase{"MaxRestoreFormInactive", kMax, false, false, false, false, true, kMaxd, false, false, S, 48, 16},
        TStateCase{"MaxRestoreDisabled", kMax, true, false, false, false, false, kMaxd, false, false, S, 64, 16},
        TStateCase{"MinRestoreFormInactive", kMin, false, false, false, false, true, kMind, false, false, S, 48, 64},
        TStateCase{"MinRestore", kMin, true, false, false, false, true, kMind, false, false, S, 0, 64},
        TStateCase{"MinFormInactiveNotInEffect", kMin, false, false, false, false, true, {}, false, false, S, 0, 48},
        // Roll up has only a restore image: down and active fall back to it.
        TStateCase{"RollUpRestoreDown", kRollUp, true, true, true, true, true, {}, true, false, S, 0, 96},
        TStateCase{"RollUpRestoreActive", kRollUp, true, true, true, false, true, {}, true, false, S, 0, 96},
        TStateCase{"RollUpNotRolled", kRollUp, true, true, true, false, true, {}, false, false, S, 16, 80},
        TStateCase{"SysMenuWithoutIcon", kSysMenu, true, false, false, false, true, {}, false, false, S, 0, 128}),
    [](const auto& info) { return std::string(info.param.name); });

class ObjectDraw : public ObjectDrawFixture, public ::testing::Test {};

// The blend of two 16-pixel-apart cells of the sheet: red x + 16 * f
// rounded halves to even, green and blue as the cells.
::testing::AssertionResult Blended(const TBitmap& canvas, const TRect& r, int sx, int sy, double f) {
  for (int j = 0; j < RectHeight(r); ++j)
    for (int i = 0; i < RectWidth(r); ++i) {
      const double red = (1 - f) * (sx + i) + f * (sx + 16 + i);
      const TColor want = RGB(static_cast<uint8_t>(std::nearbyint(red)), static_cast<uint8_t>(sy + j), kMarkButtons);
      if (canvas.Pixel(r.left + i, r.top + j) != want)
        return ::testing::AssertionFailure() << "pixel " << i << "," << j << " is " << std::hex
                                             << canvas.Pixel(r.left + i, r.top + j) << ", wanted " << want;
    }
  return ::testing::AssertionSuccess();
}

TEST_F(ObjectDraw, MorphingButtonBlendsNormalAndActiveImages) {
  TActiveSkinObject& close = Object(kClose);
  close.ObjectRect = kAt;
  close.Active = true;
  close.MorphFactor = 0.4;  // 0.6 * x + 0.4 * (x + 16) = x + 6.4
  TBitmap canvas = Canvas();
  close.Draw(canvas, false);
  EXPECT_TRUE(Blended(canvas, kAt, 0, 0, 0.4));
  // Leaving: still under way until the factor is back at 0.
  close.Active = false;
  close.MorphFactor = 0.5;  // x + 8
  canvas = Canvas();
  close.Draw(canvas, false);
  EXPECT_TRUE(Blended(canvas, kAt, 0, 0, 0.5));
}

TEST_F(ObjectDraw, MorphingMaximizeButtonBlendsItsRestoreImages) {
  host.state = TWindowState::wsMaximized;
  TActiveSkinObject& max = Object(kMax);
  max.ObjectRect = kAt;
  max.Active = true;
  max.MorphFactor = 0.6;
  TBitmap canvas = Canvas();
  max.Draw(canvas, false);
  EXPECT_TRUE(Blended(canvas, kAt, 0, 32, 0.6));
}

TEST_F(ObjectDraw, LeftSlideKindTakesTheActiveColumnsFromTheLeft) {
  // The plain button slides: at 0.25, b = nearest(16 * 0.25) = 4 columns of
  // the active image's right end (12..15) come in at the left.
  TActiveSkinObject& plain = Object(kPlain);
  plain.ObjectRect = kAt;
  plain.Active = true;
  plain.MorphFactor = 0.25;
  TBitmap canvas = Canvas();
  plain.Draw(canvas, false);
  for (int j = 0; j < 16; ++j) {
    for (int i = 0; i < 4; ++i) ASSERT_EQ(canvas.Pixel(10 + i, 10 + j), MarkedPixel(12 + i, 160 + j, kMarkButtons));
    for (int i = 4; i < 16; ++i) ASSERT_EQ(canvas.Pixel(10 + i, 10 + j), MarkedPixel(4 + i, 6 + j, kMarkPicture));
  }
}

TEST_F(ObjectDraw, ImageIsScaledToALargerObjectRectangle) {
  TActiveSkinObject& plain = Object(kPlain);
  plain.ObjectRect = TRect{4, 4, 36, 36};  // 32 x 32 from 16 x 16: each pixel twice
  TBitmap canvas = Canvas();
  plain.Draw(canvas, true);
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i)
      ASSERT_EQ(canvas.Pixel(4 + i, 4 + j), MarkedPixel(4 + i / 2, 6 + j / 2, kMarkPicture)) << i << "," << j;
}

TEST_F(ObjectDraw, SystemMenuButtonShowsTheFormIcon) {
  host.showIcon = true;
  auto& sys = static_cast<TSkinStdButtonObject&>(Object(kSysMenu));
  sys.ObjectRect = kAt;
  sys.Active = true;
  sys.MorphFactor = 0.6;
  EXPECT_TRUE(sys.DrawnAsIcon());
  EXPECT_FALSE(sys.NeedsMorphStep());
  TBitmap canvas = Canvas();
  sys.Draw(canvas, false);
  EXPECT_EQ(sys.MorphFactor, 0);
  EXPECT_EQ(canvas.Pixel(10, 10), kIconColor);
  EXPECT_EQ(canvas.Pixel(25, 25), kIconColor);
  EXPECT_EQ(canvas.Pixel(26, 26), kWhite);
  // An inactive form with no inactive image for it still shows the icon;
  // a disabled button does not.
  host.active = false;
  sys.Enabled = false;
  sys.Active = false;
  canvas = Canvas();
  sys.Draw(canvas, false);
  EXPECT_EQ(canvas.Pixel(10, 10), MarkedPixel(0, 128, kMarkButtons));
}

TEST_F(ObjectDraw, AnimationDrawsItsCurrentFrame) {
  auto& anim = static_cast<TSkinAnimateObject&>(Object(kAnim));
  const TRect at{10, 10, 30, 18};  // the frame's own 20 x 8
  anim.ObjectRect = at;
  for (int n = 1; n <= 4; ++n) {
    anim.FrameNumber = n;
    TBitmap canvas = Canvas();
    anim.Draw(canvas, false);
    EXPECT_TRUE(Copied(canvas, at, kMarkAnimation, 20 * (n - 1), 0)) << "frame " << n;
  }
}

TEST_F(ObjectDraw, UserObjectLeavesThePaintingToTheApplication) {
  TActiveSkinObject& user = Object(kUser);
  user.ObjectRect = TRect{5, 6, 25, 14};
  TBitmap canvas = Canvas();
  user.Draw(canvas, true);
  ASSERT_EQ(host.log, (std::vector<std::string>{"paint:userobj"}));
  EXPECT_EQ(host.eventRects.back(), (TRect{5, 6, 25, 14}));
  EXPECT_EQ(canvas.Pixel(5, 6), RGB(9, 9, 9));
}

// --- the default buttons of plain mode ----------------------------------

struct TGlyphCase {
  const char* name;
  TStdCommand command;
  TWindowState state;
  bool rolledUp;
  void (*glyph)(TBitmap&, int, int, TColor);
};

class DefaultButtonGlyphs : public ::testing::TestWithParam<TGlyphCase> {};

// The expected picture, built here: the fill by state, then the glyph at
// (w / 2 - 5, h / 2 - 4) = (3, 4) for B = 17, or (4, 5) pressed.
TBitmap ExpectedDefaultButton(const TGlyphCase& c, bool hover, bool pressed, bool enabled) {
  TBitmap face = NewPicture(17, 17);
  if (hover) {
    FillRect(face, TRect{0, 0, 17, 17}, RGB(0, 0, 128));
    FillRect(face, TRect{1, 1, 16, 16}, pressed ? RGB(0x85, 0x93, 0xB5) : RGB(0xB6, 0xBD, 0xD2));
  } else {
    FillRect(face, TRect{0, 0, 17, 17}, kHostBtnFace);
  }
  c.glyph(face, pressed ? 4 : 3, pressed ? 5 : 4, enabled ? kHostBtnText : kHostBtnShadow);
  return face;
}

TEST_P(DefaultButtonGlyphs, FillAndGlyphByState) {
  const TGlyphCase& c = GetParam();
  TObjectTestHost host;
  host.state = c.state;
  host.rolledUp = c.rolledUp;
  TSkinStdButtonObject button(host, c.command, "b");
  button.ObjectRect = TRect{0, 0, 17, 17};
  struct {
    bool hover, down, enabled;
  } states[] = {{false, false, true}, {true, false, true}, {true, true, true}, {false, false, false}, {false, true, true}};
  for (const auto& s : states) {
    button.MouseIn = s.hover;
    button.Enabled = s.enabled;
    if (button.Down() != s.down) button.SetDown(s.down);
    TBitmap canvas = NewPicture(17, 17);
    button.Draw(canvas, true);
    // Down with the mouse outside looks like the normal button.
    EXPECT_EQ(canvas, ExpectedDefaultButton(c, s.hover, s.hover && s.down, s.enabled))
        << "hover " << s.hover << " down " << s.down << " enabled " << s.enabled;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DefaultButtonGlyphs,
    ::testing::Values(
        TGlyphCase{"Close", TStdCommand::cmClose, TWindowState::wsNormal, false, DrawCrossGlyph},
        TGlyphCase{"Maximize", TStdCommand::cmMaximize, TWindowState::wsNormal, false, DrawWindowGlyph},
        TGlyphCase{"MaximizeWhileMaximized", TStdCommand::cmMaximize, TWindowState::wsMaximized, false,
                   DrawTwoWindowsGlyph},
        TGlyphCase{"Minimize", TStdCommand::cmMinimize, TWindowState::wsMaximized, false, DrawUnderlineGlyph},
        TGlyphCase{"MinimizeWhileMinimized", TStdCommand::cmMinimize, TWindowState::wsMinimized, false,
                   DrawTwoWindowsGlyph},
        TGlyphCase{"SystemMenu", TStdCommand::cmSysMenu, TWindowState::wsNormal, false, DrawBarGlyph},
        TGlyphCase{"RollUp", TStdCommand::cmRollUp, TWindowState::wsNormal, false, DrawTriangleUpGlyph},
        TGlyphCase{"RollDown", TStdCommand::cmRollUp, TWindowState::wsNormal, true, DrawTriangleDownGlyph},
        TGlyphCase{"Tray", TStdCommand::cmMinimizeToTray, TWindowState::wsNormal, false, DrawSquareGlyph}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultButton, DrawsAtItsRectangleAndShowsTheIconForTheSystemMenu) {
  TObjectTestHost host;
  TSkinStdButtonObject close(host, TStdCommand::cmClose, "closebutton");
  close.ObjectRect = TRect{20, 4, 33, 17};  // B = 13 of a tool window
  TBitmap canvas = NewPicture(40, 20);
  close.Draw(canvas, true);
  EXPECT_EQ(canvas.Pixel(19, 4), kWhite);
  EXPECT_EQ(canvas.Pixel(20, 4), kHostBtnFace);
  EXPECT_EQ(canvas.Pixel(32, 16), kHostBtnFace);
  EXPECT_EQ(canvas.Pixel(33, 16), kWhite);
  // 13 / 2 - 5 = 1, 13 / 2 - 4 = 2: the cross starts at (21, 6).
  TBitmap expected = NewPicture(13, 13);
  FillRect(expected, TRect{0, 0, 13, 13}, kHostBtnFace);
  DrawCrossGlyph(expected, 1, 2, kHostBtnText);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x) ASSERT_EQ(canvas.Pixel(20 + x, 4 + y), expected.Pixel(x, y)) << x << "," << y;

  host.showIcon = true;
  TSkinStdButtonObject sys(host, TStdCommand::cmSysMenu, "sysmenubutton");
  sys.ObjectRect = TRect{3, 2, 19, 18};
  canvas = NewPicture(40, 20);
  sys.Draw(canvas, true);
  EXPECT_EQ(canvas.Pixel(3, 2), kIconColor);
  EXPECT_EQ(host.log.back(), "icon");
}

}  // namespace
}  // namespace tavo::skin
