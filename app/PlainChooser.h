// A plain directory list and drive list that stand where the directory
// window's chooser goes: the current directory with its sub-directories,
// opened by double-click or Enter, and the machine's drives.
#pragma once

#include <string>

#include "ui/ComboBox.h"
#include "ui/ListBox.h"

namespace tavo::app {

class TPlainDirectoryList : public ui::TListBox {
 public:
  // Takes the process's current directory, without changing it.
  explicit TPlainDirectoryList(ui::TWinControl& parent);

  // The current directory as the system reports it ("C:\" at a root).
  const std::string& Directory() const { return directory_; }
  // Makes the drive's own current directory current; raises EOSError when
  // the drive cannot be entered.
  void SetDrive(char letter);
  // Opens the highlighted entry: its path becomes the current directory.
  void OpenSelected();

  // The current directory changed.
  ui::TNotifyEvent OnChange;

  void DblClick() override;
  void KeyDown(WORD& key, ui::TShiftState shift) override;

 private:
  void EnterDirectory(const std::string& path);
  void Rebuild();
  void DoChange();

  std::string directory_;
};

class TPlainDriveList : public ui::TComboBox {
 public:
  explicit TPlainDriveList(ui::TWinControl& parent);

  // The directory list that follows the chosen drive.
  TPlainDirectoryList* DirList = nullptr;

 protected:
  void WndProc(ui::TMessage& message) override;
};

}  // namespace tavo::app
