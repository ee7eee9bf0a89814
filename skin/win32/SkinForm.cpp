// The skinned frame's life: taking the form over and giving it back, the
// properties, ApplySkin, the caption buttons by border icons, and what the
// active objects ask of their frame.
#include "skin/win32/SkinForm.h"

#include <algorithm>

#include "core/Exception.h"
#include "skin/FrameObjectItems.h"
#include "skin/win32/Monitor.h"
#include "skin/win32/SkinBroadcast.h"
#include "skin/win32/SkinFormInput.h"
#include "skin/win32/SkinFormStates.h"
#include "ui/Application.h"

namespace tavo::skin {

namespace {

ui::TFont CaptionFont(ui::TColor color) {
  ui::TFont f;
  f.Name = "Arial";
  f.Height = 14;
  f.Style.Bold = true;
  f.Color = color;
  return f;
}

ui::TForm& FormOf(ui::TComponent* owner) {
  auto* form = dynamic_cast<ui::TForm*>(owner);
  if (!form) throw EInvalidCast();
  return *form;
}

}  // namespace

TLayeredWindowApi TLayeredWindowApi::System() {
  return TLayeredWindowApi{[] { return win32::CanUseLayeredWindows(); },
                           [](HWND wnd, uint8_t alpha) { win32::SetWindowAlpha(wnd, alpha); }};
}

TSkinForm* FindSkinForm(const ui::TForm& form) { return form.FindComponent<TSkinForm>(); }

TSkinForm::TSkinForm(ui::TComponent* owner, TControlTimerFactory timers, TLayeredWindowApi layered)
    : ui::TComponent(owner),
      form_(FormOf(owner)),
      layered_(std::move(layered)),
      defCaptionFont_(CaptionFont(ui::clBtnText)),
      defInActiveCaptionFont_(CaptionFont(ui::clBtnShadow)),
      input_(std::make_unique<TSkinFormInput>(*this, objects_)),
      states_(std::make_unique<TSkinFormStates>(*this)),
      text_(ui::Application().PixelsPerInch()) {
  DefMenuItemFont.Name = "Arial";
  DefMenuItemFont.Height = 14;
  // The skin messages must reach the form's window (and so this frame).
  DeliverSkinMessagesToForms();
  if (!Designing) {
    previous_ = form_.WindowProc;
    form_.WindowProc = TFrameProc{this};
    // Recreating the window is done in place: the caption bits go, and the
    // system asks the frame for the client area from now on.
    form_.ModifyStyle(WS_CAPTION, 0);
    form_.FrameChanged();
    HookShortCuts();
  }
  form_.SetBorderIcons({});
  if (!timers) timers = NewWindowTimer;
  mouseTimer_ = timers();
  morphTimer_ = timers();
  animationTimer_ = timers();
  mouseTimer_->OnTick = [this] { input_->Mouse().TimerTick(); };
  morphTimer_->OnTick = [this] { StepMorph(objects_, *this); };
  animationTimer_->OnTick = [this] { StepAnimation(objects_, *this); };
}

TSkinForm::~TSkinForm() {
  // The form's members die before its window's WM_DESTROY: a child's
  // duties towards its parent are done here too.
  MdiChildDestroyed();
  UnhookClientWindow();
  // Give the window procedure back only while ours is the one installed: a
  // component that hooked after us would be cut off otherwise.
  if (!Designing) {
    const TFrameProc* top = form_.WindowProc.target<TFrameProc>();
    if (top && top->frame == this) form_.WindowProc = previous_;
    UnhookShortCuts();
  }
  for (auto* t : {mouseTimer_.get(), morphTimer_.get(), animationTimer_.get()})
    if (t) t->Stop();
  FreeObjects();
  if (regionSet_ && Wnd()) SetWindowRgn(Wnd(), nullptr, FALSE);
  if (smallIcon_) DestroyIcon(smallIcon_);
  if (skinData_) TSkinComponent::RemoveFreeNotification(skinData_);
  if (menusSkinData_) TSkinComponent::RemoveFreeNotification(menusSkinData_);
}

void TSkinForm::Notification(TSkinComponent* removed) {
  if (removed == skinData_) {
    FreeObjects();
    skinData_ = nullptr;
    mode_ = TFrameMode::fmPlain;
  }
  if (removed == menusSkinData_) menusSkinData_ = nullptr;
}

void TSkinForm::SetSkinData(TSkinData* data) {
  if (skinData_ && skinData_ != data && skinData_ != menusSkinData_) TSkinComponent::RemoveFreeNotification(skinData_);
  skinData_ = data;
  if (data) TSkinComponent::FreeNotification(data);
  if (!Designing) ApplySkin();
}

void TSkinForm::SetMenusSkinData(TSkinData* data) {
  if (menusSkinData_ && menusSkinData_ != data && menusSkinData_ != skinData_)
    TSkinComponent::RemoveFreeNotification(menusSkinData_);
  menusSkinData_ = data;
  if (data) TSkinComponent::FreeNotification(data);
}

void TSkinForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  CreateDefaultButtons();
}

