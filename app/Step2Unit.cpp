// The status window's layout, its timer and its extraction component; the
// run the timer starts lives in InstallRun.cpp.
#include "app/Step2Unit.h"

#include "app/Texts.h"

namespace tavo::app {

bool InstallArmed = false;
TStep2Frm* Step2Frm = nullptr;

namespace {

ui::TFormLayout Layout() {
  ui::TFormLayout layout;
  layout.ClientWidth = 512;
  layout.ClientHeight = 47;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  layout.Position = ui::TPosition::poScreenCenter;
  layout.Color = ui::clBtnFace;
  return layout;
}

constexpr unsigned kCreatedInterval = 4000;

// "宋体", 29 pixels high, bold, red, GB2312 character set.
ui::TFont StatusFont() {
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = -29;
  font.Style.Bold = true;
  font.Color = ui::clRed;
  font.Charset = GB2312_CHARSET;
  return font;
}

}  // namespace

TStep2Frm::TStep2Frm() : ui::TForm(Layout()), Label1(*this) {
  Step2Frm = this;
  Label1.SetAlign(ui::TAlign::alClient);
  Label1.SetColor(ui::RGBColor(0, 255, 255));
  Label1.SetBevelOuter(ui::TBevelCut::bvRaised);
  Label1.SetBevelInner(ui::TBevelCut::bvNone);
  Label1.SetBevelWidth(2);
  Label1.SetAlignment(ui::TAlignment::taCenter);
  Label1.SetFont(StatusFont());

  Timer1.SetEnabled(false);
  Timer1.SetInterval(kCreatedInterval);
  Timer1.OnTimer = [this](ui::TObject& sender) { Timer1Timer(sender); };

  Zip1.OverwriteMode = zip::TUZOverwriteMode::Never;
  Zip1.ReplaceReadOnly = true;
  zip::TMultiZipInfo multiZipInfo;
  multiZipInfo.BlockSize = 1457600;
  Zip1.SetMultiZipInfo(multiZipInfo);
  Zip1.Loaded();
}

TStep2Frm::~TStep2Frm() {
  if (Step2Frm == this) Step2Frm = nullptr;
}

}  // namespace tavo::app
