// The splash window's layout and handlers.
#include "app/SetUpUnit.h"

#include "app/Step1Unit.h"
#include "app/Texts.h"
#include "app/WindowPicture.h"

namespace tavo::app {

TSetUpFrm* SetUpFrm = nullptr;

namespace {

// Layout at 96 dots per inch.
ui::TFormLayout Layout() {
  ui::TFormLayout layout;
  layout.Caption = kSetUpCaption;
  layout.ClientWidth = 438;
  layout.ClientHeight = 444;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  layout.Position = ui::TPosition::poScreenCenter;
  layout.Color = ui::clBtnFace;
  return layout;
}

constexpr int kPanelHeight = 41;
constexpr ui::TColor kPanelColor = ui::RGBColor(0, 234, 234);
constexpr POINT kInstallAt{63, 6};
constexpr POINT kExitAt{247, 6};

// The two captions: "宋体", 27 pixels high, bold, red, ANSI character set.
ui::TFont CaptionFont() {
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = -27;
  font.Style.Bold = true;
  font.Color = ui::clRed;
  font.Charset = ANSI_CHARSET;
  return font;
}

// Red captions with a one-pixel lime shadow to the upper left, drawn straight
// over the panel.
void SetUpCaption(widgets::TShadowLabel& label, POINT at, const char* text) {
  label.SetDesignBounds(at.x, at.y, 65, 17);
  label.SetShadowColor(ui::clLime);
  label.SetShadowSize(1);
  label.SetShadowPos(widgets::TShadowPosition::spLeftTop);
  label.SetTransparent(true);
  label.SetFont(CaptionFont());
  label.SetCaption(text);
  label.Cursor = ui::TCursor::crHandPoint;
}

}  // namespace

TSetUpFrm::TSetUpFrm() : ui::TForm(Layout()), Image1(*this), Panel1(*this), Label1(Panel1), Label8(Panel1) {
  SetUpFrm = this;
  Panel1.SetDesignBounds(0, 403, 438, kPanelHeight);
  Panel1.SetAlign(ui::TAlign::alBottom);
  Panel1.SetColor(kPanelColor);
  Panel1.SetBevelOuter(ui::TBevelCut::bvRaised);
  Panel1.SetBevelInner(ui::TBevelCut::bvLowered);
  Panel1.SetBevelWidth(1);

  Image1.SetAlign(ui::TAlign::alClient);
  Image1.SetStretch(true);
  Image1.SetPicture(WindowPicture());

  SetUpCaption(Label1, kInstallAt, kInstallCaption);
  Label1.OnClick = [this](ui::TObject& sender) { Label1Click(sender); };
  SetUpCaption(Label8, kExitAt, kExitCaption);
  Label8.OnClick = [this](ui::TObject& sender) { Label8Click(sender); };
}

TSetUpFrm::~TSetUpFrm() {
  if (SetUpFrm == this) SetUpFrm = nullptr;
}

void TSetUpFrm::Label1Click(ui::TObject&) {
  if (Step1Frm) Step1Frm->ShowModal();
}

void TSetUpFrm::Label8Click(ui::TObject&) { Close(); }

}  // namespace tavo::app
