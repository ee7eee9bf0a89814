// Mouse enter and leave of the shadow label and its accelerator, on a form
// shown on the display. The real cursor is put where the mouse messages say
// it is, because the label asks the system what lies under the cursor.
#include <string>
#include <vector>

#include "LabelTestSupport.h"
#include "ui/Application.h"
#include "ui/Edit.h"

namespace tavo::widgets::test {
namespace {

class MouseTest : public LabelFixture {
 protected:
  void SetUp() override {
    LabelFixture::SetUp();
    label_ = std::make_unique<TShadowLabel>(*panel_);
    label_->SetAutoSize(false);
    label_->SetBounds(100, 40, 120, 30);
    label_->SetCaption(kInstallCaption);
    label_->OnMouseEnter = [this](ui::TObject&) { events_.push_back("enter"); };
    label_->OnMouseLeave = [this](ui::TObject&) { events_.push_back("leave"); };
    label_->OnClick = [this](ui::TObject&) { events_.push_back("click"); };
    // Park the cursor away from the form, then show it and let it settle.
    SetCursorPos(kFormLeft + kFormWidth + 100, kFormTop + kFormHeight + 100);
    form_->Show();
    ui::Application().ProcessMessages();
    Sleep(50);
    ui::Application().ProcessMessages();
    ASSERT_EQ(GetWindowThreadProcessId(GetForegroundWindow(), nullptr), GetCurrentThreadId());
    // Cursor moves of earlier tests may still arrive while the form is new:
    // one move away from the label puts it outside.
    Send(WM_MOUSEMOVE, kOffX, kOffY);
    ASSERT_FALSE(label_->MouseInside());
    events_.clear();
  }

  void TearDown() override {
    label_.reset();
    LabelFixture::TearDown();
  }

