// The plain chooser: directory entries from the file system, drives from
// the system's drive list.
#include "app/PlainChooser.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/PathRules.h"
#include "ui/UiException.h"

namespace tavo::app {

namespace {

// Entry kinds, kept as the items' data.
constexpr intptr_t kCurrentEntry = 0;
constexpr intptr_t kParentEntry = 1;
constexpr intptr_t kSubEntry = 2;

std::string CurrentDirectory() {
  std::vector<char> buffer(MAX_PATH + 1);
  DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  return std::string(buffer.data(), n < buffer.size() ? n : 0);
}

}  // namespace

TPlainDirectoryList::TPlainDirectoryList(ui::TWinControl& parent) : ui::TListBox(parent) {
  directory_ = CurrentDirectory();
  Rebuild();
}

void TPlainDirectoryList::Rebuild() {
  Clear();
  AddItem(directory_, kCurrentEntry);
  const int codePage = static_cast<int>(GetACP());
  const bool root = DirectoryPart(directory_, codePage) == directory_;
  if (!root) AddItem("..", kParentEntry);
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const std::string pattern = NormalizeDir(directory_, codePage) + "*";
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == "..") continue;
      if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
      names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  for (const std::string& name : names) AddItem("   " + name, kSubEntry);
  SetItemIndex(0);
}

void TPlainDirectoryList::EnterDirectory(const std::string& path) {
  if (!SetCurrentDirectoryA(path.c_str())) ui::RaiseLastOSError();
  directory_ = CurrentDirectory();
  Rebuild();
  DoChange();
}

void TPlainDirectoryList::SetDrive(char letter) {
  // Drive letters are ASCII: compare them without regard to case.
  const bool sameDrive = directory_.size() >= 2 && directory_[1] == ':' && (directory_[0] | 0x20) == (letter | 0x20);
  if (sameDrive) return;
  EnterDirectory(std::string(1, letter) + ":");
}

void TPlainDirectoryList::OpenSelected() {
  const int index = ItemIndex();
  if (index < 0) return;
  const int codePage = static_cast<int>(GetACP());
  switch (ItemData(index)) {
    case kParentEntry: {
      // The parent: the directory part without its last separator, unless
      // that leaves a drive root.
      std::string parent = DirectoryPart(directory_, codePage);
      if (parent.size() > 3 && parent.back() == '\\') parent.pop_back();
      EnterDirectory(parent);
      break;
    }
    case kSubEntry:
      EnterDirectory(NormalizeDir(directory_, codePage) + Item(index).substr(3));
      break;
    default:
      break;
  }
}

void TPlainDirectoryList::DblClick() {
  OpenSelected();
  ui::TListBox::DblClick();
}

void TPlainDirectoryList::KeyDown(WORD& key, ui::TShiftState shift) {
  if (key == VK_RETURN) {
    OpenSelected();
    key = 0;
    return;
  }
  ui::TListBox::KeyDown(key, shift);
}

void TPlainDirectoryList::DoChange() {
  if (OnChange) OnChange(*this);
}

TPlainDriveList::TPlainDriveList(ui::TWinControl& parent) : ui::TComboBox(parent, ui::TComboBoxStyle::csDropDownList) {
  const DWORD drives = GetLogicalDrives();
  const std::string current = CurrentDirectory();
  for (int i = 0; i < 26; ++i) {
    if (!(drives & (1u << i))) continue;
    const char letter = static_cast<char>('a' + i);
    const std::string root = std::string(1, letter) + ":\\";
    switch (GetDriveTypeA(root.c_str())) {
      case DRIVE_REMOVABLE:
      case DRIVE_FIXED:
      case DRIVE_REMOTE:
      case DRIVE_CDROM:
      case DRIVE_RAMDISK: {
        const int index = AddItem(std::string(1, letter) + ":", letter);
        if (!current.empty() && (current[0] | 0x20) == letter) SetItemIndex(index);
        break;
      }
      default:
        break;
    }
  }
}

void TPlainDriveList::WndProc(ui::TMessage& m) {
  if (m.Msg == ui::CN_COMMAND && HIWORD(m.WParam) == CBN_SELCHANGE && DirList && ItemIndex() >= 0)
    DirList->SetDrive(static_cast<char>(ItemData(ItemIndex())));
  ui::TComboBox::WndProc(m);
}

}  // namespace tavo::app
