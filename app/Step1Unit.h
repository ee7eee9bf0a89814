// The directory window: the user picks the install directory with the
// directory and drive lists or types it into Edit1, then goes on ("下一步")
// or back ("取消").
#pragma once

#include "app/DirectoryListBox.h"
#include "app/DriveComboBox.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/win32/SkinForm.h"
#include "skin/win32/SkinSpeedButton.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace tavo::app {

class TStep1Frm : public ui::TForm {
 public:
  TStep1Frm();
  ~TStep1Frm() override;

  ui::TLabel Label1;
  TDirectoryListBox Dir1;
  TDriveComboBox DriveComboBox1;
  ui::TEdit Edit1;
  ui::TImage Image1;
  // The stored frame skin "Lumen" and its skin data, loaded with the window
  // for the window frame.
  skin::TCompressedStoredSkin Lumen;
  skin::TSkinData SkinData1;
  // The stored button skin "Graphite" and the skin data the two buttons
  // draw from.
  skin::TCompressedStoredSkin Graphite;
  skin::TSkinData SkinData2;
  skin::TSkinSpeedButton NEXTStep;
  skin::TSkinSpeedButton mClose;
  // The skinned window frame, bound to SkinData1 once Lumen has loaded: it
  // paints no frame on this borderless window but tiles the background
  // from the skin and lays the skin's objects out along the edges. Last
  // member: it is destroyed first and gives the window procedure back.
  skin::TSkinForm SkinForm1;

  // Each showing: Edit1 takes Dir1's current directory.
  void FormShow(ui::TObject& sender);
  // Dir1 moved to another directory: Edit1 follows.
  void Dir1Change(ui::TObject& sender);
  // "下一步": arms the installation and shows the status window, whose
  // timer starts the run 200 ms later.
  void NEXTStepClick(ui::TObject& sender);
  // "取消": back to the splash window.
  void mCloseClick(ui::TObject& sender);

 private:
  void SetUpSkinForm1();
};

extern TStep1Frm* Step1Frm;

}  // namespace tavo::app
