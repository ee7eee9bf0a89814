// Program entry of setup.exe: COM and the title, the three windows created
// hidden in their order, the splash window shown as the main window, the
// message loop until it closes.
#include <windows.h>

#include "app/SetUpUnit.h"
#include "app/Step1Unit.h"
#include "app/Step2Unit.h"
#include "app/Texts.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace tavo;
  ui::TApplication& application = ui::Application();
  int exitCode = 0;
  try {
    application.Initialize();
    application.SetTitle(app::kApplicationTitle);
    application.CreateForm<app::TSetUpFrm>();
    application.CreateForm<app::TStep1Frm>();
    application.CreateForm<app::TStep2Frm>();
    application.Run();
  } catch (const std::exception& failure) {
    // A window that cannot be made leaves nothing to run.
    application.ShowException(failure);
    exitCode = 1;
  }
  application.Finalize();
  return exitCode;
}
