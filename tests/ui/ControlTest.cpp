// Windowless controls on a form: mouse routing to the topmost control in its
// own coordinates, capture while a button is held, enter and leave, clicks,
// disabled controls, the exception barrier of the window procedure, and
// alignment.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Exception.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Panel.h"

namespace tavo::ui {
namespace {

using testing_support::Point;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

TFormLayout TestLayout() {
  TFormLayout layout;
  layout.Caption = "test";
  layout.ClientWidth = 300;
  layout.ClientHeight = 200;
  layout.BorderStyle = TBorderStyle::bsNone;
  return layout;
}

// A windowless control that writes down what reaches it.
class TProbe : public TGraphicControl {
 public:
  TProbe(TWinControl& parent, std::string name, std::vector<std::string>& log)
      : TGraphicControl(parent), name_(std::move(name)), log_(log) {}

  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    log_.push_back(name_ + " down " + std::to_string(x) + "," + std::to_string(y));
    TGraphicControl::MouseDown(b, s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    log_.push_back(name_ + " up " + std::to_string(x) + "," + std::to_string(y));
    TGraphicControl::MouseUp(b, s, x, y);
  }
  void MouseMove(TShiftState s, int x, int y) override {
    log_.push_back(name_ + " move " + std::to_string(x) + "," + std::to_string(y));
    TGraphicControl::MouseMove(s, x, y);
  }
  void MouseEnter() override { log_.push_back(name_ + " enter"); }
  void MouseLeave() override { log_.push_back(name_ + " leave"); }
  void Click() override {
    log_.push_back(name_ + " click");
    TGraphicControl::Click();
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

class ControlRoutingTest : public ::testing::Test {
 protected:
  ControlRoutingTest() : form(TestLayout()), a(form, "a", log), b(form, "b", log) {
    a.SetBounds(10, 10, 50, 50);  // b overlaps a's lower right quarter
    b.SetBounds(35, 35, 50, 50);
  }
  void Send(UINT msg, WPARAM keys, int x, int y) { SendMessageA(form.Handle(), msg, keys, Point(x, y)); }

  std::vector<std::string> log;
  TForm form;
  TProbe a;
  TProbe b;
};

TEST_F(ControlRoutingTest, MovesGoToTopmostControlInItsOwnCoordinates) {
  Send(WM_MOUSEMOVE, 0, 40, 40);
  Send(WM_MOUSEMOVE, 0, 15, 20);
  Send(WM_MOUSEMOVE, 0, 200, 150);
  EXPECT_EQ(log, (std::vector<std::string>{"b enter", "b move 5,5", "b leave", "a enter", "a move 5,10", "a leave"}));
}

TEST_F(ControlRoutingTest, PressCapturesUntilReleaseAndOutsideReleaseIsNoClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 20, 20);
  EXPECT_EQ(form.CaptureControl(), &a);
  Send(WM_MOUSEMOVE, MK_LBUTTON, 250, 150);  // off a, still a's
  Send(WM_LBUTTONUP, 0, 250, 150);
  EXPECT_EQ(form.CaptureControl(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"a down 10,10", "a move 240,140", "a up 240,140"}));
}

TEST_F(ControlRoutingTest, PressAndReleaseInsideClicksOnce) {
  int clicks = 0;
  a.OnClick = [&](TObject&) { ++clicks; };
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  Send(WM_LBUTTONUP, 0, 14, 12);
  EXPECT_EQ(clicks, 1);
  // A release without a press is no click.
  Send(WM_LBUTTONUP, 0, 14, 12);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlRoutingTest, DisabledControlGetsNoButtonsButStillCountsForHover) {
  int clicks = 0;
  a.OnClick = [&](TObject&) { ++clicks; };
  a.SetEnabled(false);
  Send(WM_MOUSEMOVE, 0, 12, 12);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  Send(WM_LBUTTONUP, 0, 12, 12);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"a enter"}));
}

TEST_F(ControlRoutingTest, ControlDisabledWhileHeldReleasesWithoutClick) {
  int clicks = 0;
  a.OnClick = [&](TObject&) { ++clicks; };
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  a.SetEnabled(false);
  Send(WM_LBUTTONUP, 0, 12, 12);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(form.CaptureControl(), nullptr);
  // Enabled again, the next press and release is a click.
  a.SetEnabled(true);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  Send(WM_LBUTTONUP, 0, 12, 12);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlRoutingTest, HiddenControlIsSkipped) {
  b.SetVisible(false);
  Send(WM_MOUSEMOVE, 0, 40, 40);
  EXPECT_EQ(log, (std::vector<std::string>{"a enter", "a move 30,30"}));
}

TEST_F(ControlRoutingTest, FailureInHandlerStaysInsideAndLoopReportsFirstOne) {
  std::vector<std::string> reported;
  Application().OnException = [&](const std::exception& e) { reported.push_back(e.what()); };
  a.OnClick = [](TObject&) { throw Exception("first failure"); };
  b.OnClick = [](TObject&) { throw Exception("second failure"); };
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 12, 12);
  Send(WM_LBUTTONUP, 0, 12, 12);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 80, 80);
  Send(WM_LBUTTONUP, 0, 80, 80);
  EXPECT_TRUE(reported.empty());  // kept until the loop looks
  Application().ReportPendingException();
  Application().ReportPendingException();
  Application().OnException = nullptr;
  EXPECT_EQ(reported, (std::vector<std::string>{"first failure"}));
}

TEST(ControlAlignTest, BottomThenClientShareTheClientArea) {
  TForm form(TestLayout());
  TPanel client(form);
  TPanel bottom(form);
  bottom.SetBounds(0, 0, 10, 41);
  bottom.SetAlign(TAlign::alBottom);
  client.SetAlign(TAlign::alClient);
  EXPECT_EQ(bottom.BoundsRect().top, 200 - 41);
  EXPECT_EQ(bottom.Width(), 300);
  EXPECT_EQ(client.Height(), 200 - 41);
  EXPECT_EQ(client.Width(), 300);
  // Children of a panel share what its bevels leave.
  bottom.SetBevelOuter(TBevelCut::bvRaised);
  bottom.SetBevelInner(TBevelCut::bvLowered);
  bottom.SetBevelWidth(2);
  TPanel inner(bottom);
  inner.SetAlign(TAlign::alClient);
  EXPECT_EQ(inner.Left(), 4);
  EXPECT_EQ(inner.Top(), 4);
  EXPECT_EQ(inner.Width(), 300 - 8);
  EXPECT_EQ(inner.Height(), 41 - 8);
}

TEST(ControlFontTest, ChildFollowsParentFontUntilItHasItsOwn) {
  TForm form(TestLayout());
  TPanel panel(form);
  TFont big;
  big.Name = "Arial";
  big.Height = -20;
  form.SetFont(big);
  EXPECT_EQ(panel.Font().Height, -20);
  TFont own = big;
  own.Height = -9;
  panel.SetFont(own);
  big.Height = -30;
  form.SetFont(big);
  EXPECT_EQ(panel.Font().Height, -9);
  panel.SetParentFont(true);
  EXPECT_EQ(panel.Font().Height, -30);
}

}  // namespace
}  // namespace tavo::ui
