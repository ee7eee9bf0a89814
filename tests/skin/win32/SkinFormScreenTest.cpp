// The skinned frame on the screen: a sizeable Lumen form whose client
// rectangle, frame pixels and window region are the portable composition
// and region; the inactive look once another window is active; the plain
// frame; a skin reload at run time rebuilding the objects once and
// refreshing the form's skinned controls once, after the frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/FrameClientArea.h"
#include "skin/FrameRegion.h"
#include "skin/SkinFormat.h"
#include "skin/win32/SkinControl.h"
#include "skin/win32/SkinForm.h"
#include "tests/skin/button/ButtonTestSupport.h"
#include "tests/skin/win32/SkinFormTestSupport.h"

namespace tavo::skin {
namespace {

using button_test::TManualClock;
using frame_test::CountDifferences;
using frame_test::FrameLayout;
using frame_test::LoadLumen;
using frame_test::ScreenOf;
using frame_test::ShowAndSettle;
using frame_test::WindowRegionOf;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

// A sizeable form skinned with Lumen, its client area 563 x 262.
struct TLumenForm {
  ui::TForm form{FrameLayout(ui::TBorderStyle::bsSizeable, 300, 200)};
  TManualClock clock;
  TSkinForm frame{&form, clock.Factory()};
  TCompressedStoredSkin stored;
  TSkinData data{&form};
  TLumenForm() {
    LoadLumen(data, stored);
    frame.SetSkinData(&data);
    form.SetClientSize(563, 262);
  }
};

TEST(SkinFormScreen, LumenClientRectangleFrameAndRegionAreThePortableOnes) {
  TLumenForm lumen;
  ui::TForm& form = lumen.form;
  ASSERT_EQ(lumen.frame.Mode(), TFrameMode::fmSkinned);
  ASSERT_EQ(lumen.frame.Objects().size(), 6u);
  // Lumen keeps 13 pixels left, 46 top, 12 right (277 - 265) and 9 bottom
  // (116 - 107) around its client area.
  EXPECT_EQ(form.Width(), 563 + 13 + 12);
  EXPECT_EQ(form.Height(), 262 + 46 + 9);
  POINT origin{0, 0};
  ClientToScreen(form.Handle(), &origin);
  RECT w;
  GetWindowRect(form.Handle(), &w);
  EXPECT_EQ(origin.x - w.left, 13);
  EXPECT_EQ(origin.y - w.top, 46);
  EXPECT_EQ(form.ClientWidth(), 563);
  EXPECT_EQ(form.ClientHeight(), 262);

  // The region: the portable one for this size, rectangle for rectangle
  // and pixel for pixel.
  TFrameRegionInput input;
  input.Skin = &lumen.data;
  input.FrameWidth = form.Width();
  input.FrameHeight = form.Height();
  const TRegion expected = BuildWindowRegion(input).Shape;
  const TRegion region = WindowRegionOf(form.Handle());
  ASSERT_FALSE(region.Empty());
  int mismatches = 0;
  for (int y = 0; y < form.Height(); ++y)
    for (int x = 0; x < form.Width(); ++x) mismatches += region.Contains(x, y) != expected.Contains(x, y);
  EXPECT_EQ(mismatches, 0);
  EXPECT_FALSE(region.Contains(0, 0));  // Lumen's corners are cut
  EXPECT_TRUE(region.Contains(form.Width() / 2, 30));

  // The four bands on the screen are the composition, wherever the window
  // is (outside the region the screen shows what lies below).
  ShowAndSettle(form);
  ASSERT_TRUE(form.Active());
  const TBitmap screen = ScreenOf(form.Handle());
  const TBitmap composed = lumen.frame.ComposeWindow(screen);
  const TRect client{13, 46, 13 + 563, 46 + 262};
  auto inBands = [&](int x, int y) {
    const bool inClient = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
    return !inClient && expected.Contains(x, y);
  };
  EXPECT_EQ(CountDifferences(screen, composed, inBands), 0);
  // Some frame pixel differs from the plain colours: the skin is there.
  EXPECT_NE(screen.Pixel(form.Width() / 2, 3), GetSysColor(COLOR_BTNFACE));

  // Inactive: another window is active, the captions and buttons change,
  // and the screen follows the inactive composition.
  ui::TForm other(FrameLayout(ui::TBorderStyle::bsSingle, 100, 60));
  ShowAndSettle(other);
  ASSERT_FALSE(form.Active());
  const TBitmap inactiveScreen = ScreenOf(form.Handle());
  const TBitmap inactive = lumen.frame.ComposeWindow(inactiveScreen);
  auto visibleBands = [&](int x, int y) {
    POINT p{w.left + x, w.top + y};
    return inBands(x, y) && WindowFromPoint(p) == form.Handle();
  };
  EXPECT_EQ(CountDifferences(inactiveScreen, inactive, visibleBands), 0);
  int changed = 0;
  for (int y = 0; y < 46; ++y)
    for (int x = 0; x < form.Width(); ++x) changed += visibleBands(x, y) && inactive.Pixel(x, y) != composed.Pixel(x, y);
  EXPECT_GT(changed, 0);
  other.Hide();
  form.Hide();
}

// A single-border form: under Wine without a window manager a sizeable
// window without a region loses its outer border strip to the decorations
// no one draws (see docs/skins.md), so the screen is compared on a form
// whose style asks for none.
TEST(SkinFormScreen, PlainFrameOnTheScreen) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSingle, 300, 120));
  form.SetCaption("Plain");
  TManualClock clock;
  TSkinForm frame(&form, clock.Factory());
  ShowAndSettle(form);
  ASSERT_EQ(frame.Mode(), TFrameMode::fmPlain);
  EXPECT_EQ(frame.Objects().size(), 6u);  // made by the first paint
  const int fw = form.Width(), fh = form.Height();
  // 3-pixel border all round, a caption of 19 on top.
  POINT origin{0, 0};
  ClientToScreen(form.Handle(), &origin);
  RECT w;
  GetWindowRect(form.Handle(), &w);
  EXPECT_EQ(origin.x - w.left, 3);
  EXPECT_EQ(origin.y - w.top, 22);
  EXPECT_EQ(form.ClientWidth(), fw - 6);
  EXPECT_EQ(form.ClientHeight(), fh - 25);
  EXPECT_TRUE(WindowRegionOf(form.Handle()).Empty());

  const TBitmap screen = ScreenOf(form.Handle());
  const TBitmap composed = frame.ComposeWindow(screen);
  auto frameArea = [&](int x, int y) { return x < 3 || y < 22 || x >= fw - 3 || y >= fh - 3; };
  EXPECT_EQ(CountDifferences(screen, composed, frameArea), 0);
  // The outer ring: 3D light top-left, 3D dark shadow bottom-right.
  EXPECT_EQ(screen.Pixel(0, 10), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(screen.Pixel(fw - 1, 10), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(screen.Pixel(10, fh - 1), GetSysColor(COLOR_3DDKSHADOW));
  form.Hide();
}

TEST(SkinFormScreen, RedrawObjectPaintsOneObjectInItsNewStateOnTheWindow) {
  TLumenForm lumen;
  ShowAndSettle(lumen.form);
  TActiveSkinObject* close = nullptr;
  for (const auto& o : lumen.frame.Objects())
    if (o->Kind() == TObjectKind::okStdButton && static_cast<TSkinStdButtonObject&>(*o).Command == TStdCommand::cmClose)
      close = o.get();
  ASSERT_NE(close, nullptr);
  const TRect r = close->ObjectRect;
  const TBitmap before = ScreenOf(lumen.form.Handle());
  // Hovered, at the end of its morph: only a redraw of that object shows it.
  close->Active = true;
  close->MorphFactor = 1;
  lumen.frame.RedrawObject(*close);
  ui::testing_support::PumpUntil([] { return false; }, 200);
  const TBitmap after = ScreenOf(lumen.form.Handle());
  const TBitmap composed = lumen.frame.ComposeWindow(after);
  auto inObject = [&](int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
  EXPECT_EQ(CountDifferences(after, composed, inObject), 0);
  int changed = 0, outside = 0;
  for (int y = 0; y < 46; ++y)
    for (int x = 0; x < lumen.form.Width(); ++x) {
      if (inObject(x, y)) changed += after.Pixel(x, y) != before.Pixel(x, y);
      else outside += after.Pixel(x, y) != before.Pixel(x, y);
    }
  EXPECT_GT(changed, 0);
  EXPECT_EQ(outside, 0);
  lumen.form.Hide();
}

TEST(SkinFormScreen, TrackingSizesComeFromTheSkin) {
  TLumenForm lumen;
  auto ask = [&] {
    MINMAXINFO info{};
    SendMessageA(lumen.form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  // Lumen: the picture's width, its height without the client rows.
  MINMAXINFO info = ask();
  EXPECT_EQ(info.ptMinTrackSize.x, 277);
  EXPECT_EQ(info.ptMinTrackSize.y, 116 - (107 - 46));
  lumen.frame.MinWidth = 400;
  lumen.frame.MinHeight = 90;
  lumen.frame.MaxWidth = 700;
  info = ask();
  EXPECT_EQ(info.ptMinTrackSize.x, 400);
  EXPECT_EQ(info.ptMinTrackSize.y, 90);
  EXPECT_EQ(info.ptMaxTrackSize.x, 700);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(info.ptMaxTrackSize.y, work.bottom - work.top);
}

TEST(SkinFormScreen, ClientSizeSettingsAreAppliedLastUnderTheSkinsFrame) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSizeable, 300, 200));
  TManualClock clock;
  TSkinForm frame(&form, clock.Factory());
  frame.ClientWidth = 500;
  frame.ClientHeight = 180;
  TCompressedStoredSkin stored;
  TSkinData data(&form);
  LoadLumen(data, stored);
  frame.SetSkinData(&data);
  EXPECT_EQ(form.ClientWidth(), 500);
  EXPECT_EQ(form.ClientHeight(), 180);
  EXPECT_EQ(form.Width(), 500 + 25);
  EXPECT_EQ(form.Height(), 180 + 55);
  EXPECT_EQ(frame.FrameSize(), (TPoint{525, 235}));
}

TEST(SkinFormScreen, FormIconFallsBackToTheSystemIconAtSmallIconSize) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSingle, 100, 60));
  TManualClock clock;
  TSkinForm frame(&form, clock.Factory());
  // This test program carries no icon of its own: the system's is drawn.
  TBitmap canvas(40, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) canvas.SetPixel(x, y, RGB(1, 2, 3));
  frame.DrawFormIcon(canvas, 4, 6);
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  int inside = 0, outside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool changed = canvas.Pixel(x, y) != RGB(1, 2, 3);
      (x >= 4 && x < 4 + w && y >= 6 && y < 6 + h ? inside : outside) += changed;
    }
  EXPECT_GT(inside, w * h / 4);
  EXPECT_EQ(outside, 0);
}