  // Puts the cursor on a point of the panel's client area and sends the
  // message the panel gets for it. The cursor must really be there, since
  // the label's re-checks ask the system where it is.
  void Send(UINT msg, int x, int y, WPARAM keys = 0) {
    POINT screen{x, y};
    ClientToScreen(panel_->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    POINT now{};
    GetCursorPos(&now);
    ASSERT_EQ(now.x, screen.x);
    ASSERT_EQ(now.y, screen.y);
    SendMessageA(panel_->Handle(), msg, keys, MAKELPARAM(x, y));
  }

  // Points on the label and beside it, in the panel's coordinates.
  static constexpr int kOnX = 150, kOnY = 55;
  static constexpr int kOffX = 300, kOffY = 120;

  std::unique_ptr<TShadowLabel> label_;
  std::vector<std::string> events_;
};

using Events = std::vector<std::string>;

TEST_F(MouseTest, EnteringAndLeavingAreReportedOnce) {
  Send(WM_MOUSEMOVE, kOffX, kOffY);
  EXPECT_EQ(events_, Events{});
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  Send(WM_MOUSEMOVE, kOnX + 5, kOnY + 2);
  EXPECT_EQ(events_, Events{"enter"});
  EXPECT_TRUE(label_->MouseInside());
  Send(WM_MOUSEMOVE, kOffX, kOffY);
  EXPECT_EQ(events_, (Events{"enter", "leave"}));
  EXPECT_FALSE(label_->MouseInside());
}

TEST_F(MouseTest, PressHeldWhileLeavingReportsLeavingAtTheRelease) {
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  Send(WM_LBUTTONDOWN, kOnX, kOnY, MK_LBUTTON);
  Send(WM_MOUSEMOVE, kOffX, kOffY, MK_LBUTTON);
  // Still inside while the press lasts.
  EXPECT_EQ(events_, Events{"enter"});
  EXPECT_TRUE(label_->MouseInside());
  Send(WM_LBUTTONUP, kOffX, kOffY);
  // Released off the label: no click, and now it has left.
  EXPECT_EQ(events_, (Events{"enter", "leave"}));
  EXPECT_FALSE(label_->MouseInside());
}

TEST_F(MouseTest, PressHeldOutAndBackClicksWithoutLeaving) {
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  Send(WM_LBUTTONDOWN, kOnX, kOnY, MK_LBUTTON);
  Send(WM_MOUSEMOVE, kOffX, kOffY, MK_LBUTTON);
  Send(WM_MOUSEMOVE, kOnX, kOnY, MK_LBUTTON);
  Send(WM_LBUTTONUP, kOnX, kOnY);
  EXPECT_EQ(events_, (Events{"enter", "click"}));
  EXPECT_TRUE(label_->MouseInside());
  Send(WM_MOUSEMOVE, kOffX, kOffY);
  EXPECT_EQ(events_, (Events{"enter", "click", "leave"}));
}

TEST_F(MouseTest, ReleasesAndRightPressesRecheckTheCursor) {
  // The cursor arrives without a move message: nothing is known yet.
  POINT on{kOnX, kOnY};
  ClientToScreen(panel_->Handle(), &on);
  SetCursorPos(on.x, on.y);
  EXPECT_EQ(events_, Events{});
  Send(WM_RBUTTONDOWN, kOnX, kOnY, MK_RBUTTON);
  EXPECT_EQ(events_, Events{"enter"});
  Send(WM_RBUTTONUP, kOnX, kOnY);
  EXPECT_EQ(events_, Events{"enter"});

  // A press with capture, the cursor moved away without a move message: the
  // release finds it gone.
  Send(WM_MBUTTONDOWN, kOnX, kOnY, MK_MBUTTON);
  Send(WM_MBUTTONUP, kOffX, kOffY);
  EXPECT_EQ(events_, (Events{"enter", "leave"}));
}

TEST_F(MouseTest, DisablingLeavesAndEnablingUnderTheCursorEnters) {
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  label_->SetEnabled(false);
  EXPECT_EQ(events_, (Events{"enter", "leave"}));
  // A disabled label reports neither.
  Send(WM_MOUSEMOVE, kOffX, kOffY);
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  EXPECT_EQ(events_, (Events{"enter", "leave"}));
  label_->SetEnabled(true);
  EXPECT_EQ(events_, (Events{"enter", "leave", "enter"}));
  // Disabling while a press is held still leaves: the press rule keeps only
  // an enabled label inside.
  Send(WM_LBUTTONDOWN, kOnX, kOnY, MK_LBUTTON);
  label_->SetEnabled(false);
  EXPECT_EQ(events_, (Events{"enter", "leave", "enter", "leave"}));
  Send(WM_LBUTTONUP, kOnX, kOnY);
  EXPECT_EQ(events_, (Events{"enter", "leave", "enter", "leave"}));
}

TEST_F(MouseTest, BecomingVisibleUnderTheCursorEnters) {
  label_->SetVisible(false);
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  EXPECT_EQ(events_, Events{});
  label_->SetVisible(true);
  EXPECT_EQ(events_, Events{"enter"});
}

TEST_F(MouseTest, NoEnteringWhileAnotherProgramIsActive) {
  // The desktop window belongs to another process under Wine and Windows.
  SetForegroundWindow(GetDesktopWindow());
  if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == GetCurrentThreadId())
    GTEST_SKIP() << "the system kept this program active";
  Send(WM_MOUSEMOVE, kOnX, kOnY);
  EXPECT_EQ(events_, Events{});
  EXPECT_FALSE(label_->MouseInside());
}

using AcceleratorTest = LabelFixture;

TEST_F(AcceleratorTest, AltAndTheAcceleratorFocusTheFocusControl) {
  ui::TEdit first(*panel_);
  first.SetBounds(10, 10, 100, 24);
  ui::TEdit target(*panel_);
  target.SetBounds(10, 60, 100, 24);
  auto label = std::make_unique<TShadowLabel>(*panel_);
  label->SetBounds(150, 10, 100, 30);
  label->SetCaption("&Install");
  label->SetFocusControl(&target);
  form_->Show();
  first.SetFocus();
  ASSERT_EQ(GetFocus(), first.Handle());

  // Through the message loop, as Alt+I arrives.
  auto press = [&](char key) {
    PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 0);
    ui::Application().ProcessMessages();
  };
  press('x');
  EXPECT_EQ(GetFocus(), first.Handle());
  label->SetEnabled(false);
  press('i');
  EXPECT_EQ(GetFocus(), first.Handle());
  label->SetEnabled(true);
  label->SetShowAccelChar(false);
  press('i');
  EXPECT_EQ(GetFocus(), first.Handle());
  label->SetShowAccelChar(true);
  press('I');
  EXPECT_EQ(GetFocus(), target.Handle());
  form_->Hide();
}

TEST_F(AcceleratorTest, DestroyedFocusControlIsForgotten) {
  auto target = std::make_unique<ui::TEdit>(*panel_);
  TShadowLabel label(*panel_);
  label.SetCaption("&Install");
  label.SetShowFocus(true);
  label.SetFocusControl(target.get());
  form_->Show();
  EXPECT_TRUE(label.DialogChar('i'));
  target.reset();
  EXPECT_EQ(label.FocusControl(), nullptr);
  EXPECT_FALSE(label.DialogChar('i'));
  // Painting with the focus frame on must not reach for the old control.
  EXPECT_GT(PaintPanel()->Count(label.BoundsRect(), ui::ColorToRGB(ui::clWindowText)), 0);
  form_->Hide();
}

}  // namespace
}  // namespace tavo::widgets::test
