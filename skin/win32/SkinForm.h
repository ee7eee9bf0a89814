// TSkinForm: the skinned window frame. A non-visual component owned by a
// form; it takes the form's window procedure over, removes the native
// caption, and computes the client area, the window shape, the frame
// picture and the caption objects from the skin of its SkinData (or draws a
// plain frame without one). The geometry, layout, composition, region and
// objects are portable (skin/Frame*.h); this class holds the state, the
// message rows, the device contexts, the region and the timers. Win32 side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/BorderIcons.h"
#include "core/Rect.h"
#include "skin/Bitmap.h"
#include "skin/FrameClientArea.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameLayout.h"
#include "skin/FrameMdi.h"
#include "skin/FrameObjects.h"
#include "skin/MaskRegion.h"
#include "skin/MenuShortCut.h"
#include "skin/SkinComponent.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinControlTimer.h"
#include "skin/win32/SkinFormText.h"
#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Graphics.h"
#include "ui/MdiForm.h"

namespace tavo::skin {

// Translucency goes through this seam, so tests can see what would be set
// where the system offers no layered windows (Wine, and every system from
// Vista on).
struct TLayeredWindowApi {
  std::function<bool()> CanUse;
  std::function<void(HWND, uint8_t)> SetAlpha;
  // The system's: CanUseLayeredWindows and SetWindowAlpha.
  static TLayeredWindowApi System();
};

class TSkinForm;
class TSkinMenu;
class TMenu;
class TSkinFormInput;
class TSkinFormStates;
class TTrayIcon;
class TSkinHint;

// Events with an object's IDName; the sender is the frame.
using TMouseEnterEvent = std::function<void(TSkinForm& sender, const std::string& idName)>;
using TMouseLeaveEvent = TMouseEnterEvent;
using TMouseDownEvent = std::function<void(TSkinForm& sender, const std::string& idName, int x, int y,
                                           TRect& objectRect, TSkinMouseButton button)>;
using TMouseUpEvent = TMouseDownEvent;
using TMouseMoveEvent =
    std::function<void(TSkinForm& sender, const std::string& idName, int x, int y, TRect& objectRect)>;
using TPaintEvent =
    std::function<void(TSkinForm& sender, const std::string& idName, TBitmap& canvas, TRect& objectRect)>;
using TActivateCustomObjectEvent =
    std::function<void(TSkinForm& sender, const std::string& idName, bool& objectVisible)>;
using TFrameNotifyEvent = std::function<void(TSkinForm& sender)>;

enum class TFrameMode { fmPlain, fmSkinned };

// What a multi-document frame tells the main menu bar and the tabs bar of
// its parent form; those bars are components of their own, so the frame
// only calls these when set.
struct TMdiBars {
  std::function<void()> RefreshMainMenuBar;
  std::function<void()> RefreshTabsBar;
  // The main menu bar shows (true) or hides the maximized child's buttons.
  std::function<void(bool)> ShowChildButtons;
  // A child's tab: added (true) or removed, and repainted on a rename.
  std::function<void(TSkinForm& child, bool present)> ChildTab;
  std::function<void(TSkinForm& child)> RepaintChildTab;
};

class TSkinForm : public ui::TComponent, public TSkinComponent, public TFrameObjectHost {
 public:
  // owner must be a form: any other owner (or none) raises EInvalidCast.
  // The three timers (mouse tracking, morph, animation) are made by timers,
  // all stopped.
  explicit TSkinForm(ui::TComponent* owner, TControlTimerFactory timers = NewWindowTimer,
                     TLayeredWindowApi layered = TLayeredWindowApi::System());
  ~TSkinForm() override;

  // True while the component is edited in a form designer: nothing is
  // taken over and assignments only store.
  bool Designing = false;
  // While the form's stored settings are read: setters only store.
  bool Loading = false;

