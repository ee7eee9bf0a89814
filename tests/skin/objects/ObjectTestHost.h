// A frame for object tests: its state is set by the test, and everything
// the objects ask of it is written down in order. Text is drawn as solid
// blocks 6 pixels a byte wide ("l" 3) and 12 high; the icon is a 16 x 16
// block.
#pragma once

#include <string>
#include <vector>

#include "skin/FrameObjects.h"
#include "skin/PixelCopy.h"
#include "tests/skin/support/TestFrameSkin.h"

namespace tavo::skin::test {

constexpr TColor kHostBtnFace = RGB(212, 208, 200);
constexpr TColor kHostBtnText = RGB(1, 2, 3);
constexpr TColor kHostBtnShadow = RGB(128, 128, 129);
constexpr TColor kIconColor = RGB(250, 0, 250);
constexpr int kCharWidth = 6;
constexpr int kTextHeight = 12;

class TBlockTextPainter : public TFrameTextPainter {
 public:
  struct TCall {
    int x, y;
    std::string text;
    TButtonFont font;
    TColor color;
  };
  static int Width(const std::string& text) {
    int w = 0;
    for (char c : text) w += c == 'l' ? kCharWidth / 2 : kCharWidth;
    return w;
  }
  TPoint TextExtent(const std::string& text, const TButtonFont&) override { return TPoint{Width(text), kTextHeight}; }
  void TextOut(TBitmap& canvas, int x, int y, const std::string& text, const TButtonFont& font,
               TColor color) override {
    calls.push_back(TCall{x, y, text, font, color});
    FillRect(canvas, TRect{x, y, x + Width(text), y + kTextHeight}, color);
  }
  std::vector<TCall> calls;
};

class TMenuStub : public TObjectMenu {
 public:
  explicit TMenuStub(bool items) : items_(items) {}
  bool HasSubItems() const override { return items_; }

 private:
  bool items_;
};

class TObjectTestHost : public TFrameObjectHost {
 public:
  bool active = true;
  std::string caption = "Caption";
  TWindowState state = TWindowState::wsNormal;
  bool rolledUp = false;
  bool showIcon = false;
  int charset = 134;
  TObjectMenu* systemMenu = nullptr;
  TBlockTextPainter painter;

  // What happened, in order: "redraw:<id>", "ncpaint", "morph:on",
  // "execute:<command number>", "close", "popup:<id>", "enter:<id>",
  // "down:<id>", "up:<id>", "activate:1", ...
  std::vector<std::string> log;
  bool morphTimer = false;
  bool animationTimer = false;
  std::vector<TRect> eventRects;

  bool FormActive() const override { return active; }
  std::string CaptionText() const override { return caption; }
  TWindowState WindowState() const override { return state; }
  bool RolledUp() const override { return rolledUp; }
  bool ShowIcon() const override { return showIcon; }
  void DrawFormIcon(TBitmap& canvas, int x, int y) override {
    log.push_back("icon");
    FillRect(canvas, TRect{x, y, x + 16, y + 16}, kIconColor);
  }
  int CaptionCharset() const override { return charset; }
  TColor SystemColor(TFrameSysColor c) const override {
    switch (c) {
      case TFrameSysColor::clBtnFace: return kHostBtnFace;
      case TFrameSysColor::clBtnText: return kHostBtnText;
      case TFrameSysColor::clBtnShadow: return kHostBtnShadow;
    }
    return 0;
  }
  TFrameTextPainter& TextPainter() override { return painter; }
  void RedrawObject(TActiveSkinObject& object) override { log.push_back("redraw:" + object.IDName); }
  void RequestNcPaint() override { log.push_back("ncpaint"); }
  void SetMorphTimer(bool enabled) override {
    morphTimer = enabled;
    log.push_back(enabled ? "morph:on" : "morph:off");
  }
  void SetAnimationTimer(bool enabled) override {
    animationTimer = enabled;
    log.push_back(enabled ? "anim:on" : "anim:off");
  }
  void ExecuteCommand(TStdCommand command) override {
    log.push_back("execute:" + std::to_string(static_cast<int>(command)));
  }
  void CloseForm() override { log.push_back("close"); }
  TObjectMenu* SystemMenu() override {
    log.push_back("sysmenu");
    return systemMenu;
  }
  void PopupMenu(TActiveSkinObject& object, TObjectMenu&, bool upward) override {
    log.push_back("popup:" + object.IDName + (upward ? ":up" : ""));
  }
  void FireMouseEnter(const std::string& id) override { log.push_back("enter:" + id); }
  void FireMouseLeave(const std::string& id) override { log.push_back("leave:" + id); }
  void FireMouseDown(const std::string& id, int x, int y, TRect r, TSkinMouseButton b) override {
    log.push_back("down:" + id + ":" + std::to_string(x) + "," + std::to_string(y) + ":" +
                  std::to_string(static_cast<int>(b)));
    eventRects.push_back(r);
  }
  void FireMouseUp(const std::string& id, int x, int y, TRect r, TSkinMouseButton b) override {
    log.push_back("up:" + id + ":" + std::to_string(x) + "," + std::to_string(y) + ":" +
                  std::to_string(static_cast<int>(b)));
    eventRects.push_back(r);
  }
  void FireMouseMove(const std::string& id, int x, int y, TRect r) override {
    log.push_back("move:" + id + ":" + std::to_string(x) + "," + std::to_string(y));
    eventRects.push_back(r);
  }
  void FirePaint(const std::string& id, TBitmap& canvas, TRect r) override {
    log.push_back("paint:" + id);
    eventRects.push_back(r);
    FillRect(canvas, r, RGB(9, 9, 9));
  }
  void FireActivate(bool a) override { log.push_back(a ? "activate" : "deactivate"); }
};

// The test skin's objects, in the order CreateSkinObjects makes them.
enum TTestSkinObject : int { kCaption, kClose, kMax, kMin, kRollUp, kTray, kSysMenu, kHelp, kPlain, kAnim, kCycle, kUser };

// The test skin loaded and its objects made for a test host.
class TTestSkinObjects {
 public:
  explicit TTestSkinObjects(const TTestFrameSkinOptions& options = {}) { Load(options); }
  void Load(const TTestFrameSkinOptions& options) {
    objects.clear();
    LoadTestFrameSkin(data, options);
    objects = CreateSkinObjects(host, data);
  }
  TActiveSkinObject& Object(int i) { return *objects[static_cast<size_t>(i)]; }

  TSkinNotifier notifier;
  TSkinData data{nullptr, &notifier};
  TObjectTestHost host;
  TActiveObjectList objects;
};

}  // namespace tavo::skin::test
