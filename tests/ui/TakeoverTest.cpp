// What a component that takes a form over relies on: the background offered
// through the window procedure (paint and print), style bits changed in
// place with the children's contents kept, the client size set under a
// frame the system did not size, the form's active state, icon and border
// icons.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "ui/Application.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Screen.h"

namespace tavo::ui {
namespace {

using testing_support::PumpUntil;
using testing_support::TClientPicture;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

constexpr COLORREF kFormColor = RGB(10, 20, 30);
constexpr COLORREF kTileA = RGB(250, 0, 0);
constexpr COLORREF kTileB = RGB(0, 0, 250);
constexpr COLORREF kInk = RGB(0, 0, 0);

TFormLayout Layout(TBorderStyle border, int w, int h) {
  TFormLayout layout;
  layout.ClientWidth = w;
  layout.ClientHeight = h;
  layout.BorderStyle = border;
  layout.Position = TPosition::poDesigned;
  layout.Left = 40;
  layout.Top = 40;
  layout.Color = kFormColor;
  return layout;
}

// Hooks a form's WindowProc the way a frame does and answers WM_ERASEBKGND
// with a two-colour pattern: the left half kTileA, the right half kTileB.
class TEraseHook {
 public:
  explicit TEraseHook(TForm& form, LRESULT answer = 1) : form_(form), old_(form.WindowProc), answer_(answer) {
    form.WindowProc = [this](TMessage& m) {
      if (m.Msg != WM_ERASEBKGND) return old_(m);
      auto dc = reinterpret_cast<HDC>(m.WParam);
      offers.push_back(GetObjectType(dc));
      RECT c;
      GetClientRect(form_.Handle(), &c);
      RECT left{0, 0, c.right / 2, c.bottom}, right{c.right / 2, 0, c.right, c.bottom};
      FillRectColor(dc, left, kTileA);
      FillRectColor(dc, right, kTileB);
      m.Result = answer_;
    };
  }
  ~TEraseHook() { form_.WindowProc = old_; }
  std::vector<DWORD> offers;  // GetObjectType of each DC offered

 private:
  TForm& form_;
  TWndMethod old_;
  LRESULT answer_;
};

TEST(PaintSeam, PrintedClientShowsTheAnsweredBackgroundWithTransparentLabelOverIt) {
  TForm form(Layout(TBorderStyle::bsNone, 120, 60));
  TLabel label(form);
  TFont font;
  font.Name = "Arial";
  font.Height = -30;
  font.Color = kInk;
  label.SetFont(font);
  label.SetCaption("WWW");
  label.SetTransparent(true);
  TEraseHook hook(form);
  const TClientPicture picture(form.Handle());
  ASSERT_EQ(hook.offers.size(), 1u);
  EXPECT_EQ(hook.offers[0], static_cast<DWORD>(OBJ_MEMDC));
  int ink = 0, tileA = 0, tileB = 0, formColour = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const COLORREF c = picture.At(x, y);
      ink += c != kTileA && c != kTileB;  // the text, smoothed or not
      tileA += c == kTileA;
      tileB += c == kTileB;
      formColour += c == kFormColor;
    }
  }
  EXPECT_GT(ink, 10);  // the label's text is drawn over the answered background
  EXPECT_GT(tileA, 1000);
  EXPECT_GT(tileB, 1000);
  EXPECT_EQ(formColour, 0);
  EXPECT_EQ(picture.At(picture.Width() - 1, picture.Height() - 1), kTileB);
}

TEST(PaintSeam, UnansweredOfferFillsTheFormColour) {
  TForm form(Layout(TBorderStyle::bsNone, 50, 40));
  TEraseHook hook(form, 0);  // draws, but says nobody answered
  const TClientPicture picture(form.Handle());
  EXPECT_EQ(hook.offers.size(), 1u);
  EXPECT_EQ(picture.At(2, 2), kFormColor);
  EXPECT_EQ(picture.At(48, 38), kFormColor);
}

TEST(PaintSeam, ScreenShowsTheAnsweredBackgroundAfterWmPaint) {
  TForm form(Layout(TBorderStyle::bsNone, 100, 50));
  TEraseHook hook(form);
  form.Show();
  InvalidateRect(form.Handle(), nullptr, FALSE);
  UpdateWindow(form.Handle());
  ASSERT_TRUE(PumpUntil([&] { return !hook.offers.empty(); }));
  Application().ProcessMessages();
  // The offer of WM_PAINT carries the off-screen picture, not the screen.
  EXPECT_NE(std::find(hook.offers.begin(), hook.offers.end(), static_cast<DWORD>(OBJ_MEMDC)), hook.offers.end());
  HDC screen = GetDC(nullptr);
  POINT a{10, 25}, b{90, 25};
  ClientToScreen(form.Handle(), &a);
  ClientToScreen(form.Handle(), &b);
  EXPECT_EQ(GetPixel(screen, a.x, a.y), kTileA);
  EXPECT_EQ(GetPixel(screen, b.x, b.y), kTileB);
  ReleaseDC(nullptr, screen);
  form.Hide();
}