void TSkinForm::SetHideCaptionButtons(bool hide) {
  hideCaptionButtons_ = hide;
  ApplyBorderIcons();
}

void TSkinForm::SetShowIcon(bool show) {
  showIcon_ = show;
  if (!Loading && !Designing) RequestNcPaint();
}

void TSkinForm::SetDefCaptionFont(const ui::TFont& font) {
  defCaptionFont_ = font;
  if (!Loading && !Designing && mode_ == TFrameMode::fmPlain) RequestNcPaint();
}

void TSkinForm::SetDefInActiveCaptionFont(const ui::TFont& font) {
  defInActiveCaptionFont_ = font;
  if (!Loading && !Designing && mode_ == TFrameMode::fmPlain) RequestNcPaint();
}

void TSkinForm::SetAlphaBlend(bool on) {
  if (on == alphaBlend_) return;
  alphaBlend_ = on;
  if (Loading || Designing) return;
  SetLayered(on);
  if (on) SetAlpha(alphaBlendValue_);
}

void TSkinForm::SetAlphaBlendValue(uint8_t value) {
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && !Loading && !Designing) SetAlpha(value);
}

void TSkinForm::SetLayered(bool on) {
  if (!layered_.CanUse || !layered_.CanUse()) return;
  if (form_.ModifyExStyle(on ? 0 : WS_EX_LAYERED, on ? WS_EX_LAYERED : 0)) form_.FrameChanged();
}

void TSkinForm::SetAlpha(uint8_t alpha) {
  if (!layered_.CanUse || !layered_.CanUse() || !Wnd()) return;
  if (layered_.SetAlpha) layered_.SetAlpha(Wnd(), alpha);
}

void TSkinForm::FreeObjects() {
  for (auto* t : {morphTimer_.get(), animationTimer_.get()})
    if (t) t->Stop();
  objects_.clear();
  ResetMouseIndexes();
}

void TSkinForm::CreateDefaultButtons() {
  objects_ = skin::CreateDefaultButtons(*this);
  ResetMouseIndexes();
  ApplyBorderIcons();
}

void TSkinForm::ApplyBorderIcons() {
  if (objects_.empty()) return;
  TCustomObjectVisibility onActivate;
  if (OnActivateCustomObject)
    onActivate = [this](const std::string& idName, bool& visible) { OnActivateCustomObject(*this, idName, visible); };
  skin::ApplyBorderIcons(objects_, TFrameIconSet::FromBits(borderIcons_.ToBits()), hideCaptionButtons_, onActivate);
  RefreshObjectHints();
}

void TSkinForm::RefreshObjectHints() { skin::RefreshObjectHints(objects_, skinData_, UseDefaultObjectHint); }