// Counts its refreshes and when they came: the frame's object builds then.
class TCountingControl : public TSkinControl {
 public:
  TCountingControl(ui::TWinControl* parent, const TSkinForm& frame) : TSkinControl(parent), frame_(frame) {}
  void RefreshSkin() override {
    buildsWhenRefreshed.push_back(frame_.SkinObjectBuilds());
    TSkinControl::RefreshSkin();
  }
  std::vector<int> buildsWhenRefreshed;

 private:
  const TSkinForm& frame_;
};

TEST(SkinFormScreen, ReloadAtRunTimeRebuildsTheObjectsOnceAndRefreshesControlsAfter) {
  TLumenForm lumen;
  TCountingControl control(&lumen.form, lumen.frame);
  control.SetSkinData(&lumen.data);  // refreshes at once: the skin is loaded
  ASSERT_EQ(control.buildsWhenRefreshed, std::vector<int>{1});
  const int builds = lumen.frame.SkinObjectBuilds();
  int changes = 0;
  lumen.frame.OnChangeSkinData = [&](TSkinForm&) { ++changes; };

  lumen.data.SetCompressedStoredSkin(&lumen.stored);  // the same skin loaded again

  EXPECT_EQ(lumen.frame.SkinObjectBuilds(), builds + 1);
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(lumen.frame.Objects().size(), 6u);
  EXPECT_EQ(lumen.frame.Mode(), TFrameMode::fmSkinned);
  EXPECT_EQ(control.buildsWhenRefreshed, (std::vector<int>{1, builds + 1}));
  EXPECT_EQ(lumen.form.ClientWidth(), 563);
}

TEST(SkinFormScreen, SkinChangingFreesObjectsBeforeTheSkinIsCleared) {
  TLumenForm lumen;
  size_t objectsWhenCleared = 99;
  TFrameMode modeWhenCleared = TFrameMode::fmSkinned;
  // Hooked after the frame: sees 1225 once the frame has handled it, while
  // the skin's records still exist.
  ui::TWndMethod underUs = lumen.form.WindowProc;
  lumen.form.WindowProc = [&](ui::TMessage& m) {
    underUs(m);
    if (m.Msg == MsgSkinChanging) {
      objectsWhenCleared = lumen.frame.Objects().size();
      modeWhenCleared = lumen.frame.Mode();
    }
  };
  lumen.data.SetCompressedStoredSkin(&lumen.stored);
  EXPECT_EQ(objectsWhenCleared, 0u);
  EXPECT_EQ(modeWhenCleared, TFrameMode::fmPlain);
  lumen.form.WindowProc = underUs;
}

}  // namespace
}  // namespace tavo::skin
