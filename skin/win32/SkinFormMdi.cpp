// The skinned frame's multi-document rows: the parent's client window
// (procedure and background), children maximized in the parent's frame and
// lending it their caption, minimized children in slots, the messages
// between parent and children, the window-menu items and the form-active
// flag.
#include "skin/FrameBackground.h"
#include "skin/FrameObjects.h"
#include "skin/SkinFormat.h"
#include "skin/win32/DibSection.h"
#include "skin/win32/SkinBroadcast.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinFormStates.h"
#include "ui/Application.h"

namespace tavo::skin {

namespace {

TMdiEdge EdgeOf(ui::TAlign align) {
  switch (align) {
    case ui::TAlign::alLeft: return TMdiEdge::Left;
    case ui::TAlign::alTop: return TMdiEdge::Top;
    case ui::TAlign::alRight: return TMdiEdge::Right;
    case ui::TAlign::alBottom: return TMdiEdge::Bottom;
    default: return TMdiEdge::Other;
  }
}

// The client window's own procedure wrapper: stays valid as long as the
// frame that installed it.
struct TClientProc {
  TSkinForm* frame;
  void (TSkinForm::*proc)(ui::TMessage&);
  void operator()(ui::TMessage& m) const { (frame->*proc)(m); }
};

}  // namespace

bool TSkinForm::IsMdiForm() const { return dynamic_cast<const ui::TMdiForm*>(&form_) != nullptr; }
bool TSkinForm::IsMdiChild() const { return MdiChild() != nullptr; }

ui::TMdiChildForm* TSkinForm::MdiChild() const { return dynamic_cast<ui::TMdiChildForm*>(&form_); }

TSkinForm* TSkinForm::MdiParentFrame() const {
  ui::TMdiChildForm* child = MdiChild();
  return child ? FindSkinForm(child->MdiParent()) : nullptr;
}

std::string TSkinForm::MdiItemName() const {
  return MdiChildItemName(form_.Name.empty() ? form_.Caption() : form_.Name);
}

TRect TSkinForm::MdiClientArea() const {
  std::vector<TMdiAlignedControl> controls;
  for (const ui::TControl* c : form_.Controls()) {
    if (!c->Visible()) continue;
    controls.push_back({EdgeOf(c->Align()), TRect{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()}});
  }
  return skin::MdiClientArea(form_.ClientWidth(), form_.ClientHeight(), controls);
}

TBitmap TSkinForm::ComposeMdiClientBackground(int width, int height) {
  TClientBackgroundInput input;
  input.Skin = Skinned() ? skinData_ : nullptr;
  input.MdiClient = true;
  input.PlainColor = GetSysColor(COLOR_APPWORKSPACE);
  input.Logo = &logo_;
  input.LogoTransparent = LogoBitMapTransparent;
  return PaintClientBackground(input, width, height);
}

void TSkinForm::MdiRefreshBars() {
  if (MdiBars.RefreshMainMenuBar) MdiBars.RefreshMainMenuBar();
  if (MdiBars.RefreshTabsBar) MdiBars.RefreshTabsBar();
}

bool TSkinForm::HookClientWindow() {
  auto* mdi = dynamic_cast<ui::TMdiForm*>(&form_);
  if (!mdi || clientHooked_ || Designing) return false;
  clientPrevious_ = mdi->Client().WindowProc;
  mdi->Client().WindowProc = TClientProc{this, &TSkinForm::MdiClientProc};
  clientHooked_ = true;
  SetWindowPos(mdi->ClientHandle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void TSkinForm::UnhookClientWindow() {
  auto* mdi = dynamic_cast<ui::TMdiForm*>(&form_);
  if (!mdi || !clientHooked_) return;
  const TClientProc* top = mdi->Client().WindowProc.target<TClientProc>();
  if (top && top->frame == this) mdi->Client().WindowProc = clientPrevious_;
  clientHooked_ = false;
}

void TSkinForm::MdiClientProc(ui::TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(m.Wnd, &r);
      try {
        const TBitmap background = ComposeMdiClientBackground(r.right, r.bottom);
        if (!background.Empty()) win32::DrawBitmap(reinterpret_cast<HDC>(m.WParam), 0, 0, background);
      } catch (...) {
        // The system asks again at once; an error box per erase would follow.
      }
      m.Result = 1;
      return;
    }
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      // No border of its own: the client is the whole window.
      m.Result = 0;
      return;
    case WM_NCACTIVATE:
      m.Result = 1;
      return;
    case WM_SIZE:
      clientPrevious_(m);
      RefitMdiChildren();
      if (!logo_.Empty()) InvalidateRect(m.Wnd, nullptr, TRUE);
      return;
    default:
      clientPrevious_(m);
      return;
  }
}

void TSkinForm::RefitMdiChildren() {
  auto* mdi = dynamic_cast<ui::TMdiForm*>(&form_);
  if (!mdi) return;
  for (ui::TMdiChildForm* child : mdi->Children())
    if (child->HandleAllocated()) SendMessageA(child->Handle(), MsgMdiParentResized, 0, 0);
  // The minimized ones go back to their slots, each taking the next one.
  std::vector<TPoint> taken;
  const TRect area = MdiClientArea();
  for (ui::TMdiChildForm* child : mdi->Children()) {
    TSkinForm* frame = FindSkinForm(*child);
    if (!frame || !child->Visible() || frame->WindowState() != TWindowState::wsMinimized) continue;
    const TPoint size = MinimumFrameSize(frame->SizeLimits());
    const TPoint slot = MdiMinimizedSlot(area, size.x, size.y, taken);
    taken.push_back(slot);
    child->SetBounds(slot.x, slot.y, size.x, size.y);
  }
}

void TSkinForm::RepaintMdiClient() {
  auto* mdi = dynamic_cast<ui::TMdiForm*>(&form_);
  if (!mdi || !mdi->Client().HandleAllocated()) return;
  RedrawWindow(mdi->ClientHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  RefitMdiChildren();
}

TRect TSkinForm::MdiSnapArea() const {
  TSkinForm* parentFrame = MdiParentFrame();
  if (!parentFrame || !parentFrame->Wnd()) return TRect{};
  const TRect area = parentFrame->MdiClientArea();
  POINT origin{0, 0};
  ClientToScreen(parentFrame->Wnd(), &origin);
  return TRect{area.left + origin.x, area.top + origin.y, area.right + origin.x, area.bottom + origin.y};
}

void TSkinForm::MdiCaptionDoubleClick(bool sizeable) {
  const TWindowState state = mdiWindowState_;
  if (sizeable && state == TWindowState::wsMinimized)
    ChangeMdiChildState(TWindowState::wsNormal);
  else if (sizeable && state == TWindowState::wsNormal && !RolledUp() && borderIcons_.Contains(TBorderIcon::biMaximize))
    ChangeMdiChildState(TWindowState::wsMaximized);
  else if (sizeable && state == TWindowState::wsMaximized)
    ChangeMdiChildState(TWindowState::wsNormal);
  else if (state != TWindowState::wsMinimized)
    ChangeRollUp(!RolledUp());
}

void TSkinForm::CloseActiveChildMenus() {
  auto* mdi = dynamic_cast<ui::TMdiForm*>(&form_);
  if (!mdi || !form_.Visible()) return;
  if (ui::TMdiChildForm* active = mdi->ActiveChild())
    if (TSkinForm* frame = FindSkinForm(*active)) frame->CloseMenus();
}

void TSkinForm::ChangeMdiChildState(TWindowState state) {
  ui::TMdiChildForm* child = MdiChild();
  if (!child || state == mdiWindowState_) return;
  TSkinForm* parentFrame = MdiParentFrame();
  const TRect bounds{form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()};
  const TRect area = parentFrame ? parentFrame->MdiClientArea() : TRect{};
  HWND parentWnd = child->MdiParent().Handle();
  const bool wasMaximized = mdiMaximized_;
  if (state != TWindowState::wsNormal && mdiRestoreBounds_ == TRect{}) mdiRestoreBounds_ = bounds;
  mdiWindowState_ = state;
  mdiMaximized_ = state == TWindowState::wsMaximized;
  if (wasMaximized != mdiMaximized_) form_.FrameChanged();
  // A size that does not change still has to lay the form out again.
  auto setBounds = [this](const TRect& r) {
    const bool sameSize = form_.Width() == r.right - r.left && form_.Height() == r.bottom - r.top;
    form_.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (sameSize) states_->NudgeWidth();
  };
  switch (state) {
    case TWindowState::wsMaximized: {
      mouseTimer_->Stop();
      TrackHover(TPoint{-1, -1}, false);
      setBounds(MaximizedChildBounds(area));
      // On top of its siblings, and the active child.
      SetWindowPos(Wnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SendMessageA(child->MdiParent().ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Wnd()), 0);
      RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      SendMessageA(parentWnd, MsgMdiChildMaximized, reinterpret_cast<WPARAM>(Wnd()), 0);
      break;
    }
    case TWindowState::wsMinimized: {
      std::vector<TPoint> taken;
      for (ui::TMdiChildForm* sibling : child->MdiParent().Children()) {
        TSkinForm* f = sibling == child ? nullptr : FindSkinForm(*sibling);
        if (f && sibling->Visible() && f->WindowState() == TWindowState::wsMinimized)
          taken.push_back(TPoint{sibling->Left(), sibling->Top()});
      }
      const TPoint size = MinimumFrameSize(SizeLimits());
      const TPoint slot = MdiMinimizedSlot(area, size.x, size.y, taken);
      form_.SetBounds(slot.x, slot.y, size.x, size.y);
      SendMessageA(parentWnd, MsgMdiChildRestored, reinterpret_cast<WPARAM>(Wnd()), 0);
      break;
    }
    case TWindowState::wsNormal: {
      setBounds(mdiRestoreBounds_);
      mdiRestoreBounds_ = TRect{};
      mouseTimer_->Start(50);
      if (Wnd()) RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      SendMessageA(parentWnd, MsgMdiChildRestored, reinterpret_cast<WPARAM>(Wnd()), 0);
      break;
    }
  }
}

void TSkinForm::MdiChildDestroyed() {
  if (!IsMdiChild() || mdiDestroyDone_) return;
  mdiDestroyDone_ = true;
  mdiWindowState_ = TWindowState::wsNormal;
  mdiMaximized_ = false;
  ui::TMdiForm& parent = MdiChild()->MdiParent();
  if (parent.HandleAllocated() && Wnd())
    SendMessageA(parent.Handle(), MsgMdiChildRestored, reinterpret_cast<WPARAM>(Wnd()), 0);
  parent.WindowMenu().Remove(MdiItemName());
  if (TSkinForm* parentFrame = FindSkinForm(parent)) {
    if (parentFrame->MdiBars.ChildTab) parentFrame->MdiBars.ChildTab(*this, false);
    parentFrame->MdiRefreshBars();
  }
}

void TSkinForm::AddWindowMenuItem() {
  ui::TMdiChildForm* child = MdiChild();
  ui::TMdiWindowMenu::TItem item;
  item.Name = MdiItemName();
  item.Caption = form_.Caption();
  item.Checked = child->IsActiveChild();
  item.OnClick = [this, child] {
    if (mdiWindowState_ == TWindowState::wsMinimized) ChangeMdiChildState(TWindowState::wsNormal);
    child->Show();
  };
  child->MdiParent().WindowMenu().Add(item);
}

void TSkinForm::ChildShown(bool shown) {
  ui::TMdiChildForm* child = MdiChild();
  TSkinForm* parentFrame = MdiParentFrame();
  if (shown) {
    mdiDestroyDone_ = false;
    AddWindowMenuItem();
  } else {
    child->MdiParent().WindowMenu().Remove(MdiItemName());
  }
  if (parentFrame && parentFrame->MdiBars.ChildTab) parentFrame->MdiBars.ChildTab(*this, shown);
}

bool TSkinForm::MdiFrameMessage(ui::TMessage& m) {
  const bool parent = IsMdiForm();
  ui::TMdiChildForm* child = MdiChild();
  if (!parent && !child) return false;
  TSkinForm* parentFrame = child ? MdiParentFrame() : nullptr;
  switch (m.Msg) {
    case MsgMdiParentResized:
      if (child && mdiMaximized_) {
        const TRect target = MaximizedChildBounds(parentFrame ? parentFrame->MdiClientArea() : TRect{});
        form_.SetBounds(0, 0, target.right, target.bottom);
      }
      break;
    case MsgMdiChildMaximized: {
      if (!parent) break;
      auto* sender = dynamic_cast<ui::TForm*>(ui::TWinControl::FromHandle(reinterpret_cast<HWND>(m.WParam)));
      if (TSkinForm* c = sender ? FindSkinForm(*sender) : nullptr) mdiChildren_.ChildMaximized(c, true);
      mdiChildMaximized_ = true;
      RequestNcPaint();
      if (MdiBars.ShowChildButtons) MdiBars.ShowChildButtons(true);
      break;
    }
    case MsgMdiChildRestored: {
      if (!parent) break;
      auto* sender = dynamic_cast<ui::TForm*>(ui::TWinControl::FromHandle(reinterpret_cast<HWND>(m.WParam)));
      TSkinForm* c = sender ? FindSkinForm(*sender) : nullptr;
      mdiChildren_.ChildMaximized(c, false);
      if (mdiChildMaximized_ && !mdiChildren_.AnyMaximized()) {
        mdiChildMaximized_ = false;
        RequestNcPaint();
        if (MdiBars.ShowChildButtons) MdiBars.ShowChildButtons(false);
      }
      break;
    }
    case MsgSkinChangedAfter:
      if (parent && SkinDataOfMessage(m.WParam) == skinData_) RefitMdiChildren();
      break;
    case WM_NCCALCSIZE:
      if (!child || !mdiMaximized_) break;
      // A maximized child draws no frame: its client is its whole window.
      m.Result = 0;
      return true;
    case WM_NCPAINT:
      if (!child || !mdiMaximized_) break;
      m.Result = 0;
      return true;
    case WM_ERASEBKGND:
      if (!parent) break;
      Default(m);
      return true;
    case WM_NCACTIVATE:
      formActive_ = m.WParam != 0;
      Default(m);
      if (mdiMaximized_ || BorderNone()) {
        SetCaptionActive(objects_, *this, false);
      } else {
        RequestNcPaint();
        SetCaptionActive(objects_, *this, true);
      }
      if (child) {
        child->MdiParent().WindowMenu().SetChecked(MdiItemName(), formActive_);
        if (mdiMaximized_ && parentFrame) parentFrame->RequestNcPaint();
        if (parentFrame) parentFrame->MdiRefreshBars();
      }
      return true;
    case WM_MOUSEACTIVATE:
      if (child && child->IsActiveChild() && !formActive_) {
        formActive_ = true;
        SetCaptionActive(objects_, *this, !mdiMaximized_);
      }
      break;
    case WM_SETTEXT:
      if (!child) break;
      Default(m);
      if (!mdiMaximized_ && !BorderNone()) RequestNcPaint();
      child->MdiParent().WindowMenu().SetCaption(MdiItemName(), form_.Caption());
      if (parentFrame) {
        if (parentFrame->MdiBars.RepaintChildTab) parentFrame->MdiBars.RepaintChildTab(*this);
        if (mdiMaximized_) parentFrame->RequestNcPaint();
      }
      return true;
    case WM_ACTIVATE:
      Default(m);
      RequestNcPaint();
      if (child && mdiMaximized_) {
        SetCaptionActive(objects_, *this, false);
      } else {
        ResetHoverStates(objects_);
        SetCaptionActive(objects_, *this, true);
      }
      if (parent && MdiBars.RefreshMainMenuBar) MdiBars.RefreshMainMenuBar();
      return true;
    case WM_SHOWWINDOW:
      // Taking the client window over goes through a resize, so that the
      // form lays itself out around it.
      if (parent && m.WParam && HookClientWindow()) SizeThroughSkin();
      if (child) ChildShown(m.WParam != 0);
      break;
    case WM_WINDOWPOSCHANGED: {
      // Child windows are not always told by WM_SHOWWINDOW (the system
      // leaves it out for children): the position change carries it too.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (child && (pos->flags & SWP_SHOWWINDOW)) ChildShown(true);
      if (child && (pos->flags & SWP_HIDEWINDOW)) ChildShown(false);
      break;
    }
    case WM_DESTROY:
      MdiChildDestroyed();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace tavo::skin
