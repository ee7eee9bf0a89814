// The splash window: the window picture above a coloured bar with the two
// clickable captions "安装程序" (install) and "退     出 " (exit). It is
// the program's main window: closing it ends the program.
#pragma once

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Panel.h"
#include "widgets/ShadowLabel.h"

namespace tavo::app {

class TSetUpFrm : public ui::TForm {
 public:
  TSetUpFrm();
  ~TSetUpFrm() override;

  ui::TImage Image1;
  ui::TPanel Panel1;
  widgets::TShadowLabel Label1;
  widgets::TShadowLabel Label8;

  // "安装程序": shows the directory window modally.
  void Label1Click(ui::TObject& sender);
  // "退     出 ": closes the splash window, which ends the program.
  void Label8Click(ui::TObject& sender);
};

extern TSetUpFrm* SetUpFrm;

}  // namespace tavo::app
