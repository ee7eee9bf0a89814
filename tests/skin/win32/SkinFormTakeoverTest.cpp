// The skinned frame taking a form over and giving it back: the window
// procedure chained and restored only while the frame's is still on top,
// the owner that must be a form, the caption bits and border icons gone,
// the timers made stopped, and the defaults of every setting.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/Exception.h"
#include "skin/win32/SkinForm.h"
#include "tests/skin/button/ButtonTestSupport.h"
#include "tests/skin/win32/SkinFormTestSupport.h"

namespace tavo::skin {
namespace {

using button_test::TManualClock;
using frame_test::FrameLayout;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

TEST(SkinFormTakeover, WindowProcedureChainedAndGivenBackOnlyWhenOnTop) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSizeable, 300, 200));
  int formSaw = 0;
  ui::TWndMethod original = form.WindowProc;
  form.WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == WM_USER + 7) ++formSaw;
    original(m);
  };
  ui::TWndMethod beforeFrame = form.WindowProc;
  TManualClock clock;
  {
    TSkinForm frame(&form, clock.Factory());
    EXPECT_EQ(FindSkinForm(form), &frame);
    // Messages the frame leaves alone still reach what was there before.
    form.Perform(WM_USER + 7);
    EXPECT_EQ(formSaw, 1);
    // The frame answers the client size itself now: the plain frame's
    // 3-pixel border and 19-pixel caption.
    RECT w, c;
    GetWindowRect(form.Handle(), &w);
    GetClientRect(form.Handle(), &c);
    EXPECT_EQ(c.right, (w.right - w.left) - 6);
    EXPECT_EQ(c.bottom, (w.bottom - w.top) - 19 - 6);
  }
  EXPECT_EQ(FindSkinForm(form), nullptr);
  form.Perform(WM_USER + 7);
  EXPECT_EQ(formSaw, 2);
  // Given back: the system sizes the client area again for the style the
  // window kept (no caption bits).
  form.FrameChanged();
  RECT w, c, frameOnly{0, 0, 0, 0};
  GetWindowRect(form.Handle(), &w);
  GetClientRect(form.Handle(), &c);
  AdjustWindowRectEx(&frameOnly, static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE)));
  EXPECT_EQ(c.right, (w.right - w.left) - (frameOnly.right - frameOnly.left));
  EXPECT_EQ(c.bottom, (w.bottom - w.top) - (frameOnly.bottom - frameOnly.top));

  // A component that hooked after the frame keeps its hook when the frame
  // goes first.
  int laterSaw = 0;
  {
    auto frame = std::make_unique<TSkinForm>(&form, clock.Factory());
    ui::TWndMethod underLater = form.WindowProc;
    form.WindowProc = [&, underLater](ui::TMessage& m) {
      if (m.Msg == WM_USER + 7) ++laterSaw;
      underLater(m);
    };
    frame.reset();
    form.Perform(WM_USER + 7);
    EXPECT_EQ(laterSaw, 1);
    form.WindowProc = beforeFrame;
  }
  form.WindowProc = original;
}

TEST(SkinFormTakeover, OwnerMustBeAForm) {
  ui::TComponent notAForm;
  TManualClock clock;
  try {
    TSkinForm frame(&notAForm, clock.Factory());
    ADD_FAILURE() << "a frame owned by a plain component was made";
  } catch (const EInvalidCast& e) {
    EXPECT_STREQ(e.what(), "Invalid class typecast");
  }
  EXPECT_TRUE(notAForm.Components().empty());
  EXPECT_THROW(TSkinForm(nullptr, clock.Factory()), EInvalidCast);
}

TEST(SkinFormTakeover, CaptionBitsAndBorderIconsGoTimersStartStopped) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSizeable, 300, 200));
  const auto before = static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE));
  ASSERT_EQ(before & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  TManualClock clock;
  TSkinForm frame(&form, clock.Factory());
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(form.Handle(), GWL_STYLE));
  EXPECT_EQ(style & (WS_BORDER | WS_DLGFRAME), 0u);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_NE(style & WS_THICKFRAME, 0u);  // still sizeable
  EXPECT_TRUE(form.BorderIcons().Empty());
  EXPECT_FALSE(frame.MouseTimerRunning());
  EXPECT_FALSE(frame.MorphTimerRunning());
  EXPECT_FALSE(frame.AnimationTimerRunning());
  EXPECT_EQ(frame.Mode(), TFrameMode::fmPlain);
  EXPECT_TRUE(frame.Objects().empty());
}

