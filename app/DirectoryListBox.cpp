// The directory list: entries, opening an entry, changing drive, drawing.
#include "app/DirectoryListBox.h"

#include <algorithm>

#include "app/DriveComboBox.h"
#include "platform/CodePage.h"
#include "platform/File.h"

namespace tavo::app {
namespace {

[[noreturn]] void RaiseLastInOutError() { throw EInOutError(GetLastError()); }

// The names of the listed sub-directories of dir, unsorted.
std::vector<std::string> ReadSubDirectories(const std::string& dir, int codePage) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(JoinPath(dir, "*.*", codePage).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    if (IsListedSubDirectory(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                             (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0))
      names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// The volume's flags (FS_CASE_*); 0 when they cannot be read. No prompt
// for a drive without a medium.
DWORD VolumeFlags(const std::string& root) {
  DWORD flags = 0;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) flags = 0;
  SetErrorMode(oldMode);
  return flags;
}

// SetCurrentDirectoryA does not keep a drive's own current directory; the
// system finds it in the "=X:" variable when "X:" is entered, the way the
// C runtime's chdir keeps it. So record it after every move.
void RememberDriveDirectory(const std::string& dir) {
  const char letter = DriveLetterOf(dir);
  if (!letter) return;
  const std::string name{'=', CaseDriveLetter(letter, TTextCase::tcUpperCase), ':'};
  SetEnvironmentVariableA(name.c_str(), dir.c_str());
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(ui::TWinControl& parent)
    : TCustomListBox(parent, ui::TListBoxStyle::lbOwnerDrawFixed), directory_(platform::GetCurrentDir()) {
  UpdateItemHeight();
  Rebuild();
}

TDirectoryListBox::~TDirectoryListBox() = default;

std::string TDirectoryListBox::ItemPath(int index) const {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return std::string();
  return entries_[static_cast<size_t>(index)].Path;
}

void TDirectoryListBox::OpenCurrent() {
  const int index = ItemIndex();
  if (index >= 0) SetDirectory(ItemPath(index));
}

void TDirectoryListBox::SetDirectory(const std::string& requested) {
  const int codePage = platform::AnsiCodePage();
  std::string path = requested;
  if (DrivePart(path, codePage).empty()) {
    // A relative path: resolve it against the process's current directory.
    char full[MAX_PATH + 1];
    const DWORD length = GetFullPathNameA(requested.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length > MAX_PATH) RaiseLastInOutError();
    path.assign(full, length);
  }
  if (SameFileName(path, directory_, caseSensitive_, codePage)) return;

  // Check that the path can be entered, one step at a time, and come back:
  // a failure leaves the process where it was.
  const std::string saved = platform::GetCurrentDir();
  // The drive step enters the drive's root: the drive's own current
  // directory may have been removed meanwhile, and the root is what tells
  // whether the drive is ready.
  const std::string driveStep = DrivePart(path, codePage) + "\\";
  for (const std::string& step : {driveStep, ParentDirectory(path, codePage), path}) {
    if (!SetCurrentDirectoryA(step.c_str())) {
      const DWORD error = GetLastError();
      SetCurrentDirectoryA(saved.c_str());
      throw EInOutError(error);
    }
  }
  SetCurrentDirectoryA(saved.c_str());
  MoveTo(path);
}

void TDirectoryListBox::SetDrive(char letter) {
  if (CaseDriveLetter(letter, TTextCase::tcLowerCase) == CaseDriveLetter(Drive(), TTextCase::tcLowerCase)) return;
  // "X:" enters the drive's own current directory.
  const std::string drive{letter, ':'};
  MoveTo(drive);
}

void TDirectoryListBox::MoveTo(const std::string& path) {
  // The directory we leave stays its drive's own current directory, also
  // when it was current before the list took over.
  RememberDriveDirectory(directory_);
  if (!SetCurrentDirectoryA(path.c_str())) RaiseLastInOutError();
  const char oldDrive = Drive();
  directory_ = platform::GetCurrentDir();
  RememberDriveDirectory(directory_);
  Rebuild();
  if (driveCombo_ && CaseDriveLetter(oldDrive, TTextCase::tcLowerCase) !=
                         CaseDriveLetter(Drive(), TTextCase::tcLowerCase))
    driveCombo_->FollowDirList();
  DoDirectoryChange();
}

void TDirectoryListBox::DoDirectoryChange() {
  if (OnChange) OnChange(*this);
}

void TDirectoryListBox::Rebuild() {
  const int codePage = platform::AnsiCodePage();
  const std::string drive = DrivePart(directory_, codePage);
  std::vector<std::string> names;
  bool preserveCase = true;
  caseSensitive_ = false;
  if (!drive.empty()) {
    const DWORD flags = VolumeFlags(drive + "\\");
    caseSensitive_ = (flags & FS_CASE_SENSITIVE) != 0;
    preserveCase = (flags & (FS_CASE_IS_PRESERVED | FS_CASE_SENSITIVE)) != 0;
    names = ReadSubDirectories(directory_, codePage);
  }
  entries_ = BuildDirEntries(directory_, std::move(names), preserveCase, codePage);

  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  Clear();
  for (const TDirEntry& entry : entries_) AddItem(entry.Text);
  SetItemIndex(CurrentEntryIndex(entries_));
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  Invalidate();
}

void TDirectoryListBox::UpdateItemHeight() {
  ui::TWindowDC screen(nullptr);
  ui::TSelect font(screen, FontHandle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SetItemHeight(std::max(static_cast<int>(metrics.tmHeight), openGlyph_.Height() + 1));
}

void TDirectoryListBox::FontChanged() {
  TCustomListBox::FontChanged();
  UpdateItemHeight();
}

void TDirectoryListBox::WndProc(ui::TMessage& m) {
  if (m.Msg == ui::CN_COMMAND) {
    switch (HIWORD(m.WParam)) {
      case LBN_DBLCLK:
        OpenCurrent();
        return;
      case LBN_SELCHANGE:
        // Highlighting is no change of directory: nothing to report.
        return;
      default:
        break;
    }
  }
  TCustomListBox::WndProc(m);
}

void TDirectoryListBox::KeyDown(WORD& key, ui::TShiftState shift) {
  TCustomListBox::KeyDown(key, shift);
  if (key == VK_RETURN) {
    key = 0;
    OpenCurrent();
  }
}

void TDirectoryListBox::DrawItem(HDC dc, int index, const RECT& rect, ui::TOwnerDrawState state) {
  ui::FillRectColor(dc, rect, state.Selected ? ui::clHighlight : Color());
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  const TDirEntry& entry = entries_[static_cast<size_t>(index)];
  const TChooserGlyph& glyph = entry.Kind == TDirEntryKind::deSubDirectory ? closedGlyph_
                               : entry.Kind == TDirEntryKind::deCurrent    ? currentGlyph_
                                                                           : openGlyph_;
  const int glyphLeft = rect.left + entry.Indent;
  glyph.Draw(dc, glyphLeft, rect.top);
  ui::TSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui::ColorToRGB(state.Selected ? ui::clHighlightText : Font().Color));
  TextOutA(dc, glyphLeft + glyph.Width() + 4, rect.top, entry.Text.c_str(), static_cast<int>(entry.Text.size()));
}

void TDirectoryListBox::Notification(ui::TComponent& component, ui::TOperation operation) {
  TCustomListBox::Notification(component, operation);
  if (operation == ui::TOperation::opRemove && &component == driveCombo_) driveCombo_ = nullptr;
}

}  // namespace tavo::app