TEST(StyleInPlace, ClearingTheCaptionKeepsWindowAndChildrenContents) {
  TForm form(Layout(TBorderStyle::bsSizeable, 300, 200));
  TEdit edit(form);
  edit.SetBounds(5, 5, 100, 22);
  edit.SetText("typed text");
  TListBox list(form);
  list.SetBounds(5, 30, 100, 80);
  list.AddItem("one");
  list.AddItem("two");
  TComboBox combo(form);
  combo.SetBounds(120, 5, 100, 22);
  combo.AddItem("alpha");
  combo.SetItemIndex(0);
  HWND wnd = form.Handle();
  RECT windowBefore;
  GetWindowRect(wnd, &windowBefore);
  const int clientBefore = form.ClientHeight();

  EXPECT_TRUE(form.ModifyStyle(WS_CAPTION, 0));
  EXPECT_FALSE(form.ModifyStyle(WS_CAPTION, 0));  // nothing left to change
  form.FrameChanged();

  EXPECT_EQ(form.Handle(), wnd);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(wnd, GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, 0u);
  EXPECT_NE(style & WS_THICKFRAME, 0u);
  RECT windowAfter;
  GetWindowRect(wnd, &windowAfter);
  EXPECT_TRUE(EqualRect(&windowBefore, &windowAfter));
  // The caption's height went to the client area at once.
  EXPECT_GT(form.ClientHeight(), clientBefore);
  EXPECT_EQ(edit.Text(), "typed text");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(1), "two");
  EXPECT_EQ(combo.Count(), 1);
  EXPECT_EQ(combo.ItemIndex(), 0);

  EXPECT_TRUE(form.ModifyExStyle(0, WS_EX_TOOLWINDOW));
  EXPECT_NE(GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_TRUE(form.ModifyExStyle(WS_EX_TOOLWINDOW, 0));
  EXPECT_EQ(GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

// Answers WM_NCCALCSIZE with insets of its own, as a skinned frame does.
constexpr RECT kInsets{13, 46, 12, 9};

TEST(ClientSize, FollowsAFrameTheSystemDidNotSize) {
  TForm form(Layout(TBorderStyle::bsSizeable, 200, 100));
  TWndMethod old = form.WindowProc;
  form.WindowProc = [&](TMessage& m) {
    if (m.Msg != WM_NCCALCSIZE) return old(m);
    auto* r = reinterpret_cast<RECT*>(m.LParam);  // first rectangle in both forms
    r->left += kInsets.left;
    r->top += kInsets.top;
    r->right -= kInsets.right;
    r->bottom -= kInsets.bottom;
    m.Result = 0;
  };
  form.FrameChanged();
  form.SetClientSize(563, 262);
  EXPECT_EQ(form.ClientWidth(), 563);
  EXPECT_EQ(form.ClientHeight(), 262);
  EXPECT_EQ(form.Width(), 563 + 13 + 12);
  EXPECT_EQ(form.Height(), 262 + 46 + 9);
  form.WindowProc = old;
}

TEST(ActiveState, FollowsActivationAndIsKnownWhenTheDefaultHandlingRuns) {
  TForm a(Layout(TBorderStyle::bsSingle, 100, 60));
  TForm b(Layout(TBorderStyle::bsSingle, 100, 60));
  std::vector<bool> seenInDefault;
  TWndMethod old = a.WindowProc;
  a.WindowProc = [&](TMessage& m) {
    old(m);
    if (m.Msg == WM_ACTIVATE) seenInDefault.push_back(a.Active());
  };
  EXPECT_FALSE(a.Active());
  a.Show();
  ASSERT_TRUE(PumpUntil([&] { return a.Active(); }));
  EXPECT_EQ(Screen().ActiveForm(), &a);
  b.Show();
  ASSERT_TRUE(PumpUntil([&] { return b.Active() && !a.Active(); }));
  EXPECT_EQ(Screen().ActiveForm(), &b);
  ASSERT_GE(seenInDefault.size(), 2u);
  EXPECT_TRUE(seenInDefault.front());
  EXPECT_FALSE(seenInDefault.back());
  b.Hide();
  a.Hide();
  a.WindowProc = old;
}

TEST(FormIcon, OwnIconAndTheApplicationsIcon) {
  TForm form(Layout(TBorderStyle::bsSingle, 100, 60));
  EXPECT_EQ(form.Icon(), nullptr);
  // The test program carries the installer's resources, so its icon too.
  EXPECT_NE(Application().Icon(), nullptr);
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  form.SetIcon(icon);
  EXPECT_EQ(form.Icon(), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.Handle(), WM_GETICON, ICON_BIG, 0)), icon);
}

DWORD IconBits(const TForm& form) {
  return static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE)) &
         (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
}

TEST(BorderIcons, FollowTheStyleAndChangeItInPlace) {
  using enum TBorderIcon;
  TForm sizeable(Layout(TBorderStyle::bsSizeable, 100, 60));
  EXPECT_EQ(sizeable.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize}));
  sizeable.SetBorderIcons({});
  EXPECT_EQ(IconBits(sizeable), 0u);
  EXPECT_TRUE(sizeable.BorderIcons().Empty());
  sizeable.SetBorderIcons({biSystemMenu, biMaximize, biRollUp});
  EXPECT_EQ(IconBits(sizeable), static_cast<DWORD>(WS_SYSMENU | WS_MAXIMIZEBOX));
  EXPECT_TRUE(sizeable.BorderIcons().Contains(biRollUp));  // kept, though no native button

  // A tool window has no boxes and a borderless window no system menu,
  // whatever is asked.
  TForm tool(Layout(TBorderStyle::bsToolWindow, 100, 60));
  tool.SetBorderIcons({biSystemMenu, biMinimize, biMaximize});
  EXPECT_EQ(IconBits(tool), static_cast<DWORD>(WS_SYSMENU));
  TForm none(Layout(TBorderStyle::bsNone, 100, 60));
  EXPECT_TRUE(none.BorderIcons().Empty());
  none.SetBorderIcons({biSystemMenu});
  EXPECT_EQ(IconBits(none), 0u);
}

}  // namespace
}  // namespace tavo::ui
