// The menu model: item trees, command numbers, shortcut text, accelerators.
#include "skin/MenuItem.h"

#include <cctype>

#include "core/Mbcs.h"

namespace tavo::skin {

namespace {

int NextCommand() {
  // Command numbers are unique for the program's life, as the platform's
  // menu commands are; 0 is never used.
  static int next = 0;
  return ++next;
}

std::string KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= kVkF1 && key <= kVkF24) {
    std::string name(1, 'F');
    name += std::to_string(key - kVkF1 + 1);
    return name;
  }
  switch (key) {
    case kVkBack: return "BkSp";
    case kVkTab: return "Tab";
    case kVkReturn: return "Enter";
    case kVkEscape: return "Esc";
    case kVkSpace: return "Space";
    case kVkPrior: return "PgUp";
    case kVkNext: return "PgDn";
    case kVkEnd: return "End";
    case kVkHome: return "Home";
    case kVkLeft: return "Left";
    case kVkUp: return "Up";
    case kVkRight: return "Right";
    case kVkDown: return "Down";
    case kVkInsert: return "Ins";
    case kVkDelete: return "Del";
    default: return {};
  }
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

char GetHotkey(std::string_view caption) {
  for (size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsLeadByte(c)) {
      ++i;  // the trail byte is never a marker
      continue;
    }
    if (c != '&' || i + 1 >= caption.size()) continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto next = static_cast<unsigned char>(caption[i + 1]);
    return IsLeadByte(next) ? 0 : static_cast<char>(next);
  }
  return 0;
}

bool IsAccel(unsigned key, std::string_view caption) {
  const char hot = GetHotkey(caption);
  if (hot == 0 || key > 0xFF) return false;
  return std::toupper(static_cast<unsigned char>(hot)) == std::toupper(static_cast<int>(key));
}

std::string StripHotkey(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    const auto c = static_cast<unsigned char>(caption[i]);
    if (IsLeadByte(c) && i + 1 < caption.size()) {
      out += caption.substr(i, 2);
      ++i;
    } else if (c == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

TMenuItem::TMenuItem() : command_(NextCommand()) {}

TMenuItem::TMenuItem(std::string caption, TMenuNotifyEvent onClick)
    : Caption(std::move(caption)), OnClick(std::move(onClick)), command_(NextCommand()) {}

TMenuItem::~TMenuItem() = default;

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

TMenuItem& TMenuItem::Adopt(int index, std::unique_ptr<TMenuItem> item) {
  if (index < 0 || index > Count()) index = Count();
  item->parent_ = this;
  TMenuItem& ref = *item;
  items_.insert(items_.begin() + index, std::move(item));
  return ref;
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) { return Adopt(Count(), std::move(item)); }

TMenuItem& TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) { return Adopt(index, std::move(item)); }

TMenuItem& TMenuItem::Add(std::string caption, std::string name, TMenuNotifyEvent onClick) {
  auto item = std::make_unique<TMenuItem>(std::move(caption), std::move(onClick));
  item->Name = std::move(name);
  return Add(std::move(item));
}

std::unique_ptr<TMenuItem> TMenuItem::Remove(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  auto item = std::move(items_[static_cast<size_t>(index)]);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  return item;
}

void TMenuItem::Clear() { items_.clear(); }

int TMenuItem::IndexOf(const TMenuItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].get() == item) return i;
  return -1;
}

TMenuItem* TMenuItem::Find(std::string_view name) const {
  for (const auto& item : items_)
    if (item->Name == name) return item.get();
  return nullptr;
}

TMenuItem* TMenuItem::FindCommand(int command) {
  if (command_ == command) return this;
  for (const auto& item : items_)
    if (TMenuItem* found = item->FindCommand(command)) return found;
  return nullptr;
}

void TMenuItem::Click() {
  if (Enabled && OnClick) OnClick(*this);
}

TMenu::TMenu() : items_(std::make_unique<TMenuItem>()) { items_->menu_ = this; }

TMenu::~TMenu() = default;

bool TMenu::DispatchCommand(int command) {
  TMenuItem* item = items_->FindCommand(command);
  if (!item) return false;
  item->Click();
  return true;
}

namespace {

TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = parent[i];
    if (!item.Visible || !item.Enabled) continue;
    if (item.ShortCut == shortCut) return &item;
    if (TMenuItem* found = FindShortCut(item, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) {
  return shortCut == 0 ? nullptr : FindShortCut(*items_, shortCut);
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  TMenuItem* item = FindItemByShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

}  // namespace tavo::skin
