// The installer's three windows as created: client sizes, control
// rectangles, captions, the timer's settings, the tab order, and the
// handlers that lead from one window to the next.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/SetUpUnit.h"
#include "app/Step1Unit.h"
#include "app/Step2Unit.h"
#include "app/Texts.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Timer.h"

namespace tavo::app {
namespace {

using ui::testing_support::PumpUntil;
using ui::testing_support::TClientPicture;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

int Scaled(int v) { return MulDiv(v, ui::Application().PixelsPerInch(), 96); }

std::string WindowText(HWND wnd) {
  char text[256] = {};
  GetWindowTextA(wnd, text, sizeof(text));
  return text;
}

// The three windows, created in the program's order.
class InstallerWindowsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    splash = new TSetUpFrm;
    step1 = new TStep1Frm;
    step2 = new TStep2Frm;
  }
  static void TearDownTestSuite() {
    delete step2;
    delete step1;
    delete splash;
  }
  static TSetUpFrm* splash;
  static TStep1Frm* step1;
  static TStep2Frm* step2;
};
TSetUpFrm* InstallerWindowsTest::splash = nullptr;
TStep1Frm* InstallerWindowsTest::step1 = nullptr;
TStep2Frm* InstallerWindowsTest::step2 = nullptr;

struct TRect {
  int left, top, width, height;
};

void ExpectBounds(const ui::TControl& c, TRect r, const char* name) {
  EXPECT_EQ(c.Left(), Scaled(r.left)) << name;
  EXPECT_EQ(c.Top(), Scaled(r.top)) << name;
  EXPECT_EQ(c.Width(), Scaled(r.width)) << name;
  EXPECT_EQ(c.Height(), Scaled(r.height)) << name;
}

TEST_F(InstallerWindowsTest, ClientSizesAndCaptions) {
  const struct {
    const ui::TForm* form;
    int width, height;
    std::string caption;
  } windows[] = {{splash, 438, 444, kSetUpCaption}, {step1, 563, 262, kStep1Caption}, {step2, 512, 47, ""}};
  for (const auto& w : windows) {
    RECT r;
    GetClientRect(w.form->Handle(), &r);
    EXPECT_EQ(r.right, Scaled(w.width)) << w.caption;
    EXPECT_EQ(r.bottom, Scaled(w.height)) << w.caption;
    EXPECT_EQ(WindowText(w.form->Handle()), w.caption);
    EXPECT_FALSE(IsWindowVisible(w.form->Handle()));
    // No border and no title bar: the window is its client area.
    RECT outer;
    GetWindowRect(w.form->Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, r.right);
    EXPECT_EQ(outer.bottom - outer.top, r.bottom);
  }
}

TEST_F(InstallerWindowsTest, SplashLayout) {
  ExpectBounds(splash->Image1, {0, 0, 438, 403}, "Image1");
  ExpectBounds(splash->Panel1, {0, 403, 438, 41}, "Panel1");
  EXPECT_EQ(splash->Label1.Left(), Scaled(63));
  EXPECT_EQ(splash->Label1.Top(), Scaled(6));
  EXPECT_EQ(splash->Label8.Left(), Scaled(247));
  EXPECT_EQ(splash->Label8.Top(), Scaled(6));
  EXPECT_EQ(splash->Label1.Parent(), &splash->Panel1);
  EXPECT_EQ(splash->Label1.Caption(), kInstallCaption);
  EXPECT_EQ(splash->Label8.Caption(), kExitCaption);
  EXPECT_EQ(splash->Label1.Cursor, ui::TCursor::crHandPoint);
  // Sized to their text: four characters of 27 pixels, one line.
  EXPECT_GT(splash->Label1.Width(), Scaled(4 * 20));
  EXPECT_GE(splash->Label1.Height(), Scaled(27));
  EXPECT_LT(splash->Label1.Height(), Scaled(40));
}

