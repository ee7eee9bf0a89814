// The drive list: reading the drives, choosing one, drawing the items.
#include "app/DriveComboBox.h"

#include <winnetwk.h>

#include <algorithm>

#include "app/DirectoryListBox.h"
#include "platform/CodePage.h"
#include "platform/File.h"

namespace tavo::app {
namespace {

TDriveKind KindOf(platform::TDriveType driveType) {
  switch (driveType) {
    case platform::TDriveType::Removable: return TDriveKind::dkRemovable;
    case platform::TDriveType::Fixed: return TDriveKind::dkFixed;
    case platform::TDriveType::Remote: return TDriveKind::dkRemote;
    case platform::TDriveType::CDRom: return TDriveKind::dkCDROM;
    case platform::TDriveType::RamDisk: return TDriveKind::dkRamDisk;
    default: return TDriveKind::dkOther;
  }
}

std::string RemoteName(char letter) {
  const std::string local{letter, ':'};
  char remote[MAX_PATH + 1] = "";
  DWORD length = sizeof remote;
  if (WNetGetConnectionA(local.c_str(), remote, &length) != NO_ERROR) return std::string();
  return std::string(remote);
}

}  // namespace

TDriveFacts ReadDriveFacts(char letter) {
  TDriveFacts facts;
  facts.Letter = letter;
  const std::string root{letter, ':', '\\'};
  facts.Kind = KindOf(platform::DriveType(root));
  switch (facts.Kind) {
    case TDriveKind::dkRemote:
      facts.RemoteName = RemoteName(letter);
      if (facts.RemoteName.empty()) facts.Label = platform::VolumeLabel(root);
      break;
    case TDriveKind::dkFixed:
    case TDriveKind::dkCDROM:
    case TDriveKind::dkRamDisk:
      facts.Label = platform::VolumeLabel(root);
      break;
    case TDriveKind::dkRemovable:  // the medium is not queried
    case TDriveKind::dkOther:
      break;
  }
  return facts;
}

TDriveComboBox::TDriveComboBox(ui::TWinControl& parent)
    : TCustomComboBox(parent, ui::TComboBoxStyle::csOwnerDrawFixed) {
  const char letter = DriveLetterOf(platform::GetCurrentDir());
  drive_ = letter ? CaseDriveLetter(letter, textCase_) : 0;
  UpdateItemHeight();
  BuildList();
}

TDriveComboBox::~TDriveComboBox() = default;

void TDriveComboBox::BuildList() {
  const int codePage = platform::AnsiCodePage();
  Clear();
  kinds_.clear();
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    const TDriveFacts facts = ReadDriveFacts(static_cast<char>('a' + i));
    if (!DriveGlyphName(facts.Kind)) continue;  // types we do not list
    AddItem(DriveItemText(facts, textCase_, codePage), CaseDriveLetter(facts.Letter, textCase_));
    kinds_.push_back(facts.Kind);
  }
  SelectDrive();
}

int TDriveComboBox::IndexOfDrive(char letter) const {
  if (!letter) return -1;
  const char lower = CaseDriveLetter(letter, TTextCase::tcLowerCase);
  for (int i = 0; i < Count(); ++i)
    if (CaseDriveLetter(static_cast<char>(ItemData(i)), TTextCase::tcLowerCase) == lower) return i;
  return -1;
}

void TDriveComboBox::SelectDrive() { SetItemIndex(IndexOfDrive(drive_)); }

void TDriveComboBox::SetDrive(char letter) {
  letter = CaseDriveLetter(letter, textCase_);
  if (ItemIndex() >= 0 && letter == drive_) return;
  drive_ = letter;
  SelectDrive();
  // A drive that cannot be entered throws here: the list keeps showing the
  // chosen drive, the directory list stays, and OnChange is not called.
  if (dirList_) dirList_->SetDrive(letter);
  DoChange();
}

void TDriveComboBox::SetTextCase(TTextCase textCase) {
  if (textCase == textCase_) return;
  textCase_ = textCase;
  if (drive_) drive_ = CaseDriveLetter(drive_, textCase_);
  BuildList();
}

void TDriveComboBox::SetDirList(TDirectoryListBox* dirList) {
  if (dirList == dirList_) return;
  if (dirList_) {
    dirList_->driveCombo_ = nullptr;
    RemoveFreeNotification(*dirList_);
  }
  dirList_ = dirList;
  if (dirList_) {
    if (dirList_->driveCombo_ && dirList_->driveCombo_ != this) dirList_->driveCombo_->SetDirList(nullptr);
    dirList_->driveCombo_ = this;
    FreeNotification(*dirList_);
    FollowDirList();
  }
}

void TDriveComboBox::FollowDirList() {
  if (!dirList_) return;
  const char letter = dirList_->Drive();
  drive_ = letter ? CaseDriveLetter(letter, textCase_) : 0;
  SelectDrive();
}

void TDriveComboBox::Notification(ui::TComponent& component, ui::TOperation operation) {
  TCustomComboBox::Notification(component, operation);
  if (operation == ui::TOperation::opRemove && &component == dirList_) dirList_ = nullptr;
}

void TDriveComboBox::UpdateItemHeight() {
  ui::TWindowDC screen(nullptr);
  ui::TSelect font(screen, FontHandle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SetItemHeight(std::max(static_cast<int>(metrics.tmHeight), floppyGlyph_.Height()));
}

void TDriveComboBox::FontChanged() {
  TCustomComboBox::FontChanged();
  UpdateItemHeight();
}

void TDriveComboBox::WndProc(ui::TMessage& m) {
  // Every change of the selected item changes drive: a click in the
  // dropped list as well as each arrow key in the closed one.
  if (m.Msg == ui::CN_COMMAND && HIWORD(m.WParam) == CBN_SELCHANGE) {
    const int index = ItemIndex();
    if (index >= 0) SetDrive(static_cast<char>(ItemData(index)));
    return;
  }
  TCustomComboBox::WndProc(m);
}

const TChooserGlyph* TDriveComboBox::GlyphFor(TDriveKind kind) const {
  switch (kind) {
    case TDriveKind::dkRemovable: return &floppyGlyph_;
    case TDriveKind::dkFixed: return &hardGlyph_;
    case TDriveKind::dkRemote: return &networkGlyph_;
    case TDriveKind::dkCDROM: return &cdromGlyph_;
    case TDriveKind::dkRamDisk: return &ramGlyph_;
    case TDriveKind::dkOther: break;
  }
  return nullptr;
}

void TDriveComboBox::DrawItem(HDC dc, int index, const RECT& rect, ui::TOwnerDrawState state) {
  ui::FillRectColor(dc, rect, state.Selected ? ui::clHighlight : Color());
  if (index < 0 || index >= static_cast<int>(kinds_.size())) return;
  int textLeft = rect.left + 2;
  if (const TChooserGlyph* glyph = GlyphFor(kinds_[static_cast<size_t>(index)])) {
    glyph->Draw(dc, rect.left + 2, rect.top + (rect.bottom - rect.top - glyph->Height()) / 2);
    textLeft = rect.left + 2 + glyph->Width() + 6;
  }
  ui::TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorToRGB(state.Selected ? ui::clHighlightText : Font().Color));
  std::string text = Item(index);
  RECT textRect{textLeft, rect.top, rect.right, rect.bottom};
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace tavo::app
