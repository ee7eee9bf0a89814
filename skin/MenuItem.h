// The menu model: TMenuItem trees with captions ("&" marks the accelerator),
// shortcuts, states, image indexes, click handlers and command numbers;
// TMenu, the root that dispatches commands; shortcut text and accelerator
// matching. Portable: the popup engine and the ui/ menu components use it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Rect.h"
#include "skin/Bitmap.h"

namespace tavo::skin {

// The virtual-key codes the menus name (the platform's values).
constexpr unsigned kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkEscape = 0x1B, kVkSpace = 0x20,
                   kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26,
                   kVkRight = 0x27, kVkDown = 0x28, kVkInsert = 0x2D, kVkDelete = 0x2E, kVkF1 = 0x70, kVkF24 = 0x87;

// A shortcut: the virtual-key code in the low byte, and the modifier bits.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
constexpr TShortCut ShortCut(uint8_t key, TShortCut shift) { return static_cast<TShortCut>(key | shift); }

// The text of a shortcut: the modifiers as "Shift+", "Ctrl+" and "Alt+",
// then the key's name ("F4", "A", "Enter", "Del", ...); empty for 0 or a
// key without a name.
std::string ShortCutToText(TShortCut shortCut);

// The accelerator character of a caption: the character after a single
// "&" ("&&" writes one "&"), skipping double-byte characters whole; 0 when
// there is none.
char GetHotkey(std::string_view caption);
// The caption's accelerator matches the virtual-key code (letters and
// digits, case ignored).
bool IsAccel(unsigned key, std::string_view caption);
// The caption as it is shown: every single "&" removed, "&&" made "&".
std::string StripHotkey(std::string_view caption);

// Images drawn beside menu items (the menu's image list).
class TMenuImages {
 public:
  virtual ~TMenuImages() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int Count() const = 0;
  // Draws image index with its top-left corner at (x, y).
  virtual void Draw(TBitmap& canvas, int x, int y, int index, bool enabled) const = 0;
};

class TMenu;
class TMenuItem;

using TMenuNotifyEvent = std::function<void(TMenuItem& sender)>;
// Draws an item in place of the standard content: canvas, text area and
// whether the item is highlighted.
using TMenuDrawItemEvent = std::function<void(TMenuItem& sender, TBitmap& canvas, const TRect& rect, bool selected)>;

// One menu item and its sub-items, which it owns. Every item gets a
// command number of its own when made; the menu finds it by that number.
class TMenuItem {
 public:
  TMenuItem();
  explicit TMenuItem(std::string caption, TMenuNotifyEvent onClick = {});
  ~TMenuItem();
  TMenuItem(const TMenuItem&) = delete;
  TMenuItem& operator=(const TMenuItem&) = delete;

  std::string Name;
  std::string Caption;
  TShortCut ShortCut = 0;
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  bool RadioItem = false;
  bool Default = false;
  int ImageIndex = -1;
  TMenuNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;

  int Command() const { return command_; }
  bool IsLine() const { return Caption == "-"; }

  // --- sub-items -----------------------------------------------------------
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  // The menu the item belongs to (through its parents), or null.
  TMenu* Menu() const;
  // Appends or inserts an item and takes it over; returns it.
  TMenuItem& Add(std::unique_ptr<TMenuItem> item);
  TMenuItem& Insert(int index, std::unique_ptr<TMenuItem> item);
  // Makes and appends an item with a caption, a name and a click handler.
  TMenuItem& Add(std::string caption, std::string name = {}, TMenuNotifyEvent onClick = {});
  // Takes a sub-item out and hands it back.
  std::unique_ptr<TMenuItem> Remove(int index);
  void Delete(int index) { Remove(index); }
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  // The sub-item with this name (exact), or null.
  TMenuItem* Find(std::string_view name) const;
  // This item or one below it with the command number, or null.
  TMenuItem* FindCommand(int command);

  // Runs OnClick (a disabled item does nothing).
  virtual void Click();

 private:
  friend class TMenu;
  TMenuItem& Adopt(int index, std::unique_ptr<TMenuItem> item);

  int command_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

// A menu: its root item (whose sub-items are the menu's items) and its
// image list.
class TMenu {
 public:
  TMenu();
  virtual ~TMenu();
  TMenu(const TMenu&) = delete;
  TMenu& operator=(const TMenu&) = delete;

  TMenuItem& Items() { return *items_; }
  const TMenuItem& Items() const { return *items_; }
  const TMenuImages* Images = nullptr;  // not owned

  // Clicks the item with the command number; false when there is none.
  bool DispatchCommand(int command);
  // The first enabled item whose shortcut equals shortCut, searched
  // depth-first through the visible sub-items; null when none.
  TMenuItem* FindItemByShortCut(TShortCut shortCut);
  // Clicks the item of the shortcut; true when one was found.
  bool IsShortCut(TShortCut shortCut);

 private:
  std::unique_ptr<TMenuItem> items_;
};

}  // namespace tavo::skin
