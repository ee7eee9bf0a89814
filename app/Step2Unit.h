// The status window: one line of progress while the installation runs. Its
// timer starts the run once the directory window has armed it.
#pragma once

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

namespace tavo::app {

// Set by the directory window's "下一步"; the installation run reads and
// clears it.
extern bool InstallArmed;

class TStep2Frm : public ui::TForm {
 public:
  TStep2Frm();
  ~TStep2Frm() override;

  // The status line.
  ui::TPanel Label1;
  // Stopped at creation; the directory window starts it at 200 ms.
  ui::TTimer Timer1;

  // A tick: the timer stops, so the run happens once per arming.
  void Timer1Timer(ui::TObject& sender);
};

extern TStep2Frm* Step2Frm;

}  // namespace tavo::app
