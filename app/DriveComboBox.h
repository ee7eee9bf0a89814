// The drive list of the directory chooser (Win32): one owner-drawn item
// per drive, with its glyph and its text; choosing an item changes drive,
// and the linked directory list follows.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/ChooserGlyph.h"
#include "app/ChooserRules.h"
#include "ui/ComboBox.h"

namespace tavo::app {

class TDirectoryListBox;

// Reads what the drive list shows of one drive: its kind, its label (with
// critical-error prompts off, so that a drive without a medium asks
// nothing) and its network connection name. Never fails.
TDriveFacts ReadDriveFacts(char letter);

// An owner-drawn drop-down list. It owns its glyphs; the directory list it
// drives (DirList) is borrowed and forgotten when it is destroyed. OnChange
// (inherited) reports a new current drive.
class TDriveComboBox : public ui::TCustomComboBox {
 public:
  // Takes the drive of the process's current directory (none for a
  // network path) and lists the drives.
  explicit TDriveComboBox(ui::TWinControl& parent);
  ~TDriveComboBox() override;

  // The current drive in the case of TextCase; 0 for none.
  char Drive() const { return drive_; }
  // Chooses a drive: nothing when an item is selected and it is the
  // current drive already; otherwise makes it current, selects its item,
  // moves the linked directory list to it (which may throw EInOutError,
  // leaving this list on the chosen drive) and calls OnChange.
  void SetDrive(char letter);

  TTextCase TextCase() const { return textCase_; }
  void SetTextCase(TTextCase textCase);

  TDirectoryListBox* DirList() const { return dirList_; }
  // Links a directory list; the drive list then shows its drive.
  void SetDirList(TDirectoryListBox* dirList);

  // Lists the drives again and selects the current drive.
  void BuildList();

 protected:
  void WndProc(ui::TMessage& message) override;
  void DrawItem(HDC dc, int index, const RECT& rect, ui::TOwnerDrawState state) override;
  void FontChanged() override;
  void Notification(ui::TComponent& component, ui::TOperation operation) override;

 private:
  friend class TDirectoryListBox;

  // The directory list moved to another drive: show it, without moving
  // anything back.
  void FollowDirList();
  void SelectDrive();
  int IndexOfDrive(char letter) const;
  void UpdateItemHeight();
  const TChooserGlyph* GlyphFor(TDriveKind kind) const;

  TChooserGlyph floppyGlyph_{"FLOPPY"};
  TChooserGlyph hardGlyph_{"HARD"};
  TChooserGlyph networkGlyph_{"NETWORK"};
  TChooserGlyph cdromGlyph_{"CDROM"};
  TChooserGlyph ramGlyph_{"RAM"};
  // The kind of each item, by index.
  std::vector<TDriveKind> kinds_;
  char drive_ = 0;
  TTextCase textCase_ = TTextCase::tcLowerCase;
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace tavo::app
