// The frame's own objects through layout and composition: Lumen's six
// objects on the directory window, what they add to the frame pieces at
// rest, hovered and inactive, and the plain frame's default glyph buttons.
#include <gtest/gtest.h>

#include "skin/FrameObjectItems.h"
#include "skin/FramePlain.h"
#include "skin/frame/FrameTestSkins.h"
#include "skin/frame/FrameTestText.h"
#include "skin/objects/ObjectTestHost.h"

namespace tavo::skin {
namespace {

using test::TLumen;
using test::TObjectTestHost;

struct TLumenFrame {
  TLumen lumen;
  TObjectTestHost host;
  TActiveObjectList objects;
  TFrameSkinGeometry skin;
  explicit TLumenFrame(int w = 563, int h = 262) {
    objects = CreateSkinObjects(host, lumen.data);
    skin = FrameSkinGeometryOf(lumen.data);
    LayoutObjects(objects, skin, ComputePlacedGeometry(skin, w, h), {});
  }
  TActiveSkinObject& Named(const std::string& name) {
    for (auto& o : objects)
      if (o->IDName == name) return *o;
    ADD_FAILURE() << name;
    return *objects.front();
  }
  TComposedFrame Compose(bool withObjects) {
    std::vector<TPaintedObject> painted;
    if (withObjects) painted = PaintedObjectsOf(objects);
    return ComposeSkinnedFrame({&lumen.data, 563, 262, {277, 55}, host.active}, painted);
  }
};

TEST(LumenObjects, LaidOutOnTheDirectoryWindow) {
  TLumenFrame f;
  ASSERT_EQ(f.objects.size(), 6u);
  const auto items = LayoutItemsOf(f.objects);
  const TFrameObjectKind kinds[] = {TFrameObjectKind::okCaption,   TFrameObjectKind::okStdButton,
                                    TFrameObjectKind::okStdButton, TFrameObjectKind::okStdButton,
                                    TFrameObjectKind::okStdButton, TFrameObjectKind::okStdButton};
  const TStdCommand commands[] = {TStdCommand::cmDefault,  TStdCommand::cmClose,  TStdCommand::cmMinimize,
                                  TStdCommand::cmMaximize, TStdCommand::cmRollUp, TStdCommand::cmSysMenu};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(items[i].Kind, kinds[i]) << i;
    EXPECT_EQ(items[i].Command, commands[i]) << i;
    EXPECT_FALSE(items[i].InAPicture) << i;
  }
  EXPECT_EQ(f.Named("caption").ObjectRect, (TRect{46, 16, 422, 35}));
  EXPECT_EQ(f.Named("closebutton").ObjectRect, (TRect{526, 11, 550, 35}));
  EXPECT_EQ(f.Named("maximizebutton").ObjectRect, (TRect{498, 12, 520, 34}));
  EXPECT_EQ(f.Named("minimizebutton").ObjectRect, (TRect{470, 12, 492, 34}));
  EXPECT_EQ(f.Named("rollupbutton").ObjectRect, (TRect{26, 18, 43, 35}));
  EXPECT_EQ(f.Named("sysmenubutton").ObjectRect, (TRect{6, 18, 23, 35}));
}

// Whether a and b differ only inside r (and somewhere there).
::testing::AssertionResult DiffersOnlyIn(const TBitmap& a, const TBitmap& b, const TRect& r) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return ::testing::AssertionFailure() << "sizes";
  bool any = false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
        return ::testing::AssertionFailure() << "changed at " << x << "," << y;
      any = true;
    }
  return any ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "nothing changed";
}

TEST(LumenObjects, AtRestOnlyTheCaptionIsDrawnIntoThePieces) {
  TLumenFrame f;
  const TComposedFrame bare = f.Compose(false), full = f.Compose(true);
  EXPECT_TRUE(DiffersOnlyIn(bare.Pieces.Top, full.Pieces.Top, {46, 16, 422, 35}));
  EXPECT_EQ(bare.Pieces.Bottom, full.Pieces.Bottom);
  EXPECT_EQ(bare.Pieces.Left, full.Pieces.Left);
  // Every object left the rectangle it was laid out at.
  EXPECT_EQ(f.Named("closebutton").ObjectRect, (TRect{526, 11, 550, 35}));
}

TEST(LumenObjects, AHoveredButtonShowsItsActiveCellInTheTopPiece) {
  TLumenFrame f;
  TActiveSkinObject& close = f.Named("closebutton");
  close.Active = true;
  close.MorphFactor = 1;
  const TComposedFrame c = f.Compose(true);
  const TBitmap& sheet = f.lumen.data.ActivePictures[0];
  // The active cell is (0, 0, 24, 24) of the button sheet.
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(c.Pieces.Top.Pixel(526 + x, 11 + y), sheet.Pixel(x, y)) << x << "," << y;
}

