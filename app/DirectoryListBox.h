// The directory list of the directory chooser (Win32): the path of one
// current directory, from the drive root down, and the sub-directories
// below it. Opening an entry or changing drive moves the process's current
// directory along with the list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/ChooserGlyph.h"
#include "app/ChooserRules.h"
#include "ui/ListBox.h"

namespace tavo::app {

class TDriveComboBox;

// An owner-drawn list box. It owns its glyphs and its entries; the linked
// drive list (if any) is told when the drive of the current directory
// changes.
class TDirectoryListBox : public ui::TCustomListBox {
 public:
  // Takes the process's current directory, without changing it.
  explicit TDirectoryListBox(ui::TWinControl& parent);
  ~TDirectoryListBox() override;

  // The current directory, as the system reported it ("C:\" for a root,
  // "C:\Windows" for any other directory).
  const std::string& Directory() const { return directory_; }
  // Opens `path`: nothing when it is the current directory; otherwise
  // checks it can be entered, makes it the process's current directory,
  // rebuilds the entries and calls OnChange. Throws EInOutError and leaves
  // everything as it was when the path cannot be entered.
  void SetDirectory(const std::string& path);

  // The drive letter of the current directory; 0 for a network path.
  char Drive() const { return DriveLetterOf(directory_); }
  // Moves to the drive's own current directory (its root when the drive
  // has not been used); nothing when it is the current drive. Throws
  // EInOutError and stays where it was when the drive cannot be entered.
  void SetDrive(char letter);

  // The entries as shown, top first.
  const std::vector<TDirEntry>& Entries() const { return entries_; }
  // The path an entry opens.
  std::string ItemPath(int index) const;
  // Opens the highlighted entry (what a double-click or Enter does).
  void OpenCurrent();

  // A new current directory, reported after the entries are rebuilt. It
  // hides the list box's own change event: highlighting an entry is no
  // change here.
  ui::TNotifyEvent OnChange;

 protected:
  void WndProc(ui::TMessage& message) override;
  void KeyDown(WORD& key, ui::TShiftState shift) override;
  void DrawItem(HDC dc, int index, const RECT& rect, ui::TOwnerDrawState state) override;
  void FontChanged() override;
  void Notification(ui::TComponent& component, ui::TOperation operation) override;

 private:
  friend class TDriveComboBox;

  // Makes `path` the process's current directory and the list's; remembers
  // it as its drive's own current directory. Throws EInOutError.
  void MoveTo(const std::string& path);
  // Reads the volume's case rules and the sub-directories, fills the list
  // and highlights the current directory.
  void Rebuild();
  void UpdateItemHeight();
  void DoDirectoryChange();

  TChooserGlyph openGlyph_{"OPENFOLDER"};
  TChooserGlyph currentGlyph_{"CURRENTFOLDER"};
  TChooserGlyph closedGlyph_{"CLOSEDFOLDER"};
  std::string directory_;
  std::vector<TDirEntry> entries_;
  bool caseSensitive_ = false;
  TDriveComboBox* driveCombo_ = nullptr;
};

}  // namespace tavo::app
