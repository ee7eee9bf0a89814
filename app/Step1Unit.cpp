// The directory window's layout and handlers.
#include "app/Step1Unit.h"

#include <cstdint>
#include <vector>

#include "app/Step2Unit.h"
#include "app/Texts.h"
#include "app/WindowPicture.h"

namespace tavo::app {

TStep1Frm* Step1Frm = nullptr;

namespace {

// Layout at 96 dots per inch. The window font is the one the lists and the
// edit box take.
ui::TFormLayout Layout() {
  ui::TFormLayout layout;
  layout.Caption = kStep1Caption;
  layout.ClientWidth = 563;
  layout.ClientHeight = 262;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  layout.Position = ui::TPosition::poScreenCenter;
  layout.Color = ui::clBtnFace;
  layout.Font.Name = "MS Sans Serif";
  layout.Font.Height = -11;
  layout.Font.Color = ui::clWindowText;
  layout.Font.Charset = DEFAULT_CHARSET;
  return layout;
}

constexpr int kDirItemHeight = 16;
constexpr unsigned kArmedInterval = 200;

ui::TFont PromptFont() {
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = -15;
  font.Color = ui::clWindowText;
  font.Charset = ANSI_CHARSET;
  return font;
}

// The buttons' font without a skin: "宋体" with a cell height of 12.
ui::TFont ButtonFont() {
  ui::TFont font;
  font.Name = kSongTi;
  font.Height = 12;
  font.Color = ui::clWindowText;
  font.Charset = DEFAULT_CHARSET;
  return font;
}

constexpr char kLumenResource[] = "SKIN_LUMEN";
constexpr char kGraphiteResource[] = "SKIN_GRAPHITE";

// Fills stored from the compressed skin file embedded under name; leaves
// it empty when the program carries none (the buttons then draw their
// plain image).
void LoadStoredSkin(const char* name, skin::TCompressedStoredSkin& stored) {
  HRSRC info = FindResourceA(nullptr, name, RT_RCDATA);
  if (info == nullptr) return;
  HGLOBAL handle = LoadResource(nullptr, info);
  const auto* bytes = static_cast<const uint8_t*>(handle != nullptr ? LockResource(handle) : nullptr);
  const DWORD size = SizeofResource(nullptr, info);
  if (bytes == nullptr || size == 0) return;
  stored.ImportCompressedData(std::vector<uint8_t>(bytes, bytes + size));
}

}  // namespace

TStep1Frm::TStep1Frm()
    : ui::TForm(Layout()),
      Label1(*this),
      Dir1(*this),
      DriveComboBox1(*this),
      Edit1(*this),
      Image1(*this),
      SkinData1(this),
      SkinData2(this),
      NEXTStep(*this),
      mClose(*this),
      SkinForm1(this) {
  Step1Frm = this;
  Label1.SetAutoSize(false);
  Label1.SetDesignBounds(38, 8, 121, 17);
  Label1.SetFont(PromptFont());
  Label1.SetTransparent(true);
  Label1.SetCaption(kChooseDirectory);

  Dir1.SetDesignBounds(24, 24, 257, 143);
  Dir1.SetItemHeight(Scale(kDirItemHeight));
  Dir1.SetTabOrder(0);
  Dir1.OnChange = [this](ui::TObject& sender) { Dir1Change(sender); };

  DriveComboBox1.SetDesignBounds(24, 176, 257, 19);
  DriveComboBox1.SetDirList(&Dir1);
  DriveComboBox1.SetTabOrder(2);

  Edit1.SetDesignBounds(24, 199, 521, 21);
  Edit1.SetTabOrder(1);

  Image1.SetDesignBounds(296, 8, 257, 177);
  Image1.SetStretch(true);
  Image1.SetPicture(WindowPicture());

  LoadStoredSkin(kLumenResource, Lumen);
  SkinData1.SetCompressedStoredSkin(&Lumen);
  LoadStoredSkin(kGraphiteResource, Graphite);
  SkinData2.SetCompressedStoredSkin(&Graphite);
  NEXTStep.SetDesignBounds(199, 226, 94, 25);
  NEXTStep.SetCaption(kNextStep);
  NEXTStep.OnClick = [this](ui::TObject& sender) { NEXTStepClick(sender); };
  mClose.SetDesignBounds(315, 226, 94, 25);
  mClose.SetCaption(kCancel);
  mClose.OnClick = [this](ui::TObject& sender) { mCloseClick(sender); };
  for (skin::TSkinSpeedButton* button : {&NEXTStep, &mClose}) {
    button->SetDefaultFont(ButtonFont());
    button->SetSkinData(&SkinData2);  // section "toolbutton": 26 high
  }

  SetUpSkinForm1();

  OnShow = [this](ui::TObject& sender) { FormShow(sender); };
}

void TStep1Frm::SetUpSkinForm1() {
  // BorderIcons first: its setter makes the default buttons, which the
  // skin's own objects replace when SkinData is set last.
  using enum TBorderIcon;
  SkinForm1.SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biRollUp});
  auto font = [](int height, ui::TColor color) {
    ui::TFont f;
    f.Name = kSongTi;
    f.Height = height;
    f.Color = color;
    f.Charset = ANSI_CHARSET;
    return f;
  };
  SkinForm1.SetDefCaptionFont(font(14, ui::clBtnText));
  SkinForm1.SetDefInActiveCaptionFont(font(16, ui::clBtnShadow));
  SkinForm1.DefMenuItemFont = font(14, ui::clWindowText);
  SkinForm1.SetDefMenuItemHeight(20);
  SkinForm1.UseDefaultSysMenu = true;
  SkinForm1.UseSkinFontInMenu = true;
  SkinForm1.UseDefaultObjectHint = true;
  SkinForm1.SetAlphaBlendValue(200);
  SkinForm1.MagneticSize = 10;
  SkinForm1.MenusAlphaBlendValue = 0;
  SkinForm1.SetSkinData(&SkinData1);
}

TStep1Frm::~TStep1Frm() {
  if (Step1Frm == this) Step1Frm = nullptr;
}

void TStep1Frm::FormShow(ui::TObject&) { Edit1.SetText(Dir1.Directory()); }

void TStep1Frm::Dir1Change(ui::TObject&) { Edit1.SetText(Dir1.Directory()); }

void TStep1Frm::NEXTStepClick(ui::TObject&) {
  InstallArmed = true;
  if (!Step2Frm) return;
  Step2Frm->Timer1.SetInterval(kArmedInterval);
  Step2Frm->Timer1.SetEnabled(true);
  Step2Frm->ShowModal();
}

void TStep1Frm::mCloseClick(ui::TObject&) { Close(); }

}  // namespace tavo::app
