// Menu pictures pixel by pixel: the three menu glyphs, plain items and
// separators, Lumen's skinned items, the popup's background, the scroll
// markers and the whole composition.
#include "skin/MenuItemPainter.h"

#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "skin/Glyphs.h"
#include "skin/PopupLogic.h"

namespace tavo::skin {
namespace {

using test::TFixedMenuText;
using test::TLumenSkin;

constexpr TColor kInk = RGB(200, 10, 30);

// The set pixels of a glyph drawn at (1, 1) on a blank 10 x 10 picture.
std::vector<std::string> Art(void (*draw)(TBitmap&, int, int, TColor)) {
  TBitmap pic(10, 10);
  draw(pic, 1, 1, kInk);
  std::vector<std::string> rows;
  for (int y = 0; y < 10; ++y) {
    std::string row;
    for (int x = 0; x < 10; ++x) row += pic.Pixel(x, y) == kInk ? 'X' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(MenuGlyphTest, CheckMarkTriangleAndRadioDot) {
  // Three strokes: (x, y-i+5) to (x+2, y-i+7), then on to (x+7, y-i+2).
  EXPECT_EQ(Art(DrawCheckMark), (std::vector<std::string>{"..........",  //
                                                          "..........",  //
                                                          ".......X..",  //
                                                          "......XX..",  //
                                                          ".X...XXX..",  //
                                                          ".XX.XXX...",  //
                                                          ".XXXXX....",  //
                                                          "..XXX.....",  //
                                                          "...X......",  //
                                                          ".........."}));
  EXPECT_EQ(Art(DrawSubmenuTriangle), (std::vector<std::string>{"..........",  //
                                                                ".X........",  //
                                                                ".XX.......",  //
                                                                ".XXX......",  //
                                                                ".XXXX.....",  //
                                                                ".XXX......",  //
                                                                ".XX.......",  //
                                                                ".X........",  //
                                                                "..........",  //
                                                                ".........."}));
  EXPECT_EQ(Art(DrawRadioDot), (std::vector<std::string>{"..........",  //
                                                         "..XXXX....",  //
                                                         ".XXXXXX...",  //
                                                         ".XXXXXX...",  //
                                                         ".XXXXXX...",  //
                                                         ".XXXXXX...",  //
                                                         "..XXXX....",  //
                                                         "..........",  //
                                                         "..........",  //
                                                         ".........."}));
}

class PlainItemTest : public ::testing::Test {
 protected:
  TBitmap Paint(const TMenuItem& item, bool highlighted, int height = 20) {
    TMenuPaintContext ctx;
    ctx.Text = &text;
    return PaintMenuItem(TMenuItemView{&item, 100, height, highlighted}, ctx);
  }
  TFixedMenuText text;
  TMenuColors colors;
};

TEST_F(PlainItemTest, GlyphColumnTextAndHighlight) {
  TMenuItem item("&Open");
  item.ShortCut = ShortCut('O', scCtrl);
  TBitmap normal = Paint(item, false);
  EXPECT_EQ(normal.Pixel(18, 1), colors.BtnFace);
  EXPECT_EQ(normal.Pixel(19, 1), colors.Window);
  // Caption from 2 + 19, centred in (2, 18); the shortcut ends at 100 - 2 - 19.
  ASSERT_EQ(text.boxes.size(), 2u);
  EXPECT_EQ(text.boxes[0], (TRect{21, 5, 21 + 4 * 6, 15}));
  EXPECT_EQ(text.boxes[1], (TRect{79 - 6 * 6, 5, 79, 15}));
  EXPECT_EQ(text.written, (std::vector<std::string>{"Open", "Ctrl+O"}));
  EXPECT_EQ(normal.Pixel(21, 6), colors.WindowText);

  TBitmap lit = Paint(item, true);
  EXPECT_EQ(lit.Pixel(0, 0), kPlainHighlightFrame);
  EXPECT_EQ(lit.Pixel(99, 19), kPlainHighlightFrame);
  EXPECT_EQ(lit.Pixel(5, 1), kPlainHighlightFill);
  EXPECT_EQ(lit.Pixel(50, 18), kPlainHighlightFill);

  item.Enabled = false;
  TBitmap off = Paint(item, false);
  EXPECT_EQ(off.Pixel(21, 6), colors.BtnShadow);
}

TEST_F(PlainItemTest, MarksAtTheirPlaces) {
  // centre = 2 + (20 - 4) / 2 = 10.
  TMenuItem parent("Sub");
  parent.Add("child");
  TBitmap sub = Paint(parent, false);
  TBitmap expected = NewPicture(100, 20);
  DrawSubmenuTriangle(expected, 91, 6, colors.WindowText);
  for (int y = 0; y < 20; ++y)
    for (int x = 85; x < 100; ++x) {
      EXPECT_EQ(sub.Pixel(x, y) == colors.WindowText, expected.Pixel(x, y) == colors.WindowText) << x << "," << y;
    }

  TMenuItem checked("c");
  checked.Checked = true;
  EXPECT_EQ(Paint(checked, false).Pixel(5, 6 + 5), colors.WindowText);  // the check mark's first stroke
  checked.RadioItem = true;
  TBitmap radio = Paint(checked, false);
  EXPECT_EQ(radio.Pixel(7, 7), colors.WindowText);  // top row of the dot at (5, 7)
  EXPECT_EQ(radio.Pixel(5, 7), colors.BtnFace);     // its cut corner

  TMenuItem close("Close");
  close.Name = "SF_CLOSE";
  TBitmap cross = Paint(close, false);
  TBitmap glyph = NewPicture(100, 20);
  DrawCrossGlyph(glyph, 4, 6, kInk);
  int inked = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 19; ++x)
      if (glyph.Pixel(x, y) == kInk) {
        ++inked;
        EXPECT_EQ(cross.Pixel(x, y), colors.WindowText);
      }
  EXPECT_GT(inked, 0);
}

TEST_F(PlainItemTest, SeparatorLineAndOwnerDrawing) {
  TMenuItem line("-");
  TBitmap sep = Paint(line, true, 4);  // a separator is never highlighted
  EXPECT_EQ(sep.Pixel(19, 2), colors.BtnShadow);
  EXPECT_EQ(sep.Pixel(99, 2), colors.BtnShadow);
  EXPECT_EQ(sep.Pixel(18, 2), colors.BtnFace);
  EXPECT_EQ(sep.Pixel(50, 1), colors.Window);

  TMenuItem own("own");
  TRect given;
  bool selected = false;
  own.OnDrawItem = [&](TMenuItem&, TBitmap& canvas, const TRect& r, bool s) {
    given = r;
    selected = s;
    FillRect(canvas, r, kInk);
  };
  TBitmap drawn = Paint(own, true);
  EXPECT_EQ(given, (TRect{0, 2, 98, 18}));
  EXPECT_TRUE(selected);
  EXPECT_EQ(drawn.Pixel(50, 10), kInk);
  EXPECT_TRUE(text.written.empty());
}

class LumenItemTest : public ::testing::Test {
 protected:
  TBitmap Paint(const TMenuItem& item, bool highlighted, int width, int height) {
    TMenuPaintContext ctx;
    ctx.Look = PopupLookFrom(&lumen.data);
    ctx.Text = &text;
    return PaintMenuItem(TMenuItemView{&item, width, height, highlighted}, ctx);
  }
  const TBitmap& Strip() { return lumen.data.ActivePictures[2]; }
  const TDataSkinMenuItem& Record() { return *PopupLookFrom(&lumen.data).ItemRecord; }
  TLumenSkin lumen;
  TFixedMenuText text;
};

TEST_F(LumenItemTest, ItemFaceIsTheRecordsThreePartStrip) {
  TMenuItem item("\xB9\xD8\xB1\xD5(&C)");  // 关闭(&C)
  item.Name = "SF_CLOSE";
  item.ShortCut = ShortCut(0x73, scAlt);
  const int W = 142;
  for (bool lit : {false, true}) {
    TBitmap pic = Paint(item, lit, W, 20);
    const int sy = lit ? 20 : 0;  // activeskinrect 0,20,64,40 / skinrect 0,0,64,20
    for (int y : {0, 3, 19}) {
      EXPECT_EQ(pic.Pixel(0, y), Strip().Pixel(0, sy + y));
      EXPECT_EQ(pic.Pixel(20, y), Strip().Pixel(20, sy + y));          // inside the 21-pixel left end
      EXPECT_EQ(pic.Pixel(W - 1, y), Strip().Pixel(63, sy + y));      // the 4-pixel right end
      EXPECT_EQ(pic.Pixel(W - 4, y), Strip().Pixel(60, sy + y));
      EXPECT_EQ(pic.Pixel(21 + 39 + 5, y), Strip().Pixel(21 + 5, sy + y));  // the middle, tiled every 39
    }
  }
  // Text area 6,0,58,20 grown by 142 - 64: caption from 6 + 16, limit 136 - 16.
  ASSERT_FALSE(text.boxes.empty());
  EXPECT_EQ(text.boxes[0].left, 22);
  EXPECT_EQ(text.boxes[0].top, 5);
  EXPECT_EQ(text.written[0], "\xB9\xD8\xB1\xD5(C)");
  EXPECT_EQ(text.boxes[1].right, 58 + (W - 64) - 16);
  EXPECT_EQ(text.written[1], "Alt+F4");
}

TEST_F(LumenItemTest, FontColourFollowsTheState) {
  TMenuItem item("ab");
  EXPECT_EQ(Paint(item, false, 100, 20).Pixel(22, 7), Record().fontcolor);
  EXPECT_EQ(Paint(item, true, 100, 20).Pixel(22, 7), Record().activefontcolor);
  item.Enabled = false;
  EXPECT_EQ(Paint(item, false, 100, 20).Pixel(22, 7), Record().unenabledfontcolor);
  // The close glyph at (text left + 2, centre - 4) = (8, 6) in the font colour.
  TMenuItem close("x");
  close.Name = "SF_CLOSE";
  TBitmap glyph = NewPicture(100, 20);
  DrawCrossGlyph(glyph, 8, 6, kInk);
  TBitmap pic = Paint(close, false, 100, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      if (glyph.Pixel(x, y) == kInk) {
        EXPECT_EQ(pic.Pixel(x, y), Record().fontcolor) << x << "," << y;
      }
    }
}

TEST_F(LumenItemTest, DividerIsTheDividerStrip) {
  TMenuItem line("-");
  TBitmap pic = Paint(line, false, 142, 5);
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(pic.Pixel(0, y), Strip().Pixel(0, 40 + y));
    EXPECT_EQ(pic.Pixel(141, y), Strip().Pixel(63, 40 + y));
  }
  EXPECT_TRUE(text.written.empty());
}

TEST(PopupCompositionTest, PlainBackgroundRingsAndItemsInPlace) {
  TFixedMenuText text;
  TMenuItem root;
  root.Add("one");
  root.Add("-");
  root.Add("two");
  TPopupBuild build;
  build.Text = &text;
  build.WorkArea = TRect{0, 0, 800, 600};
  TPopupLogic popup(root, 0, build);
  popup.Items()[2].Active = true;
  TBitmap pic = popup.Compose();
  const TMenuColors c;
  EXPECT_EQ(pic.Pixel(0, 0), c.BtnShadow);
  EXPECT_EQ(pic.Pixel(popup.Width() - 1, popup.Height() - 1), c.BtnShadow);
  EXPECT_EQ(pic.Pixel(1, 1), c.Window);
  for (int i = 0; i < popup.Count(); ++i) {
    const TBitmap item = popup.ItemPicture(i);
    const TRect r = popup.Items()[i].ObjectRect;
    for (int y = 0; y < item.Height(); ++y)
      for (int x = 0; x < item.Width(); x += 7) ASSERT_EQ(pic.Pixel(r.left + x, r.top + y), item.Pixel(x, y));
  }
  EXPECT_EQ(pic.Pixel(popup.Items()[2].ObjectRect.left, popup.Items()[2].ObjectRect.top), kPlainHighlightFrame);
}

TEST(PopupCompositionTest, LumenCornersComeFromThePopupPicture) {
  TLumenSkin lumen;
  TFixedMenuText text;
  TMenuItem root;
  root.Add("abc");
  root.Add("def");
  TPopupBuild build;
  build.Look = PopupLookFrom(&lumen.data);
  build.Text = &text;
  build.WorkArea = TRect{0, 0, 800, 600};
  TPopupLogic popup(root, 0, build);
  TBitmap pic = popup.Compose();
  const TBitmap& P = lumen.data.ActivePictures[1];
  const int W = popup.Width(), H = popup.Height();
  for (int d : {0, 1, 2}) {
    EXPECT_EQ(pic.Pixel(d, d), P.Pixel(d, d));
    EXPECT_EQ(pic.Pixel(W - 1 - d, d), P.Pixel(63 - d, d));
    EXPECT_EQ(pic.Pixel(d, H - 1 - d), P.Pixel(d, 63 - d));
    EXPECT_EQ(pic.Pixel(W - 1 - d, H - 1 - d), P.Pixel(63 - d, 63 - d));
  }
}

TEST(PopupCompositionTest, ScrollMarkersInTheirStateColours) {
  TFixedMenuText text;
  TMenuItem root;
  for (int i = 0; i < 8; ++i) root.Add("i");
  TPopupBuild build;
  build.Text = &text;
  build.MaxItemsInWindow = 3;
  build.WorkArea = TRect{0, 0, 800, 600};
  build.Colors.BtnText = RGB(1, 2, 3);
  TPopupLogic popup(root, 0, build);
  const auto count = [](const TBitmap& pic, int top, int bottom, TColor color) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 3; x < pic.Width() - 3; ++x) n += pic.Pixel(x, y) == color;
    return n;
  };
  const int H = popup.Height();
  TBitmap idle = popup.Compose();
  EXPECT_GT(count(idle, 3, 12, build.Colors.BtnShadow), 0);
  EXPECT_EQ(count(idle, 3, 12, build.Colors.BtnText), 0);
  EXPECT_GT(count(idle, H - 10, H - 3, build.Colors.BtnShadow), 0);
  popup.ScrollCode = 2;
  TBitmap down = popup.Compose();
  EXPECT_GT(count(down, H - 10, H - 3, build.Colors.BtnText), 0);
  EXPECT_EQ(count(down, 3, 12, build.Colors.BtnText), 0);
}

}  // namespace
}  // namespace tavo::skin
