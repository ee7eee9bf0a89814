// The status window: one line of progress while the installation runs. Its
// timer starts the run once the directory window has armed it.
#pragma once

#include <string>

#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/Timer.h"
#include "unzip/Zip.h"

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

  // The extraction engine the run drives: it never overwrites a file that
  // is already installed, replaces read-only ones it writes, and reports
  // nothing through events. Archives in parts are split in 1457600-byte
  // blocks, a high-density floppy's worth.
  zip::TZip Zip1;

  // A tick: the timer stops, so the run happens once per arming; an armed
  // tick performs the installation run.
  void Timer1Timer(ui::TObject& sender);
  // Makes sure the install directory exists, then extracts the package and
  // writes the desktop shortcuts. False when the directory cannot be made:
  // the status window has then been closed and nothing else happens.
  bool SetUp();
  // Extracts the package archive into the normalised install directory.
  void UnSetFile(const std::string& archive, const std::string& installDir);

 private:
  // Shows a text in the status line and paints it at once.
  void ShowStatus(const char* text);
};

extern TStep2Frm* Step2Frm;

}  // namespace tavo::app