TEST_F(InstallerWindowsTest, SplashPanelColourAndBevels) {
  const TClientPicture panel(splash->Panel1.Handle());
  EXPECT_EQ(panel.At(0, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(panel.At(1, 20), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(panel.At(panel.Width() - 1, 20), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(panel.At(panel.Width() - 2, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(panel.At(5, 20), RGB(0, 234, 234));
  // The captions are drawn in red.
  int red = 0;
  const ui::TControl& label = splash->Label1;
  for (int y = label.Top(); y < label.Top() + label.Height(); ++y)
    for (int x = label.Left(); x < label.Left() + label.Width(); ++x) red += panel.At(x, y) == RGB(255, 0, 0);
  EXPECT_GT(red, 50);
}

TEST_F(InstallerWindowsTest, SplashShowsThePictureStretched) {
  const TClientPicture picture(splash->Handle());
  // The picture's top-left corner is night blue, its bottom teal: the
  // generator's gradient, not the form's grey.
  const COLORREF top = picture.At(Scaled(200), 2);
  const COLORREF bottom = picture.At(Scaled(200), Scaled(400));
  EXPECT_GT(GetBValue(top), GetRValue(top) + 40);
  EXPECT_GT(GetGValue(bottom), GetRValue(bottom) + 40);
  EXPECT_NE(picture.At(Scaled(437), Scaled(402)), GetSysColor(COLOR_BTNFACE));
}

TEST_F(InstallerWindowsTest, DirectoryWindowLayout) {
  ExpectBounds(step1->Label1, {38, 8, 121, 17}, "Label1");
  ExpectBounds(step1->Dir1, {24, 24, 257, 143}, "Dir1");
  EXPECT_EQ(step1->Dir1.ItemHeight(), Scaled(16));
  EXPECT_EQ(step1->DriveComboBox1.Left(), Scaled(24));
  EXPECT_EQ(step1->DriveComboBox1.Top(), Scaled(176));
  EXPECT_EQ(step1->DriveComboBox1.Width(), Scaled(257));
  ExpectBounds(step1->Edit1, {24, 199, 521, 21}, "Edit1");
  ExpectBounds(step1->Image1, {296, 8, 257, 177}, "Image1");
  ExpectBounds(step1->NEXTStep, {199, 226, 94, 25}, "NEXTStep");
  ExpectBounds(step1->mClose, {315, 226, 94, 25}, "mClose");
  EXPECT_EQ(step1->NEXTStep.Caption(), kNextStep);
  EXPECT_EQ(step1->mClose.Caption(), kCancel);
  EXPECT_EQ(step1->Label1.Caption(), kChooseDirectory);
  EXPECT_EQ(step1->Edit1.Text(), "");
}

TEST_F(InstallerWindowsTest, DirectoryWindowTabOrderLeavesTheButtonsOut) {
  EXPECT_EQ(step1->Dir1.TabOrder(), 0);
  EXPECT_EQ(step1->Edit1.TabOrder(), 1);
  EXPECT_EQ(step1->DriveComboBox1.TabOrder(), 2);
  EXPECT_FALSE(step1->NEXTStep.IsWindowed());
  EXPECT_FALSE(step1->mClose.IsWindowed());
}

TEST_F(InstallerWindowsTest, StatusWindowLayoutAndTimer) {
  ExpectBounds(step2->Label1, {0, 0, 512, 47}, "Label1");
  EXPECT_EQ(step2->Label1.Caption(), "");
  EXPECT_EQ(step2->Label1.Font().Charset, GB2312_CHARSET);
  EXPECT_FALSE(step2->Timer1.Enabled());
  EXPECT_EQ(step2->Timer1.Interval(), 4000u);
  const TClientPicture status(step2->Label1.Handle());
  EXPECT_EQ(status.At(0, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(status.At(1, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(status.At(2, 20), RGB(0, 255, 255));
  EXPECT_EQ(status.At(status.Width() - 2, 20), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(InstallerWindowsTest, ShowingTheDirectoryWindowResetsAHandEdit) {
  step1->Edit1.SetText("X:\\typed by hand");
  step1->FormShow(*step1);
  EXPECT_EQ(step1->Edit1.Text(), step1->Dir1.Directory());
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(step1->Dir1.Directory(), current);
}

TEST_F(InstallerWindowsTest, InstallOpensTheDirectoryWindowAndCancelCloses) {
  std::string seen;
  ui::TTimer probe;
  probe.SetInterval(20);
  probe.OnTimer = [&](ui::TObject&) {
    if (!IsWindowVisible(step1->Handle())) return;
    probe.SetEnabled(false);
    seen = step1->Edit1.Text();
    step1->mCloseClick(step1->mClose);
  };
  step1->Edit1.SetText("stale");
  splash->Label1Click(splash->Label1);  // returns once the window closed
  EXPECT_EQ(seen, step1->Dir1.Directory());
  EXPECT_FALSE(IsWindowVisible(step1->Handle()));
}

TEST_F(InstallerWindowsTest, NextArmsTheRunAndShowsTheStatusWindowOverTheDirectoryWindow) {
  InstallArmed = false;
  bool ticked = false;
  bool step2Shown = false;
  unsigned interval = 0;
  ui::TTimer opener;
  opener.SetInterval(20);
  opener.OnTimer = [&](ui::TObject&) {
    if (!IsWindowVisible(step1->Handle())) return;
    opener.SetEnabled(false);
    step1->Edit1.SetText("D:\\by hand");
    step1->NEXTStepClick(step1->NEXTStep);  // modal until the tick below
  };
  // Stands in for the installation run: look, then close both windows.
  step2->Timer1.OnTimer = [&](ui::TObject&) {
    step2->Timer1.SetEnabled(false);
    ticked = true;
    interval = step2->Timer1.Interval();
    step2Shown = IsWindowVisible(step2->Handle()) && IsWindowVisible(step1->Handle());
    step1->Close();
    step2->Close();
  };
  splash->Label1Click(splash->Label1);
  step2->Timer1.OnTimer = [](ui::TObject& sender) { Step2Frm->Timer1Timer(sender); };
  EXPECT_TRUE(InstallArmed);
  EXPECT_TRUE(ticked);
  EXPECT_EQ(interval, 200u);
  EXPECT_TRUE(step2Shown);
  EXPECT_FALSE(IsWindowVisible(step1->Handle()));
  EXPECT_FALSE(IsWindowVisible(step2->Handle()));
  EXPECT_EQ(step1->Edit1.Text(), "D:\\by hand");
  InstallArmed = false;
}

TEST_F(InstallerWindowsTest, StatusTickStopsTheTimer) {
  step2->Timer1.SetInterval(10);
  step2->Timer1.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return !step2->Timer1.Enabled(); }));
  step2->Timer1.SetInterval(4000);
}

}  // namespace
}  // namespace tavo::app
