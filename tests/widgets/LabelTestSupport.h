// Shared pieces of the shadow label tests: a borderless form with a cyan
// panel, 32-bit memory bitmaps to paint into, and fonts and measurements
// made straight with GDI, independently of the toolkit.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "widgets/ShadowLabel.h"

namespace tavo::widgets::test {

// "安装程序" and "退     出 " in code page 936.
inline const std::string kInstallCaption = "\xB0\xB2\xD7\xB0\xB3\xCC\xD0\xF2";
inline const std::string kExitCaption = "\xCD\xCB     \xB3\xF6 ";
// "宋体".
inline const std::string kSongTi = "\xCB\xCE\xCC\xE5";

constexpr COLORREF kPanelColor = RGB(0, 234, 234);

int ScreenDpi();

// A GDI font with the settings of a toolkit font, made with CreateFontA.
class TTestFont {
 public:
  TTestFont(const std::string& face, int height, bool bold);
  ~TTestFont();
  TTestFont(const TTestFont&) = delete;
  TTestFont& operator=(const TTestFont&) = delete;
  HFONT Get() const { return font_; }

 private:
  HFONT font_;
};

// Width and height of text as DrawTextA measures it on the screen.
SIZE MeasureText(HFONT font, const std::string& text, UINT flags = DT_EXPANDTABS | DT_LEFT);

// A top-down 32-bit DIB section with its own memory DC.
class TPixels {
 public:
  TPixels(int width, int height, COLORREF fill);
  ~TPixels();
  TPixels(const TPixels&) = delete;
  TPixels& operator=(const TPixels&) = delete;

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel as an RGB() value; `outside` when (x, y) is off the bitmap.
  COLORREF At(int x, int y, COLORREF outside = RGB(255, 255, 255)) const;
  // Draws text in a colour into rect with DrawTextA (transparent
  // background), clipped to `clip` instead of rect when one is given.
  void Text(HFONT font, const std::string& text, RECT rect, COLORREF color, UINT flags = DT_EXPANDTABS | DT_LEFT,
            const RECT* clip = nullptr);
  // Number of pixels of a colour inside rect.
  int Count(const RECT& rect, COLORREF color) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

// A borderless form at a fixed place on the screen, filled by a cyan panel
// without bevels; labels go on the panel.
class LabelFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // "宋体", 27 pixels, bold, red, ANSI character set: the splash captions.
  static ui::TFont SplashFont();
  // The panel's windowless children painted over the panel colour.
  std::unique_ptr<TPixels> PaintPanel() const;

  static constexpr int kFormLeft = 120;
  static constexpr int kFormTop = 90;
  static constexpr int kFormWidth = 420;
  static constexpr int kFormHeight = 160;

  std::unique_ptr<ui::TForm> form_;
  std::unique_ptr<ui::TPanel> panel_;
};

}  // namespace tavo::widgets::test
