// Forms: client size from the layout, nested modal loops that end when a
// handler closes them, the other windows disabled meanwhile, and timers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace tavo::ui {
namespace {

using testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

TFormLayout Layout(TBorderStyle border, int w, int h) {
  TFormLayout layout;
  layout.ClientWidth = w;
  layout.ClientHeight = h;
  layout.BorderStyle = border;
  return layout;
}

int Scaled(int v) { return MulDiv(v, Application().PixelsPerInch(), 96); }

class FormSizeTest : public ::testing::TestWithParam<TBorderStyle> {};

TEST_P(FormSizeTest, ClientAreaIsTheLayoutsScaledToTheScreen) {
  TForm form(Layout(GetParam(), 438, 444));
  RECT r;
  GetClientRect(form.Handle(), &r);
  EXPECT_EQ(r.right, Scaled(438));
  EXPECT_EQ(r.bottom, Scaled(444));
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  // Centred on the screen.
  RECT w;
  GetWindowRect(form.Handle(), &w);
  EXPECT_NEAR(w.left + w.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(w.top + w.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

INSTANTIATE_TEST_SUITE_P(Borders, FormSizeTest,
                         ::testing::Values(TBorderStyle::bsNone, TBorderStyle::bsSingle, TBorderStyle::bsDialog,
                                           TBorderStyle::bsSizeable));

TEST(FormTest, CaptionAndOwnerComeFromTheApplication) {
  TFormLayout layout = Layout(TBorderStyle::bsNone, 10, 10);
  layout.Caption = "\xB0\xB2\xD7\xB0";
  TForm form(layout);
  char text[32] = {};
  GetWindowTextA(form.Handle(), text, sizeof(text));
  EXPECT_STREQ(text, "\xB0\xB2\xD7\xB0");
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), Application().Handle());
}

TEST(FormModalTest, NestedModalFormsEndWhenClosedFromInside) {
  TForm outer(Layout(TBorderStyle::bsNone, 200, 100));
  TForm inner(Layout(TBorderStyle::bsNone, 100, 50));
  TForm bystander(Layout(TBorderStyle::bsNone, 50, 50));
  bystander.Show();
  std::vector<std::string> steps;
  TTimer openInner;
  openInner.SetEnabled(false);
  openInner.SetInterval(20);
  TTimer closeBoth;
  closeBoth.SetEnabled(false);
  closeBoth.SetInterval(20);
  openInner.OnTimer = [&](TObject&) {
    openInner.SetEnabled(false);
    steps.push_back(IsWindowEnabled(bystander.Handle()) ? "bystander enabled" : "bystander disabled");
    closeBoth.SetEnabled(true);
    steps.push_back("inner returned " + std::to_string(inner.ShowModal()));
  };
  closeBoth.OnTimer = [&](TObject&) {
    closeBoth.SetEnabled(false);
    steps.push_back(IsWindowEnabled(outer.Handle()) ? "outer enabled" : "outer disabled");
    // Closing the outer form first must not end the inner loop.
    outer.Close();
    inner.Close();
  };
  outer.OnShow = [&](TObject&) { openInner.SetEnabled(true); };
  const TModalResult result = outer.ShowModal();
  steps.push_back("outer returned " + std::to_string(result));
  EXPECT_EQ(steps, (std::vector<std::string>{"bystander disabled", "outer disabled", "inner returned 2",
                                             "outer returned 2"}));
  EXPECT_FALSE(IsWindowVisible(outer.Handle()));
  EXPECT_FALSE(IsWindowVisible(inner.Handle()));
  EXPECT_TRUE(IsWindowEnabled(bystander.Handle()));
  bystander.Hide();
}

TEST(TimerTest, TicksUntilStoppedAndNeverAfterDestruction) {
  int ticks = 0;
  TTimer timer;
  timer.SetInterval(5);
  timer.OnTimer = [&](TObject&) {
    if (++ticks == 3) timer.SetEnabled(false);
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 3);

  int late = 0;
  {
    TTimer doomed;
    doomed.SetInterval(1);
    doomed.OnTimer = [&](TObject&) { ++late; };
    Sleep(30);  // its WM_TIMER may already be waiting
  }
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(late, 0);
}

TEST(TimerTest, StoppedTimerKeepsItsInterval) {
  TTimer timer;
  timer.SetEnabled(false);
  timer.SetInterval(4000);
  int ticks = 0;
  timer.OnTimer = [&](TObject&) { ++ticks; };
  timer.SetInterval(10);
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

}  // namespace
}  // namespace tavo::ui
