// Object layout: corner-zone placement of objects cut from the frame
// picture, row placement from the right and from the left over a buttons
// rectangle and over a caption rectangle, and the plain frame's buttons.
// Every expected rectangle is worked out by hand below.
#include <gtest/gtest.h>

#include "skin/FrameLayout.h"

namespace tavo::skin {
namespace {

using enum TFrameObjectKind;
using enum TStdCommand;

const TRect kUntouched{1, 1, 2, 2};

TFrameLayoutItem Item(TFrameObjectKind kind, bool inAPicture, TRect normal, TStdCommand command = cmDefault,
                      bool visible = true) {
  TFrameLayoutItem item;
  item.Kind = kind;
  item.InAPicture = inAPicture;
  item.NormalRect = normal;
  item.Command = command;
  item.Visible = visible;
  item.ObjectRect = kUntouched;
  return item;
}

// A 200 x 100 picture, points (50,30) (150,30) (50,80) (150,80), shown on a
// 260 x 120 window (dx 60, dy 20), buttons offset 2.
struct TRowCase {
  TFrameSkinGeometry skin;
  std::vector<TFrameLayoutItem> items;

  TRowCase() {
    skin.PW = 200;
    skin.PH = 100;
    skin.LeftTop = {50, 30};
    skin.RightTop = {150, 30};
    skin.LeftBottom = {50, 80};
    skin.RightBottom = {150, 80};
    skin.ClientRect = {5, 30, 195, 95};
    skin.CaptionRect = {20, 2, 110, 22};  // placed: (20, 2, 170, 22)
    skin.ButtonsOffset = 2;
    items = {
        Item(okCaption, false, {40, 5, 160, 25}),  // 0: placed (40, 5, 220, 25)
        Item(okStdButton, true, {0, 0, 10, 12}),   // 1: default command
        Item(okStdButton, true, {0, 0, 14, 14}, cmMinimize),
        Item(okStdButton, true, {0, 0, 16, 16}, cmClose),  // 3
        Item(okAnimate, true, {0, 0, 12, 10}, cmMaximize),
        Item(okStdButton, true, {0, 0, 18, 18}, cmSysMenu),              // 5
        Item(okStdButton, true, {0, 0, 16, 16}, cmClose),                // 6: a second close
        Item(okStdButton, true, {0, 0, 9, 9}, cmMinimizeToTray, false),  // 7: hidden
        Item(okUser, true, {0, 0, 30, 30}),                              // 8: users take no part
        Item(okStdButton, true, {0, 0, 8, 8}),                           // 9: default command
        Item(okStdButton, false, {160, 5, 180, 25}, cmClose),            // 10: cut from the frame
    };
  }