TEST(SkinFormTakeover, DefaultsOfTheSettings) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSingle, 200, 100));
  TManualClock clock;
  TSkinForm f(&form, clock.Factory());
  using enum TBorderIcon;
  EXPECT_EQ(f.BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize, biMaximize, biRollUp}));
  EXPECT_EQ(f.SkinData(), nullptr);
  EXPECT_EQ(f.MenusSkinData(), nullptr);
  EXPECT_FALSE(f.HideCaptionButtons());
  EXPECT_FALSE(f.ShowIcon());
  EXPECT_EQ(f.DefCaptionFont().Name, "Arial");
  EXPECT_TRUE(f.DefCaptionFont().Style.Bold);
  EXPECT_EQ(f.DefCaptionFont().Height, 14);
  EXPECT_EQ(f.DefCaptionFont().Color, ui::clBtnText);
  EXPECT_EQ(f.DefInActiveCaptionFont().Color, ui::clBtnShadow);
  EXPECT_TRUE(f.LogoBitMap().Empty());
  EXPECT_FALSE(f.LogoBitMapTransparent);
  EXPECT_FALSE(f.AlphaBlend());
  EXPECT_EQ(f.AlphaBlendValue(), 200);
  EXPECT_FALSE(f.AlphaBlendAnimation);
  EXPECT_EQ(f.MinWidth + f.MinHeight + f.MaxWidth + f.MaxHeight + f.ClientWidth + f.ClientHeight, 0);
  EXPECT_FALSE(f.MaximizeOnFullScreen);
  EXPECT_FALSE(f.Magnetic);
  EXPECT_EQ(f.MagneticSize, 5);
  EXPECT_FALSE(f.UseFormCursorInNCArea);
  EXPECT_TRUE(f.UseDefaultSysMenu);
  EXPECT_FALSE(f.AlwaysMinimizeToTray || f.AlwaysShowInTray || f.ShowObjectHint);
  EXPECT_TRUE(f.UseDefaultObjectHint);
  EXPECT_EQ(f.MaxMenuItemsInWindow(), 0);
  f.SetMaxMenuItemsInWindow(-3);  // ignored
  EXPECT_EQ(f.MaxMenuItemsInWindow(), 0);
  EXPECT_FALSE(f.MenusAlphaBlend || f.MenusAlphaBlendAnimation);
  EXPECT_EQ(f.MenusAlphaBlendValue, 200);
  EXPECT_TRUE(f.UseSkinFontInMenu);
  EXPECT_EQ(f.DefMenuItemHeight(), 20);
  f.SetDefMenuItemHeight(0);  // ignored
  EXPECT_EQ(f.DefMenuItemHeight(), 20);
  EXPECT_EQ(f.DefMenuItemFont.Name, "Arial");
  EXPECT_EQ(f.DefMenuItemFont.Height, 14);
  EXPECT_FALSE(f.DefMenuItemFont.Style.Bold);
}

TEST(SkinFormTakeover, SettingBorderIconsMakesTheDefaultButtonsAndHidesByTheSet) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSingle, 200, 100));
  TManualClock clock;
  TSkinForm frame(&form, clock.Factory());
  using enum TBorderIcon;
  frame.SetBorderIcons({biMinimize});
  ASSERT_EQ(frame.Objects().size(), 6u);
  const char* names[] = {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton", "traybutton"};
  const bool enabled[] = {true, false, true, false, false, false};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(frame.Objects()[i]->IDName, names[i]);
    EXPECT_EQ(frame.Objects()[i]->Enabled, enabled[i]) << names[i];
    // In-a-picture buttons that are hidden stop being drawn.
    EXPECT_EQ(frame.Objects()[i]->Visible, enabled[i]) << names[i];
  }
  frame.SetHideCaptionButtons(true);
  for (const auto& o : frame.Objects()) EXPECT_FALSE(o->Enabled);
}

TEST(SkinFormTakeover, TranslucencyGoesThroughTheLayeredSeam) {
  ui::TForm form(FrameLayout(ui::TBorderStyle::bsSingle, 200, 100));
  TManualClock clock;
  std::vector<int> alphas;
  TLayeredWindowApi layered{[] { return true; }, [&](HWND, uint8_t a) { alphas.push_back(a); }};
  TSkinForm frame(&form, clock.Factory(), layered);
  frame.SetAlphaBlend(true);
  EXPECT_NE(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  frame.SetAlphaBlendValue(120);
  frame.SetAlphaBlendValue(120);  // no change, no call
  EXPECT_EQ(alphas, (std::vector<int>{200, 120}));
  frame.SetAlphaBlend(false);
  EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);

  // The fade: shown, alpha 0, then 5, 10, ... up to 255, and no layering
  // after a full fade.
  alphas.clear();
  frame.AlphaBlendAnimation = true;
  form.Show();
  ASSERT_TRUE(ui::testing_support::PumpUntil([&] { return !alphas.empty() && alphas.back() == 255; }));
  ASSERT_EQ(alphas.size(), 1u + 51u);
  EXPECT_EQ(alphas[0], 0);
  EXPECT_EQ(alphas[1], 5);
  EXPECT_EQ(alphas[51], 255);
  EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  form.Hide();

  // Where the system has no layered windows nothing is touched.
  alphas.clear();
  TSkinForm none(&form, clock.Factory(), TLayeredWindowApi{[] { return false; }, [&](HWND, uint8_t a) {
                                                             alphas.push_back(a);
                                                           }});
  none.SetAlphaBlend(true);
  EXPECT_TRUE(alphas.empty());
  EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

}  // namespace
}  // namespace tavo::skin
