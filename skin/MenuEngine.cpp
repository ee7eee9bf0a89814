// The menu engine's logic: opening, items, keys, hover, scrolling, closing.
#include "skin/MenuEngine.h"

#include <algorithm>

namespace tavo::skin {

TMenuEngine::~TMenuEngine() { popups_.clear(); }

int TMenuEngine::IndexOf(const TPopupLogic& popup) const {
  for (size_t i = 0; i < popups_.size(); ++i)
    if (popups_[i].logic.get() == &popup) return static_cast<int>(i);
  return -1;
}

TMenuEngine::TOpenPopup& TMenuEngine::Entry(const TPopupLogic& popup) {
  return popups_.at(static_cast<size_t>(IndexOf(popup)));
}

void TMenuEngine::StopDelay() {
  if (delayRunning_) host_.SetDelayTimer(false);
  delayRunning_ = false;
}

void TMenuEngine::StartDelay() {
  host_.SetDelayTimer(true);
  delayRunning_ = true;
}

void TMenuEngine::Redraw(TPopupLogic& popup, int index) {
  if (IndexOf(popup) < 0) return;
  TPopupSurface& surface = *Entry(popup).surface;
  // A morphing item is not drawn in its new state at once: the morph
  // timer blends it there.
  if (popup.Morphing() && popup.Items().at(static_cast<size_t>(index)).MorphUnderWay())
    surface.SetMorphTimer(true);
  else
    surface.RedrawItem(index);
}

void TMenuEngine::MorphTick(TPopupLogic& popup) {
  if (IndexOf(popup) < 0) return;
  TPopupSurface& surface = *Entry(popup).surface;
  std::vector<int> moved;
  if (!popup.MorphTick(moved)) {
    surface.SetMorphTimer(false);
    return;
  }
  for (int index : moved) surface.RedrawItem(index);
}

std::vector<uint8_t> TMenuEngine::AlphaSteps() const {
  if (!AlphaBlend || !const_cast<TMenuEngineHost&>(host_).CanUseLayeredWindows()) return {};
  if (!(first_ && AlphaAnimation)) return {AlphaValue};
  // The first popup fades in by 3 at a time, the last step cut to the value.
  std::vector<uint8_t> steps;
  for (int a = 3; a < AlphaValue; a += 3) steps.push_back(static_cast<uint8_t>(a));
  steps.push_back(AlphaValue);
  return steps;
}

void TMenuEngine::Popup(const void* control, const TSkinData* data, bool upward, TMenuItem& item,
                        const TRect& anchor, int start) {
  first_ = !visible_;
  // A menu still open is closed for the control that opened it; the new
  // control is not told of a close before its own menu shows.
  if (!popups_.empty() || visible_) CloseFrom(0);
  popupControl_ = control;
  workArea_ = host_.WorkArea();
  skinData_ = data;
  if (item.Count() == 0 || start < 0 || start >= item.Count()) return;
  visible_ = true;
  OpenPopup(item, anchor, false, upward, start);
  first_ = false;
}

void TMenuEngine::OpenPopup(TMenuItem& item, const TRect& anchor, bool submenu, bool upward, int start) {
  if (AlphaBlend && AlphaAnimation && first_ && host_.CanUseLayeredWindows()) host_.ProcessMessages();
  TPopupBuild build;
  build.Look = PopupLookFrom(skinData_);
  build.Font = DefMenuItemFont;
  if (build.Look.Skinned() && UseSkinFont) {
    const TSkinFont& f = build.Look.ItemRecord->font;
    build.Font = TButtonFont{f.name, f.height, f.style, DefMenuItemFont.Charset};
  }
  if (skinData_ && skinData_->ResourceStrData()) build.Font.Charset = skinData_->ResourceStrData()->CharSet;
  build.Text = &host_.TextPainter();
  TMenu* menu = item.Menu();
  build.Images = menu ? menu->Images : nullptr;
  build.Colors = host_.Colors();
  build.DefaultItemHeight = DefMenuItemHeight;
  build.MaxItemsInWindow = MaxMenuItemsInWindow;
  build.WorkArea = workArea_;

  TOpenPopup open;
  open.logic = std::make_unique<TPopupLogic>(item, start, build);
  TPopupLogic& popup = *open.logic;
  popup.Place(anchor, workArea_, submenu, upward);
  popups_.push_back(std::move(open));
  popups_.back().surface = host_.CreatePopup(*this, popup);
  TPopupSurface& surface = *popups_.back().surface;
  surface.Show(popup.ScreenBounds(), popup.Region(), AlphaSteps());
  surface.SetMouseTimer(true);
  popup.ActiveIndex = -1;
  const int firstItem = popup.FirstSelectable();
  if (firstItem >= 0) {
    popup.Items()[firstItem].WaitCommand = true;
    popup.ActiveIndex = firstItem;
    ActivateItem(popup, firstItem, true);
  }
}

void TMenuEngine::CloseFrom(int n) {
  n = std::max(n, 0);
  while (static_cast<int>(popups_.size()) > n) {
    // Take it out of the list before destroying it, so that nothing the
    // window does while it goes finds it still open.
    TOpenPopup gone = std::move(popups_.back());
    popups_.pop_back();
    if (waitingPopup_ == gone.logic.get()) {
      StopDelay();
      waiting_ = nullptr;
      waitingPopup_ = nullptr;
    }
  }
  if (n == 0) {
    visible_ = false;
    StopDelay();
    doneControl_ = popupControl_;
    if (popupControl_) host_.NotifyControl(popupControl_, kMsgCloseSkinMenus);
  }
}

void TMenuEngine::CloseAll() {
  CloseFrom(0);
  StopDelay();
  waiting_ = nullptr;
  waitingPopup_ = nullptr;
  host_.NotifyOwnerClosed();
}

void TMenuEngine::ActivateItem(TPopupLogic& popup, int index, bool keyboard) {
  auto& items = popup.Items();
  TSkinMenuItem& it = items.at(static_cast<size_t>(index));
  it.Active = true;
  for (int i = 0; i < popup.Count(); ++i)
    if (i != index && items[i].Down) {
      items[i].Down = false;
      Redraw(popup, i);
    }
  const int at = IndexOf(popup);
  if (it.WaitCommand && !keyboard) {
    Redraw(popup, index);
  } else if (it.Down) {
    CloseFrom(at + 2);
  } else {
    Redraw(popup, index);
    if (it.Item->Count() == 0 || !keyboard) {
      CloseFrom(at + 1);
      StopDelay();
      if (it.Item->Count() > 0) {
        waiting_ = it.Item;
        waitingPopup_ = &popup;
        StartDelay();
      }
    }
  }
}

void TMenuEngine::DeactivateItem(TPopupLogic& popup, int index) {
  TSkinMenuItem& it = popup.Items().at(static_cast<size_t>(index));
  it.Active = false;
  it.WaitCommand = false;
  if (!it.Down) Redraw(popup, index);
  if (waiting_ == it.Item && waitingPopup_ == &popup) {
    StopDelay();
    waiting_ = nullptr;
    waitingPopup_ = nullptr;
  }
}

void TMenuEngine::ExecuteItem(TPopupLogic& popup, int index) {
  TSkinMenuItem& it = popup.Items().at(static_cast<size_t>(index));
  it.WaitCommand = false;
  if (it.Down || !it.Item->Enabled) return;
  TMenuItem& item = *it.Item;
  TMenu* menu = item.Menu();
  const int command = item.Command();
  if (item.Count() == 0) {
    StopDelay();
    // Every popup is gone before the command runs, so a command that opens
    // a modal window finds no menu open.
    CloseAll();
    if (!menu || !menu->DispatchCommand(command)) item.Click();
    if (doneControl_) host_.NotifyControl(doneControl_, kMsgMenuCommandDone);
    doneControl_ = nullptr;
    return;
  }
  if (!menu || !menu->DispatchCommand(command)) item.Click();
  if (IndexOf(popup) < 0) return;  // the click closed the menu
  StopDelay();
  it.Down = true;
  TRect anchor = it.ObjectRect;
  const TPoint at = popup.Position();
  anchor = TRect{anchor.left + at.x, anchor.top + at.y, anchor.right + at.x, anchor.bottom + at.y};
  OpenPopup(item, anchor, true, false, 0);
}

void TMenuEngine::DelayElapsed() {
  StopDelay();
  TMenuItem* item = waiting_;
  TPopupLogic* popup = waitingPopup_;
  waiting_ = nullptr;
  waitingPopup_ = nullptr;
  if (!item || !popup || IndexOf(*popup) < 0) return;
  for (int i = 0; i < popup->Count(); ++i)
    if (popup->Items()[i].Item == item) {
      ExecuteItem(*popup, i);
      return;
    }
}

void TMenuEngine::MoveByKeyboard(TPopupLogic& popup, int to, bool down) {
  if (to < 0) return;
  const int from = popup.ActiveIndex;
  if (from >= 0 && from != to) DeactivateItem(popup, from);
  popup.ActiveIndex = to;
  const int start = popup.VisibleStart();
  popup.ScrollIntoView(to, down);
  if (popup.VisibleStart() != start) Entry(popup).surface->Repaint();
  ActivateItem(popup, to, true);
}

void TMenuEngine::EscapeLast() {
  CloseFrom(PopupCount() - 1);
  if (PopupCount() == 0) return;
  TPopupLogic& last = *popups_.back().logic;
  if (TSkinMenuItem* active = last.Active()) {
    active->Down = false;
    Redraw(last, last.ActiveIndex);
  }
}

bool TMenuEngine::KeyDown(unsigned key) {
  if (popups_.empty()) return false;
  TPopupLogic& popup = *popups_.back().logic;
  const int accel = popup.AcceleratorItem(key);
  if (accel >= 0) {
    if (popup.ActiveIndex >= 0 && popup.ActiveIndex != accel) DeactivateItem(popup, popup.ActiveIndex);
    popup.ActiveIndex = accel;
    ActivateItem(popup, accel, true);
    ExecuteItem(popup, accel);
    return false;
  }
  switch (key) {
    case kVkReturn:
      if (popup.Active()) ExecuteItem(popup, popup.ActiveIndex);
      return false;
    case kVkEscape:
      EscapeLast();
      return PopupCount() == 0;
    case kVkLeft:
      if (PopupCount() >= 2) EscapeLast();
      return false;
    case kVkUp:
      MoveByKeyboard(popup, popup.PreviousSelectable(), false);
      return false;
    case kVkDown:
      MoveByKeyboard(popup, popup.NextSelectable(), true);
      return false;
    case kVkHome:
      MoveByKeyboard(popup, popup.FirstSelectable(), false);
      return false;
    case kVkEnd:
      MoveByKeyboard(popup, popup.LastSelectable(), true);
      return false;
    case kVkRight:
      if (popup.Active() && popup.Active()->Item->Count() > 0) ExecuteItem(popup, popup.ActiveIndex);
      return false;
    default:
      return false;
  }
}

void TMenuEngine::StopScroll(TPopupLogic& popup) {
  if (popup.ScrollCode == 0) return;
  popup.ScrollCode = 0;
  TPopupSurface& surface = *Entry(popup).surface;
  surface.SetScrollTimer(false);
  surface.Repaint();
}

void TMenuEngine::Hover(TPopupLogic& popup, int x, int y) {
  if (popup.Scroll()) {
    const auto inside = [x, y](const TRect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
    const bool upper = inside(UpperScrollZone(popup.ItemsRect()));
    const bool lower = inside(LowerScrollZone(popup.ItemsRect()));
    const int code = upper && popup.VisibleStart() > 0 ? 1 : lower && popup.LastVisible() < popup.Count() - 1 ? 2 : 0;
    if (popup.ScrollCode == 0 && code != 0) {
      popup.ScrollCode = code;
      TPopupSurface& surface = *Entry(popup).surface;
      surface.Repaint();
      CloseFrom(IndexOf(popup) + 1);
      surface.SetScrollTimer(true);
    } else if (popup.ScrollCode != 0 && !upper && !lower) {
      StopScroll(popup);
    }
  }
  const int hit = popup.ItemAt(x, y);
  if (hit < 0) return;
  auto& items = popup.Items();
  if (hit == popup.ActiveIndex) {
    TSkinMenuItem& it = items[hit];
    if (it.WaitCommand) {
      it.WaitCommand = false;
      if (it.Item->Count() > 0) ActivateItem(popup, hit, false);
    }
    return;
  }
  const int previous = popup.ActiveIndex;
  if (previous >= 0 && items[previous].Selectable()) DeactivateItem(popup, previous);
  else if (previous >= 0) items[previous].Active = false;
  popup.ActiveIndex = hit;
  if (items[hit].Selectable()) ActivateItem(popup, hit, false);
}

void TMenuEngine::MouseTick(TPopupLogic& popup, TPoint cursor, bool overPopup) {
  if (IndexOf(popup) < 0) return;
  TOpenPopup& entry = Entry(popup);
  if (cursor == entry.lastMouse) return;
  entry.lastMouse = cursor;
  if (overPopup)
    Hover(popup, cursor.x, cursor.y);
  else
    StopScroll(popup);
}

void TMenuEngine::LeftButtonUp(TPopupLogic& popup, int x, int y) {
  Hover(popup, x, y);
  if (IndexOf(popup) < 0) return;
  const int hit = popup.ItemAt(x, y);
  if (hit >= 0 && !popup.Items()[hit].Item->IsLine() && popup.Active()) ExecuteItem(popup, popup.ActiveIndex);
}

void TMenuEngine::ScrollTick(TPopupLogic& popup) {
  if (IndexOf(popup) < 0) return;
  if (popup.ScrollCode == 1 && popup.VisibleStart() > 0) {
    popup.SetVisibleStart(popup.VisibleStart() - 1);
  } else if (popup.ScrollCode == 2 && popup.LastVisible() < popup.Count() - 1) {
    popup.SetVisibleStart(popup.VisibleStart() + 1);
  } else {
    StopScroll(popup);
    return;
  }
  Entry(popup).surface->Repaint();
}

}  // namespace tavo::skin