  const std::vector<TFrameLayoutItem>& Layout(TFrameIconSize icon = {}) {
    LayoutObjects(items, skin, ComputePlacedGeometry(skin, 260, 120), icon);
    return items;
  }
};

TEST(FrameLayout, RightOfTheButtonsRectangle) {
  TRowCase c;
  c.skin.ButtonsRect = {120, 4, 190, 20};  // right half: placed (180, 4, 250, 20)
  const auto& r = c.Layout();
  EXPECT_EQ(r[3].ObjectRect, (TRect{234, 4, 250, 20}));  // close
  EXPECT_EQ(r[4].ObjectRect, (TRect{220, 4, 232, 14}));  // maximize
  EXPECT_EQ(r[2].ObjectRect, (TRect{204, 4, 218, 18}));  // minimize
  EXPECT_EQ(r[1].ObjectRect, (TRect{192, 4, 202, 16}));  // default commands in list order
  EXPECT_EQ(r[9].ObjectRect, (TRect{182, 4, 190, 12}));
  // The system menu at the caption rectangle's left, centred in it; the
  // caption object starts after it and keeps its corner-zone right.
  EXPECT_EQ(r[5].ObjectRect, (TRect{20, 3, 38, 21}));
  EXPECT_EQ(r[0].ObjectRect, (TRect{38, 5, 220, 25}));
  EXPECT_EQ(r[6].ObjectRect, kUntouched);
  EXPECT_EQ(r[7].ObjectRect, kUntouched);
  EXPECT_EQ(r[8].ObjectRect, kUntouched);
  EXPECT_EQ(r[10].ObjectRect, (TRect{220, 5, 240, 25}));
}

TEST(FrameLayout, RightOfTheCaptionRectangle) {
  TRowCase c;
  const auto& r = c.Layout();
  EXPECT_EQ(r[3].ObjectRect, (TRect{154, 2, 170, 18}));
  EXPECT_EQ(r[4].ObjectRect, (TRect{140, 2, 152, 12}));
  EXPECT_EQ(r[2].ObjectRect, (TRect{124, 2, 138, 16}));
  EXPECT_EQ(r[1].ObjectRect, (TRect{112, 2, 122, 14}));
  EXPECT_EQ(r[9].ObjectRect, (TRect{102, 2, 110, 10}));
  EXPECT_EQ(r[5].ObjectRect, (TRect{20, 3, 38, 21}));
  EXPECT_EQ(r[0].ObjectRect, (TRect{38, 5, 102, 25}));  // ends at the last button
}

TEST(FrameLayout, ShowIconSizesTheSystemMenuButton) {
  TRowCase c;
  const auto& r = c.Layout({true, {16, 16}});
  EXPECT_EQ(r[5].ObjectRect, (TRect{20, 4, 36, 20}));
  EXPECT_EQ(r[0].ObjectRect, (TRect{36, 5, 102, 25}));
}

TEST(FrameLayout, SmallIconSizeFallsBackPerSide) {
  EXPECT_EQ(SmallIconSize({16, 16}, {18, 18}), (TPoint{16, 16}));
  EXPECT_EQ(SmallIconSize({0, 16}, {18, 20}), (TPoint{18, 16}));
  EXPECT_EQ(SmallIconSize({16, 0}, {18, 20}), (TPoint{16, 20}));
  EXPECT_EQ(SmallIconSize({0, 0}, {18, 20}), (TPoint{18, 20}));
}

TEST(FrameLayout, LeftOfTheButtonsRectangle) {
  TRowCase c;
  c.skin.ButtonsInLeft = true;
  c.skin.ButtonsRect = {10, 4, 90, 20};
  const auto& r = c.Layout();
  EXPECT_EQ(r[3].ObjectRect, (TRect{10, 4, 26, 20}));
  EXPECT_EQ(r[4].ObjectRect, (TRect{28, 4, 40, 14}));
  EXPECT_EQ(r[2].ObjectRect, (TRect{42, 4, 56, 18}));
  EXPECT_EQ(r[1].ObjectRect, (TRect{58, 4, 68, 16}));
  EXPECT_EQ(r[9].ObjectRect, (TRect{70, 4, 78, 12}));
  EXPECT_EQ(r[5].ObjectRect, kUntouched);               // not placed in a buttons row
  EXPECT_EQ(r[0].ObjectRect, (TRect{40, 5, 220, 25}));  // corner zones only
}

TEST(FrameLayout, LeftOfTheCaptionRectangle) {
  TRowCase c;
  c.skin.ButtonsInLeft = true;
  const auto& r = c.Layout();
  EXPECT_EQ(r[3].ObjectRect, (TRect{20, 2, 36, 18}));
  EXPECT_EQ(r[4].ObjectRect, (TRect{38, 2, 50, 12}));
  EXPECT_EQ(r[2].ObjectRect, (TRect{52, 2, 66, 16}));
  EXPECT_EQ(r[1].ObjectRect, (TRect{68, 2, 78, 14}));
  EXPECT_EQ(r[9].ObjectRect, (TRect{80, 2, 88, 10}));
  EXPECT_EQ(r[5].ObjectRect, (TRect{90, 2, 108, 20}));  // follows in the row
  EXPECT_EQ(r[0].ObjectRect, (TRect{112, 5, 220, 25}));
}

TEST(FrameLayout, WithoutRowRectanglesOnlyTheCornerZones) {
  TRowCase c;
  c.skin.CaptionRect = {};
  const auto& r = c.Layout();
  EXPECT_EQ(r[0].ObjectRect, (TRect{40, 5, 220, 25}));
  EXPECT_EQ(r[10].ObjectRect, (TRect{220, 5, 240, 25}));
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(r[i].ObjectRect, kUntouched) << i;
}

TEST(FrameLayout, ExtremeOffsetsSaturate) {
  for (bool left : {false, true}) {
    TRowCase c;
    c.skin.ButtonsInLeft = left;
    c.skin.ButtonsOffset = left ? INT32_MAX : INT32_MIN;
    const auto& r = c.Layout();
    // The first button keeps its place; every later one is pushed to the
    // end of the coordinate range instead of wrapping round.
    EXPECT_EQ(r[3].ObjectRect, left ? (TRect{20, 2, 36, 18}) : (TRect{154, 2, 170, 18}));
    EXPECT_EQ(r[4].ObjectRect.left, left ? INT32_MAX : INT32_MAX - 12) << left;
  }
}

std::vector<TFrameLayoutItem> DefaultButtons() {
  std::vector<TFrameLayoutItem> items;
  for (TStdCommand c : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmSysMenu, cmMinimizeToTray})
    items.push_back(Item(okStdButton, true, {0, 0, 1, 1}, c));
  return items;
}

TEST(PlainLayout, SixDefaultButtons) {
  auto items = DefaultButtons();
  EXPECT_EQ(PlainLayout(items, 200, false, {}), (TRect{20, 3, 112, 19}));
  EXPECT_EQ(items[0].ObjectRect, (TRect{180, 4, 197, 21}));
  EXPECT_EQ(items[1].ObjectRect, (TRect{163, 4, 180, 21}));
  EXPECT_EQ(items[2].ObjectRect, (TRect{146, 4, 163, 21}));
  EXPECT_EQ(items[3].ObjectRect, (TRect{129, 4, 146, 21}));
  EXPECT_EQ(items[5].ObjectRect, (TRect{112, 4, 129, 21}));
  EXPECT_EQ(items[4].ObjectRect, (TRect{3, 4, 20, 21}));
}

TEST(PlainLayout, ToolWindowHiddenButtonsAndIcon) {
  auto items = DefaultButtons();
  items[1].Visible = false;
  items[5].Visible = false;
  EXPECT_EQ(PlainLayout(items, 200, true, {true, {16, 16}}), (TRect{19, 3, 158, 15}));
  EXPECT_EQ(items[0].ObjectRect, (TRect{184, 4, 197, 17}));
  EXPECT_EQ(items[2].ObjectRect, (TRect{171, 4, 184, 17}));
  EXPECT_EQ(items[3].ObjectRect, (TRect{158, 4, 171, 17}));
  EXPECT_EQ(items[4].ObjectRect, (TRect{3, 4, 19, 20}));
  EXPECT_EQ(items[1].ObjectRect, kUntouched);
  EXPECT_EQ(items[5].ObjectRect, kUntouched);
  items[4].Visible = false;
  EXPECT_EQ(PlainLayout(items, 200, true, {}), (TRect{3, 3, 158, 15}));
}

}  // namespace
}  // namespace tavo::skin
