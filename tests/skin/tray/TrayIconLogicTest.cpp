// The tray icon's rules on a manual clock: the click and double-click
// sequences, the popup on the press, default items, cycling, the tip and
// when the notify-icon record goes out.
#include "skin/TrayIconLogic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavo::skin {
namespace {

using M = TTrayMouseMessage;

// A tray icon whose platform is a log: every record sent, the timers as
// flags the test ticks by hand, the icon copied from a list of iconCount.
class TRecordingTray : public TTrayIconLogic {
 public:
  explicit TRecordingTray(int iconCount = -1) : iconCount_(iconCount) {
    OnClick = [this](TTrayIconLogic&) { events.push_back("click"); };
    OnDblClick = [this](TTrayIconLogic&) { events.push_back("dblclick"); };
    OnMouseDown = [this](TTrayIconLogic&, TTrayMouseButton b, TTrayShiftState s, int x, int y) {
      events.push_back("down" + Name(b, s, x, y));
    };
    OnMouseUp = [this](TTrayIconLogic&, TTrayMouseButton b, TTrayShiftState s, int x, int y) {
      events.push_back("up" + Name(b, s, x, y));
    };
    OnCycle = [this](TTrayIconLogic&, int32_t next) { cycled.push_back(next); };
  }

  std::vector<std::string> events;
  std::vector<TNotifyIconOp> sent;
  std::vector<int> shown;  // the icon index each sent record carried
  std::vector<int32_t> cycled;
  bool clickTimer = false;
  bool animateRunning = false;
  uint32_t animateInterval = 0;
  int popups = 0;
  int defaultClicks = 0;
  bool autoPopupMenu = false;
  std::string lastTip;

 protected:
  void SendNotifyIcon(TNotifyIconOp op) override {
    sent.push_back(op);
    shown.push_back(icon_);
    lastTip = Tip().data();
  }
  void SetClickTimer(bool enabled) override { clickTimer = enabled; }
  bool ClickTimerRunning() const override { return clickTimer; }
  void SetAnimateTimer(bool enabled, uint32_t interval) override {
    animateRunning = enabled;
    animateInterval = interval;
  }
  int IconListCount() const override { return iconCount_; }
  void CopyListIcon(int index) override { icon_ = index; }
  void PopupMenuAtCursor() override {
    ++popups;
    events.push_back("popup");
  }
  bool HasAutoPopupMenu() const override { return autoPopupMenu; }
  void ClickDefaultMenuItem() override { ++defaultClicks; }