  // --- published properties ---------------------------------------------
  TSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TSkinData* data);
  TSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TSkinData* data);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  // Stores the set, makes the six default buttons (replacing a skin's
  // objects), then shows and hides buttons by the set.
  void SetBorderIcons(TBorderIcons icons);
  bool HideCaptionButtons() const { return hideCaptionButtons_; }
  void SetHideCaptionButtons(bool hide);
  bool ShowIcon() const override { return showIcon_; }
  void SetShowIcon(bool show);
  const ui::TFont& DefCaptionFont() const { return defCaptionFont_; }
  void SetDefCaptionFont(const ui::TFont& font);
  const ui::TFont& DefInActiveCaptionFont() const { return defInActiveCaptionFont_; }
  void SetDefInActiveCaptionFont(const ui::TFont& font);
  const TBitmap& LogoBitMap() const { return logo_; }
  void SetLogoBitMap(const TBitmap& logo) { logo_ = logo; }
  bool LogoBitMapTransparent = false;
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on);
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t value);
  bool AlphaBlendAnimation = false;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  bool MaximizeOnFullScreen = false;
  bool Magnetic = false;
  uint8_t MagneticSize = 5;
  bool UseFormCursorInNCArea = false;
  bool UseDefaultSysMenu = true;
  bool AlwaysMinimizeToTray = false, AlwaysShowInTray = false;
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(int n) {
    if (n >= 0) maxMenuItemsInWindow_ = n;
  }
  bool MenusAlphaBlend = false, MenusAlphaBlendAnimation = false;
  uint8_t MenusAlphaBlendValue = 200;
  bool UseSkinFontInMenu = true;
  int DefMenuItemHeight() const { return defMenuItemHeight_; }
  void SetDefMenuItemHeight(int h) {
    if (h >= 1) defMenuItemHeight_ = h;
  }
  ui::TFont DefMenuItemFont;
  // The tray icon the frame hides to and shows from, and the hint
  // component that shows its objects' hints (TrayIconFrame.cpp); the frame
  // forgets either when it is destroyed.
  TTrayIcon* TrayIcon() const { return trayIcon_; }
  void SetTrayIcon(TTrayIcon* tray);
  TSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TSkinHint* hint);
  // The main menu bar and tabs bar are components still to come.

  // --- events ------------------------------------------------------------
  TFrameNotifyEvent OnChangeSkinData, OnActivate, OnDeActivate, OnChangeRollUpState, OnSkinMenuOpen,
      OnSkinMenuClose, OnMainMenuEnter, OnMainMenuExit, OnMinimizeToTray, OnRestoreFromTray;
  TMouseEnterEvent OnMouseEnterEvent;
  TMouseLeaveEvent OnMouseLeaveEvent;
  TMouseDownEvent OnMouseDownEvent;
  TMouseUpEvent OnMouseUpEvent;
  TMouseMoveEvent OnMouseMoveEvent;
  TPaintEvent OnPaintEvent;
  TActivateCustomObjectEvent OnActivateCustomObject;

  // --- operations ----------------------------------------------------------
  void ApplySkin();
  void ApplyBorderIcons();
  void RefreshObjectHints();
  void CreateDefaultButtons();
  void RedrawObject(TActiveSkinObject& object) override;

  // --- window states and the mouse (SkinFormStates.cpp, SkinFormInput.cpp) --
  // Minimizes into a slot, maximizes, or restores the saved bounds; the
  // application's main form minimizes the application instead.
  void ChangeWindowState(TWindowState state);
  // Rolls the window up to its minimum height or back down.
  void ChangeRollUp(bool value);
  void HideToTray();
  void ShowFromTray();
  // What hiding to and showing from the tray do; set by AssignTrayIcon,
  // empty while the frame has no tray icon.
  std::function<void()> TrayHide, TrayShow;
  void TrackHover(TPoint p, bool inFrame);
  void PressObject(TSkinMouseButton button, TPoint p);
  void ReleaseObject(TSkinMouseButton button, TPoint p);
  // A screen point in window coordinates.
  TPoint ScreenToFrame(TPoint screen) const;
  // The hit code of a point in window coordinates (skinned or plain).
  int HitTest(TPoint p) const;
  TRect RestoreBounds() const;
  bool RolledUpWhileMaximized() const;
  bool SizeMoving() const;
  bool FullDrag() const;

  // --- inspection ----------------------------------------------------------
  ui::TForm& Form() const { return form_; }
  TFrameMode Mode() const { return mode_; }
  const TActiveObjectList& Objects() const { return objects_; }
  TPoint FrameSize() const { return frameSize_; }
  const TPlacedFrameGeometry& Placed() const { return placed_; }
  const TRect& PlainCaptionRect() const { return plainCaptionRect_; }
  const TMaskPieces& MaskStrips() const { return maskStrips_; }
  bool HoldsRegion() const { return regionSet_; }
  int ActiveObjectIndex() const;
  int CaptureObjectIndex() const;
  bool MouseTimerRunning() const { return mouseTimer_->Running(); }
  bool MorphTimerRunning() const { return morphTimer_->Running(); }
  bool AnimationTimerRunning() const { return animationTimer_->Running(); }
  // How many times ApplySkin built objects from a skin.
  int SkinObjectBuilds() const { return skinObjectBuilds_; }
  TControlTimer& MorphTimer() { return *morphTimer_; }
  TControlTimer& AnimationTimer() { return *animationTimer_; }
  TFrameSizeLimits SizeLimits() const;
  // The whole window as the frame paints it now (PaintSkinnedFrame or
  // PaintPlainFrame composed off-screen); the client area keeps what
  // background holds.
  TBitmap ComposeWindow(const TBitmap& background);
  // The client background WM_ERASEBKGND draws, client width x height.
  TBitmap ComposeClientBackground();

  // --- multi-document ------------------------------------------------------
  TMdiBars MdiBars;
  bool IsMdiForm() const;
  bool IsMdiChild() const;
  // The frame's own belief whether the window is active (multi-document
  // forms and children only: their activation is the client window's).
  bool FormActiveFlag() const { return formActive_; }
  // Parent: a child is maximized in its frame.
  bool MdiChildMaximized() const { return mdiChildMaximized_; }
  // Child: maximized in the parent's frame.
  bool MdiMaximized() const { return mdiMaximized_; }
  const TRect& MdiRestoreBounds() const { return mdiRestoreBounds_; }
  // Parent: the part of its client area left to the children.
  TRect MdiClientArea() const;
  // Child: minimizes into a slot, maximizes into the parent's frame or
  // restores its bounds, telling the parent's frame.
  void ChangeMdiChildState(TWindowState state);
  // Parent: whether its client window's procedure is ours.
  bool ClientWindowHooked() const { return clientHooked_; }
  // Parent: the client window's background, its width x height.
  TBitmap ComposeMdiClientBackground(int width, int height);

  // --- TFrameObjectHost ------------------------------------------------------
  bool FormActive() const override;
  std::string CaptionText() const override;
  TWindowState WindowState() const override;
  bool RolledUp() const override;
  void DrawFormIcon(TBitmap& canvas, int x, int y) override;
  int CaptionCharset() const override;
  TColor SystemColor(TFrameSysColor color) const override;
  TFrameTextPainter& TextPainter() override { return text_; }
  void RequestNcPaint() override;
  void SetMorphTimer(bool enabled) override;
  void SetAnimationTimer(bool enabled) override;
  void ExecuteCommand(TStdCommand command) override;
  void CloseForm() override;
  TObjectMenu* SystemMenu() override;
  void PopupMenu(TActiveSkinObject& object, TObjectMenu& menu, bool upward) override;

  // --- menus (SkinFormMenus.cpp) ---------------------------------------------
  // The frame's menu engine, made on first use.
  TSkinMenu& MenuEngine();
  // An assigned system menu; its items replace the frame's own (completed
  // with the system items when UseDefaultSysMenu is set).
  TMenu* SystemMenuComponent = nullptr;
  // Builds the system menu and opens it at (x, y) in screen coordinates.
  void ShowSystemMenuAt(int x, int y);
  // The form's skinned main menu bar, a component of its own; not owned.
  // Its main menu's shortcuts fire through the frame's shortcut handler,
  // which the frame puts on the form at construction.
  TSkinMainMenuBar* MainMenuBar = nullptr;
  // The frame's answer to the form's shortcut handler.
  bool IsShortCut(const ui::TShortCutKey& key);
  bool InShortCut() const { return shortCuts_.InShortCut(); }
  void FireMouseEnter(const std::string& idName) override;
  void FireMouseLeave(const std::string& idName) override;
  void FireMouseDown(const std::string& idName, int x, int y, TRect objectRect, TSkinMouseButton button) override;
  void FireMouseUp(const std::string& idName, int x, int y, TRect objectRect, TSkinMouseButton button) override;
  void FireMouseMove(const std::string& idName, int x, int y, TRect objectRect) override;
  void FirePaint(const std::string& idName, TBitmap& canvas, TRect objectRect) override;
  void FireActivate(bool active) override;

 protected:
  void Notification(TSkinComponent* removed) override;
  void Notification(ui::TComponent& component, ui::TOperation operation) override;

 private:
  // The frame's own window procedure; `previous_` is what it replaced.
  struct TFrameProc {
    TSkinForm* frame;
    void operator()(ui::TMessage& m) const { frame->FrameWndProc(m); }
  };
  void FrameWndProc(ui::TMessage& m);
  friend class TSkinFormInput;
  friend class TSkinFormStates;
  // The input rows (SkinFormInput.cpp): true when the message is done.
  bool HandleInputMessage(ui::TMessage& m);
  void RouteMouseAfterDefault(ui::TMessage& m);
  void HandleMoving(ui::TMessage& m);
  void HandleSizing(ui::TMessage& m);
  bool FullDragLoop() const;
  void EnableMouseTracking(bool enabled);
  void ResetMouseIndexes();
  // The window-state machine takes MaximizeOnFullScreen and BorderIcons.
  void SyncWindowStateOptions();
  // Seams the menu engine and the hint component fill: close what is open
  // before the messages that change focus, position or the mouse; show and
  // hide an object's hint; the system menu at a screen point; Alt alone.
  void CloseMenusAndHints();
  void CloseMenus();
  bool ObjectHintsOn() const;
  void ShowObjectHintText(const std::string& text);
  void HideObjectHintText();
  void ShowSystemMenuAt(TPoint screen);
  void KeyMenu();
  void HookShortCuts();
  void UnhookShortCuts();
  void Default(ui::TMessage& m) { previous_(m); }
  void HandleSkinMessage(ui::TMessage& m);
  void HandleSize(ui::TMessage& m);
  void HandleShowWindow(ui::TMessage& m);
  // Brings the form up to its minimum size, or narrows and widens it back
  // by 1 pixel, so that it lays itself out for the frame.
  void SizeThroughSkin();
  void HandleFadeTimer();
  // Multi-document rows; true when the message is fully handled.
  bool MdiFrameMessage(ui::TMessage& m);
  void MdiClientProc(ui::TMessage& m);
  // True when the client window's procedure was replaced now.
  bool HookClientWindow();
  void UnhookClientWindow();
  void RefitMdiChildren();
  // Parent: the client window erased anew and the children re-fitted.
  void RepaintMdiClient();
  // Child: the caption double-click inside the parent's client window.
  void MdiCaptionDoubleClick(bool sizeable);
  // Child: the parent's children area in screen coordinates.
  TRect MdiSnapArea() const;
  // Parent: closes the menus the frame of its active child has open.
  void CloseActiveChildMenus();
  void MdiChildDestroyed();
  void MdiRefreshBars();
  ui::TMdiChildForm* MdiChild() const;
  TSkinForm* MdiParentFrame() const;
  std::string MdiItemName() const;
  void AddWindowMenuItem();
  void ChildShown(bool shown);

  bool Skinned() const { return mode_ == TFrameMode::fmSkinned && skinData_ && !skinData_->IsEmpty; }
  bool BorderNone() const { return form_.BorderStyle() == ui::TBorderStyle::bsNone; }
  bool ToolWindow() const;
  HWND Wnd() const { return form_.HandleAllocated() ? form_.Handle() : nullptr; }
  void TakeFrameSize();
  TFrameIconSize IconSize() const;
  void FreeObjects();
  // Placed geometry and layout for the current frame size (skinned mode).
  void LayOut();
  // Sets or removes the window region; true when a region was set.
  bool BuildWindowRegion();
  void RemoveRegion();
  void PaintSkinnedFrame();
  void PaintPlainFrame();
  void EraseBackground(HDC dc);
  void CalcClientRect(ui::TMessage& m);
  void WriteMinMaxInfo(MINMAXINFO& info) const;
  void SetLayered(bool on);
  void SetAlpha(uint8_t alpha);
  HICON SmallIcon();

  ui::TForm& form_;
  ui::TWndMethod previous_;
  TLayeredWindowApi layered_;
  TSkinData* skinData_ = nullptr;
  TSkinData* menusSkinData_ = nullptr;
  TBorderIcons borderIcons_{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize,
                            TBorderIcon::biRollUp};
  bool hideCaptionButtons_ = false;
  bool showIcon_ = false;
  ui::TFont defCaptionFont_, defInActiveCaptionFont_;
  TBitmap logo_;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 200;
  int maxMenuItemsInWindow_ = 0;
  int defMenuItemHeight_ = 20;

  TFrameMode mode_ = TFrameMode::fmPlain;
  TPoint frameSize_{0, 0};
  TPlacedFrameGeometry placed_;
  TRect plainCaptionRect_;
  TActiveObjectList objects_;
  TMaskPieces maskStrips_;
  bool regionSet_ = false;
  std::unique_ptr<TSkinFormInput> input_;
  std::unique_ptr<TSkinFormStates> states_;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<TControlTimer> mouseTimer_, morphTimer_, animationTimer_;
  TGdiFrameTextPainter text_;
  int skinObjectBuilds_ = 0;
  // The menu engine and the system menu, made on first use and freed
  // first (SkinFormMenus.cpp).
  struct TFrameMenus;
  std::unique_ptr<TFrameMenus, void (*)(TFrameMenus*)> menus_{nullptr, nullptr};
  TFrameMenus& Menus();
  TFrameShortCuts shortCuts_;
  ui::TShortCutEvent previousShortCut_;
  bool shortCutsHooked_ = false;
  // The tray icon, the hint component and the tray menu given to the icon,
  // made on first use (TrayIconFrame.cpp).
  TTrayIcon* trayIcon_ = nullptr;
  TSkinHint* skinHint_ = nullptr;
  struct TFrameTrayMenu;
  std::unique_ptr<TFrameTrayMenu, void (*)(TFrameTrayMenu*)> trayMenu_{nullptr, nullptr};
  TFrameTrayMenu& TrayMenu();
  void DetachTrayIcon();

  bool formActive_ = false;
  bool mdiChildMaximized_ = false;
  bool mdiMaximized_ = false;
  // A multi-document child keeps its state here: it changes inside the
  // parent's client window, not through the frame's own window states.
  TWindowState mdiWindowState_ = TWindowState::wsNormal;
  bool mdiDestroyDone_ = false;
  TRect mdiRestoreBounds_;
  TMdiChildren mdiChildren_;
  bool clientHooked_ = false;
  ui::TWndMethod clientPrevious_;
};

// The frame a form owns, or null.
TSkinForm* FindSkinForm(const ui::TForm& form);

}  // namespace tavo::skin