TEST(LumenObjects, InactiveButtonsShowTheirInactiveCells) {
  TLumenFrame f;
  f.host.active = false;
  const TComposedFrame c = f.Compose(true);
  const TBitmap& sheet = f.lumen.data.ActivePictures[0];
  // The minimize button's inactive cell is (48, 48, 70, 70).
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 22; ++x)
      ASSERT_EQ(c.Pieces.Top.Pixel(470 + x, 12 + y), sheet.Pixel(48 + x, 48 + y)) << x << "," << y;
}

TEST(LumenObjects, RedrawnAloneOverTheWindowsPixels) {
  TLumenFrame f;
  const TBitmap window = PaintComposedFrame(f.Compose(true), TBitmap(563, 262));
  const std::vector<TPaintedObject> painted = PaintedObjectsOf(f.objects);
  const TPaintedObject& close = painted[1];
  ASSERT_EQ(close.ObjectRect, (TRect{526, 11, 550, 35}));
  // At rest a full redraw copies the normal image from the frame picture.
  TBitmap alone = RedrawObjectPicture(close, window);
  ASSERT_EQ(alone.Width(), 24);
  ASSERT_EQ(alone.Height(), 24);
  const TBitmap& p = f.lumen.data.Picture;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(alone.Pixel(x, y), p.Pixel(240 + x, 11 + y)) << x << "," << y;
  // Hovered, its active cell; the object keeps its rectangle.
  f.Named("closebutton").Active = true;
  f.Named("closebutton").MorphFactor = 1;
  alone = RedrawObjectPicture(close, window);
  const TBitmap& sheet = f.lumen.data.ActivePictures[0];
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ASSERT_EQ(alone.Pixel(x, y), sheet.Pixel(x, y)) << x << "," << y;
  EXPECT_EQ(f.Named("closebutton").ObjectRect, (TRect{526, 11, 550, 35}));
  // The caption writes its text over the window's own pixels.
  const TBitmap caption = RedrawObjectPicture(painted[0], window);
  EXPECT_EQ(caption.Width(), 376);
  EXPECT_EQ(caption.Pixel(370, 1), window.Pixel(46 + 370, 16 + 1));
}

TEST(PlainDefaultButtons, LaidOutAndDrawnWithGlyphs) {
  TObjectTestHost host;
  TActiveObjectList objects = CreateDefaultButtons(host);
  ASSERT_EQ(objects.size(), 6u);
  const TRect caption = PlainLayout(objects, 200, false, {});
  EXPECT_EQ(caption, (TRect{20, 3, 112, 19}));
  EXPECT_EQ(objects[0]->ObjectRect, (TRect{180, 4, 197, 21}));  // close
  EXPECT_EQ(objects[4]->ObjectRect, (TRect{3, 4, 20, 21}));     // system menu
  EXPECT_EQ(objects[5]->ObjectRect, (TRect{112, 4, 129, 21}));  // minimize to tray

  test::TFixedTextPainter text;
  TPlainFrameInput in;
  in.FrameWidth = 200;
  in.FrameHeight = 100;
  in.CaptionRect = caption;
  TBitmap background(200, 100);
  const TBitmap w = PaintPlainFrame(in, text, PaintedObjectsOf(objects), background);
  // A 17-pixel button draws its glyph from (17 / 2 - 5, 17 / 2 - 4) =
  // (3, 4): the close cross starts one pixel further in, at (4, 5).
  EXPECT_EQ(w.Pixel(180, 4), test::kHostBtnFace);
  EXPECT_EQ(w.Pixel(184, 9), test::kHostBtnText);
  EXPECT_EQ(w.Pixel(185, 10), test::kHostBtnText);
  EXPECT_EQ(w.Pixel(184, 10), test::kHostBtnFace);
  // The minimize glyph: two rows from (4, 12) to (11, 13) in the button.
  EXPECT_EQ(w.Pixel(146 + 4, 4 + 12), test::kHostBtnText);
  EXPECT_EQ(w.Pixel(146 + 11, 4 + 13), test::kHostBtnText);
  EXPECT_EQ(w.Pixel(146 + 12, 4 + 13), test::kHostBtnFace);
  EXPECT_EQ(objects[0]->ObjectRect, (TRect{180, 4, 197, 21}));  // put back after drawing
}

}  // namespace
}  // namespace tavo::skin