 private:
  static std::string Name(TTrayMouseButton b, TTrayShiftState s, int x, int y) {
    std::string n = b == TTrayMouseButton::mbLeft ? "L" : b == TTrayMouseButton::mbRight ? "R" : "M";
    if (s.Contains(TTrayShift::ssShift)) n += "+shift";
    if (s.Contains(TTrayShift::ssLeft)) n += "+left";
    if (s.Contains(TTrayShift::ssRight)) n += "+right";
    if (s.Contains(TTrayShift::ssMiddle)) n += "+middle";
    return n + "@" + std::to_string(x) + "," + std::to_string(y);
  }
  int iconCount_;
  int icon_ = -1;
};

constexpr TPoint kAt{700, 1010};

void Send(TRecordingTray& t, M m, TTrayShiftState keys = {}) { t.HandleTrayMouse(m, keys, kAt); }

TEST(TrayClicks, SingleClickIsReportedWhenTheDoubleClickTimeRunsOut) {
  TRecordingTray t;
  Send(t, M::tmLButtonDown);
  EXPECT_TRUE(t.clickTimer);
  Send(t, M::tmLButtonUp);
  EXPECT_EQ(t.events, (std::vector<std::string>{"downL+left@700,1010", "upL+left@700,1010"}));
  t.ClickTimerTick();
  EXPECT_FALSE(t.clickTimer);
  EXPECT_EQ(t.events.back(), "click");
  EXPECT_EQ(t.events.size(), 3u);
  // A later tick (the timer ran again for another reason) reports nothing.
  t.ClickTimerTick();
  EXPECT_EQ(t.events.size(), 3u);
}

TEST(TrayClicks, ReleaseAfterTheDoubleClickTimeIsTheClick) {
  TRecordingTray t;
  Send(t, M::tmLButtonDown);
  t.ClickTimerTick();  // the press is held past the double-click time
  EXPECT_EQ(t.events.size(), 1u);
  Send(t, M::tmLButtonUp);
  EXPECT_EQ(t.events, (std::vector<std::string>{"downL+left@700,1010", "click", "upL+left@700,1010"}));
}

TEST(TrayClicks, DoubleClickReportsDblClickAndNoClick) {
  TRecordingTray t;
  Send(t, M::tmLButtonDown);
  Send(t, M::tmLButtonUp);
  Send(t, M::tmLButtonDblClk);
  Send(t, M::tmLButtonUp);
  t.ClickTimerTick();
  EXPECT_EQ(t.events, (std::vector<std::string>{"downL+left@700,1010", "upL+left@700,1010", "dblclick",
                                                "upL+left@700,1010"}));
  // The machine starts clean: the next single click is reported again.
  t.events.clear();
  Send(t, M::tmLButtonDown);
  Send(t, M::tmLButtonUp);
  t.ClickTimerTick();
  EXPECT_EQ(t.events.back(), "click");
}

TEST(TrayClicks, ShiftKeysJoinTheButtonOfTheMessage) {
  TRecordingTray t;
  Send(t, M::tmRButtonUp, {TTrayShift::ssShift});
  Send(t, M::tmMButtonDown);
  Send(t, M::tmMButtonUp);
  EXPECT_EQ(t.events,
            (std::vector<std::string>{"upR+shift+right@700,1010", "downM+middle@700,1010", "upM+middle@700,1010"}));
}

TEST(TrayClicks, DisabledIconIgnoresEveryMouseMessage) {
  TRecordingTray t;
  t.Enabled = false;
  for (M m : {M::tmLButtonDown, M::tmLButtonUp, M::tmLButtonDblClk, M::tmRButtonDown, M::tmMouseMove})
    Send(t, m);
  EXPECT_TRUE(t.events.empty());
  EXPECT_FALSE(t.clickTimer);
  EXPECT_EQ(t.popups, 0);
}

TEST(TrayPopup, RightPressPopsTheMenuUpOnThePressNotTheRelease) {
  TRecordingTray t;
  Send(t, M::tmRButtonDown);
  EXPECT_EQ(t.events, (std::vector<std::string>{"downR+right@700,1010", "popup"}));
  Send(t, M::tmRButtonUp);
  EXPECT_EQ(t.popups, 1);
  Send(t, M::tmLButtonDown);
  EXPECT_EQ(t.popups, 1);  // the left button only with PopupByLeftButton
}

TEST(TrayPopup, DoubleClickClicksTheDefaultItemUnlessTheLeftButtonPopsUp) {
  TRecordingTray t;
  t.autoPopupMenu = true;
  Send(t, M::tmLButtonDblClk);
  EXPECT_EQ(t.defaultClicks, 1);

  TRecordingTray byLeft;
  byLeft.autoPopupMenu = true;
  byLeft.PopupByLeftButton = true;
  Send(byLeft, M::tmLButtonDown);
  EXPECT_EQ(byLeft.popups, 1);
  Send(byLeft, M::tmLButtonDblClk);
  EXPECT_EQ(byLeft.defaultClicks, 0);

  TRecordingTray noMenu;
  Send(noMenu, M::tmLButtonDblClk);
  EXPECT_EQ(noMenu.defaultClicks, 0);
}

TEST(TrayCycling, ThreeIconsStepOneTwoZeroOne) {
  TRecordingTray t(3);
  t.SetAnimateTimerInterval(200);
  t.SetCycleIcons(true);
  EXPECT_TRUE(t.animateRunning);
  EXPECT_EQ(t.animateInterval, 200u);
  std::vector<int> shownAfterTick;
  for (int i = 0; i < 4; ++i) {
    t.AnimateTick();
    shownAfterTick.push_back(t.shown.back());
  }
  EXPECT_EQ(t.cycled, (std::vector<int32_t>{1, 2, 0, 1}));
  EXPECT_EQ(shownAfterTick, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(t.IconIndex(), 1);
  t.SetCycleIcons(false);
  EXPECT_FALSE(t.animateRunning);
}

TEST(TrayCycling, ZeroIntervalKeepsTheTimerStopped) {
  TRecordingTray t(3);
  t.SetCycleIcons(true);
  EXPECT_FALSE(t.animateRunning);
  t.SetAnimateTimerInterval(150);
  EXPECT_TRUE(t.animateRunning);
  t.SetAnimateTimerInterval(0);
  EXPECT_FALSE(t.animateRunning);
}

TEST(TrayCycling, TickWithoutListDoesNothing) {
  TRecordingTray t;
  t.AnimateTick();
  EXPECT_TRUE(t.cycled.empty());
  EXPECT_TRUE(t.sent.empty());
}

TEST(TrayIconIndex, BeyondTheListIsLoweredToTheLastIcon) {
  TRecordingTray t(3);
  t.SetIconIndex(7);
  EXPECT_EQ(t.IconIndex(), 2);
  EXPECT_EQ(t.shown.back(), 2);
  TRecordingTray noList;
  noList.SetIconIndex(5);
  EXPECT_EQ(noList.IconIndex(), 0);
  // An empty list is open ground; it must not copy an icon that is not there.
  TRecordingTray empty(0);
  empty.SetIconIndex(1);
  EXPECT_EQ(empty.shown.back(), -1);
}

TEST(TrayTip, CutAt127CharactersAndEmptyWhenNotShown) {
  const std::string hint(200, 'x');
  const auto tip = TrayTip(hint, true);
  EXPECT_EQ(std::string(tip.data()), std::string(127, 'x'));
  EXPECT_EQ(tip[127], '\0');
  const auto hidden = TrayTip(hint, false);
  for (char c : hidden) EXPECT_EQ(c, '\0');
  const auto short_ = TrayTip("呼叫中心", true);
  EXPECT_EQ(std::string(short_.data()), "呼叫中心");

  TRecordingTray t;
  t.SetHint(hint);
  EXPECT_EQ(t.lastTip.size(), 127u);
  t.SetShowHint(false);
  EXPECT_EQ(t.lastTip, "");
  EXPECT_EQ(t.sent, (std::vector<TNotifyIconOp>{TNotifyIconOp::nimModify, TNotifyIconOp::nimModify}));
}

TEST(TrayRecord, VisibilityAddsAndRemoves) {
  TRecordingTray t;
  t.SetIconVisible(false);
  EXPECT_FALSE(t.IconVisible());
  t.SetIconVisible(true);
  EXPECT_TRUE(t.IconVisible());
  EXPECT_EQ(t.sent, (std::vector<TNotifyIconOp>{TNotifyIconOp::nimDelete, TNotifyIconOp::nimAdd}));
}

TEST(TrayRecord, InsideADesignerOnlyThePreviewSends) {
  TRecordingTray t;
  t.Designing = true;
  t.SetIconVisible(true);
  t.SetHint("tip");
  EXPECT_TRUE(t.sent.empty());
  t.SetDesignPreview(true);  // shown, IconVisible unchanged
  t.SetIconVisible(false);   // stored only
  EXPECT_FALSE(t.IconVisible());
  t.SetHint("tip 2");  // the preview lets updates through
  t.SetDesignPreview(false);
  EXPECT_FALSE(t.IconVisible());
  EXPECT_EQ(t.sent,
            (std::vector<TNotifyIconOp>{TNotifyIconOp::nimAdd, TNotifyIconOp::nimModify, TNotifyIconOp::nimDelete}));
}

TEST(TrayRecord, PreviewOutsideADesignerKeepsIconVisible) {
  TRecordingTray t;
  t.SetIconVisible(false);
  t.SetDesignPreview(true);
  EXPECT_FALSE(t.IconVisible());
  EXPECT_EQ(t.sent.back(), TNotifyIconOp::nimAdd);
}

}  // namespace
}  // namespace tavo::skin