void TSkinForm::ApplySkin() {
  ResetMouseIndexes();
  mode_ = skinData_ && !skinData_->IsEmpty ? TFrameMode::fmSkinned : TFrameMode::fmPlain;
  FreeObjects();
  if (mode_ == TFrameMode::fmSkinned) {
    objects_ = CreateSkinObjects(*this, *skinData_);
    ++skinObjectBuilds_;
    ApplyBorderIcons();
  } else {
    RemoveRegion();
    maskStrips_ = TMaskPieces{};
  }
  // Through a resize, so that the form lays itself out for the new frame.
  const TPoint minimum = MinimumFrameSize(SizeLimits());
  const TPoint size{form_.Width(), form_.Height()};
  for (const TPoint& step : ApplySkinSizeSteps(size, minimum, RolledUp(), WindowState() == TWindowState::wsMinimized))
    form_.SetBounds(form_.Left(), form_.Top(), step.x, step.y);
  frameSize_ = TPoint{form_.Width(), form_.Height()};
  if (mode_ == TFrameMode::fmSkinned) {
    LayOut();
    if (!BuildWindowRegion()) RequestNcPaint();
  }
  if (Wnd()) RedrawWindow(Wnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  RepaintMdiClient();
  // A maximized child shows no caption of its own to repaint.
  SetCaptionActive(objects_, *this, !(IsMdiChild() && mdiMaximized_));
  EnableMouseTracking(true);
  if (OnChangeSkinData) OnChangeSkinData(*this);
  if (ClientWidth > 0) form_.SetClientSize(ClientWidth, form_.ClientHeight());
  if (ClientHeight > 0) form_.SetClientSize(form_.ClientWidth(), ClientHeight);
}

TFrameSizeLimits TSkinForm::SizeLimits() const {
  TFrameSizeLimits limits;
  if (Skinned()) limits = SkinnedSizeLimits(FrameSkinGeometryOf(*skinData_));
  limits.ToolWindow = ToolWindow();
  limits.MinWidth = MinWidth;
  limits.MinHeight = MinHeight;
  limits.MaxWidth = MaxWidth;
  limits.MaxHeight = MaxHeight;
  limits.RolledUp = RolledUp();
  limits.Minimized = WindowState() == TWindowState::wsMinimized;
  limits.MaximizeOnFullScreen = MaximizeOnFullScreen;
  return limits;
}

bool TSkinForm::ToolWindow() const {
  return form_.BorderStyle() == ui::TBorderStyle::bsToolWindow ||
         form_.BorderStyle() == ui::TBorderStyle::bsSizeToolWin;
}

void TSkinForm::TakeFrameSize() {
  if (frameSize_.x == 0 || frameSize_.y == 0) frameSize_ = TPoint{form_.Width(), form_.Height()};
}

TFrameIconSize TSkinForm::IconSize() const {
  TFrameIconSize icon;
  icon.ShowIcon = showIcon_;
  icon.SmallIcon = TPoint{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
  return icon;
}

void TSkinForm::LayOut() {
  const TFrameSkinGeometry skin = FrameSkinGeometryOf(*skinData_);
  placed_ = ComputePlacedGeometry(skin, frameSize_.x, frameSize_.y);
  LayoutObjects(objects_, skin, placed_, IconSize());
}

// --- what the objects ask of the frame -----------------------------------

bool TSkinForm::FormActive() const { return IsMdiForm() || IsMdiChild() ? formActive_ : form_.Active(); }

std::string TSkinForm::CaptionText() const {
  if (!IsMdiForm() || !mdiChildMaximized_) return form_.Caption();
  const auto* child = static_cast<const TSkinForm*>(mdiChildren_.MaximizedChild());
  const std::string caption = child ? child->Form().Caption() : std::string();
  return MdiParentCaption(form_.Caption(), &caption);
}

int TSkinForm::CaptionCharset() const {
  if (skinData_ && skinData_->ResourceStrData()) return skinData_->ResourceStrData()->CharSet;
  return defCaptionFont_.Charset;
}

TColor TSkinForm::SystemColor(TFrameSysColor color) const {
  switch (color) {
    case TFrameSysColor::clBtnFace: return GetSysColor(COLOR_BTNFACE);
    case TFrameSysColor::clBtnText: return GetSysColor(COLOR_BTNTEXT);
    case TFrameSysColor::clBtnShadow: return GetSysColor(COLOR_BTNSHADOW);
  }
  return GetSysColor(COLOR_BTNFACE);
}

void TSkinForm::RequestNcPaint() {
  if (Wnd() && !Designing) SendMessageA(Wnd(), WM_NCPAINT, 1, 0);
}

void TSkinForm::SetMorphTimer(bool enabled) {
  if (enabled) {
    if (!morphTimer_->Running()) morphTimer_->Start(20);
  } else {
    morphTimer_->Stop();
  }
}

void TSkinForm::SetAnimationTimer(bool enabled) {
  if (enabled) {
    if (!animationTimer_->Running()) animationTimer_->Start(25);
  } else {
    animationTimer_->Stop();
  }
}

void TSkinForm::ExecuteCommand(TStdCommand command) {
  // A multi-document child changes state inside its parent's client window.
  if (IsMdiChild() && command == TStdCommand::cmMaximize) {
    ChangeMdiChildState(mdiMaximized_ ? TWindowState::wsNormal : TWindowState::wsMaximized);
  } else if (IsMdiChild() && command == TStdCommand::cmMinimize) {
    ChangeMdiChildState(WindowState() == TWindowState::wsMinimized ? TWindowState::wsNormal
                                                                    : TWindowState::wsMinimized);
  } else {
    skin::ExecuteCommand(command, false, *states_);
  }
}

void TSkinForm::CloseForm() {
  if (Wnd()) PostMessageA(Wnd(), WM_CLOSE, 0, 0);
}

void TSkinForm::FireMouseEnter(const std::string& idName) {
  if (OnMouseEnterEvent) OnMouseEnterEvent(*this, idName);
}
void TSkinForm::FireMouseLeave(const std::string& idName) {
  if (OnMouseLeaveEvent) OnMouseLeaveEvent(*this, idName);
}
void TSkinForm::FireMouseDown(const std::string& idName, int x, int y, TRect r, TSkinMouseButton button) {
  if (OnMouseDownEvent) OnMouseDownEvent(*this, idName, x, y, r, button);
}
void TSkinForm::FireMouseUp(const std::string& idName, int x, int y, TRect r, TSkinMouseButton button) {
  if (OnMouseUpEvent) OnMouseUpEvent(*this, idName, x, y, r, button);
}
void TSkinForm::FireMouseMove(const std::string& idName, int x, int y, TRect r) {
  if (OnMouseMoveEvent) OnMouseMoveEvent(*this, idName, x, y, r);
}
void TSkinForm::FirePaint(const std::string& idName, TBitmap& canvas, TRect r) {
  if (OnPaintEvent) OnPaintEvent(*this, idName, canvas, r);
}
void TSkinForm::FireActivate(bool active) {
  if (active && OnActivate) OnActivate(*this);
  if (!active && OnDeActivate) OnDeActivate(*this);
}

}  // namespace tavo::skin
