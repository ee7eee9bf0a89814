// The system menu's and the tray menu's items.
#include "skin/SystemMenu.h"

#include <array>
#include <string_view>

#include "skin/ResourceStrData.h"

namespace tavo::skin {

std::string SystemItemCaption(const char* resourceName, const char* builtIn, const TResourceStrData* strings) {
  return strings ? strings->GetResStr(resourceName) : std::string(builtIn);
}

namespace {

// The built-in captions, as the code page 936 bytes the menu shows.
// 最小化(&n)
constexpr char kMinCaption[] = "\xD7\xEE\xD0\xA1\xBB\xAF(&n)";
// 最大化(&x)
constexpr char kMaxCaption[] = "\xD7\xEE\xB4\xF3\xBB\xAF(&x)";
// 还原(&R)
constexpr char kRestoreCaption[] = "\xBB\xB9\xD4\xAD(&R)";
// 向上卷拢(&l)
constexpr char kRollUpCaption[] = "\xCF\xF2\xC9\xCF\xBE\xED\xC2\xA3(&l)";
// 最小化到图标(&T)
constexpr char kMinToTrayCaption[] = "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xBC\xB1\xEA(&T)";
// 关闭(&C)
constexpr char kCloseCaption[] = "\xB9\xD8\xB1\xD5(&C)";

using Item = std::unique_ptr<TMenuItem>;

Item MakeItem(const char* name, const char* resource, const char* builtIn, const TSystemMenuState& s,
              TMenuNotifyEvent onClick) {
  auto item = std::make_unique<TMenuItem>(SystemItemCaption(resource, builtIn, s.Strings), std::move(onClick));
  item->Name = name;
  return item;
}

TShortCut CloseShortCut(const TSystemMenuState& s) { return ShortCut(0x73 /* F4 */, s.MdiChild ? scCtrl : scAlt); }

// Each item of the system menu, made when it is present in state s.
Item MinItem(const TSystemMenuState& s, TSystemMenuHost& h) {
  if (s.State == TWindowState::wsMinimized || !s.Icons.Contains(TBorderIcon::biMinimize)) return nullptr;
  return MakeItem("SF_MINITEM", "MI_MINCAPTION", kMinCaption, s, [&h](TMenuItem&) {
    if (h.AlwaysMinimizeToTray())
      h.HideToTray();
    else
      h.ChangeWindowState(TWindowState::wsMinimized);
  });
}

Item MaxItem(const TSystemMenuState& s, TSystemMenuHost& h) {
  if (s.State == TWindowState::wsMaximized || !s.Icons.Contains(TBorderIcon::biMaximize)) return nullptr;
  return MakeItem("SF_MAXITEM", "MI_MAXCAPTION", kMaxCaption, s,
                  [&h](TMenuItem&) { h.ChangeWindowState(TWindowState::wsMaximized); });
}

Item RestoreItem(const TSystemMenuState& s, TSystemMenuHost& h) {
  if (s.State == TWindowState::wsNormal && !s.RolledUp) return nullptr;
  return MakeItem("SF_RESTORE", "MI_RESTORECAPTION", kRestoreCaption, s, [&h](TMenuItem&) {
    // A rolled-up window (normal or maximized) rolls down first; the state
    // is read when the item is chosen, not when the menu was built.
    if (h.RolledUp() && h.WindowState() != TWindowState::wsMinimized)
      h.ChangeRollUp(false);
    else
      h.ChangeWindowState(TWindowState::wsNormal);
  });
}

Item RollUpItem(const TSystemMenuState& s, TSystemMenuHost& h) {
  if (!s.Icons.Contains(TBorderIcon::biRollUp) || s.RolledUp || s.State == TWindowState::wsMinimized ||
      (s.MdiChild && s.State == TWindowState::wsMaximized))
    return nullptr;
  return MakeItem("SF_ROLLUP", "MI_ROLLUPCAPTION", kRollUpCaption, s, [&h](TMenuItem&) { h.ChangeRollUp(true); });
}

Item TrayItem(const TSystemMenuState& s, TSystemMenuHost& h) {
  if (!s.Icons.Contains(TBorderIcon::biMinimizeToTray)) return nullptr;
  return MakeItem("SF_MINTOTRAY", "MI_MINTOTRAYCAPTION", kMinToTrayCaption, s, [&h](TMenuItem&) { h.HideToTray(); });
}

Item CloseItem(const char* name, const TSystemMenuState& s, TSystemMenuHost& h) {
  Item item = MakeItem(name, "MI_CLOSECAPTION", kCloseCaption, s, [&h](TMenuItem&) { h.CloseForm(); });
  item->ShortCut = CloseShortCut(s);
  return item;
}

}  // namespace

void BuildOwnSystemMenu(TMenuItem& root, const TSystemMenuState& s, TSystemMenuHost& h) {
  root.Clear();
  for (Item& item : std::array<Item, 5>{MinItem(s, h), MaxItem(s, h), RestoreItem(s, h), RollUpItem(s, h),
                                       TrayItem(s, h)})
    if (item) root.Add(std::move(item));
  if (root.Count() > 0) root.Add("-");
  root.Add(CloseItem("SF_CLOSE", s, h));
}

void CompleteAssignedSystemMenu(TMenuItem& root, const TSystemMenuState& s, TSystemMenuHost& h) {
  static constexpr std::array<std::string_view, 6> kSystemNames{"SF_MINITEM", "SF_MAXITEM",  "SF_CLOSE",
                                                                "SF_MINTOTRAY", "SF_ROLLUP", "SF_RESTORE"};
  for (int i = root.Count() - 1; i >= 0; --i)
    for (std::string_view name : kSystemNames)
      if (root[i].Name == name) {
        root.Delete(i);
        break;
      }
  // Each goes to the top in turn, so the last inserted leads.
  for (Item& item : std::array<Item, 5>{TrayItem(s, h), RollUpItem(s, h), MaxItem(s, h), RestoreItem(s, h),
                                       MinItem(s, h)})
    if (item) root.Insert(0, std::move(item));
  root.Add(CloseItem("SF_CLOSE", s, h));
}

void BuildTrayMenu(TMenuItem& root, const TSystemMenuState& s, TSystemMenuHost& h) {
  root.Clear();
  root.Add(MakeItem("TRAY_SF_RESTORE", "MI_RESTORECAPTION", kRestoreCaption, s, [&h](TMenuItem&) { h.ShowFromTray(); }));
  root.Add("-");
  root.Add(CloseItem("TRAY_SF_CLOSE", s, h));
}

TMenuItem& TSystemMenu::Build(const TSystemMenuState& state, TMenu* assigned, bool useDefaultSysMenu,
                              TSystemMenuHost& host) {
  if (!assigned) {
    BuildOwnSystemMenu(Items(), state, host);
    root_ = &Items();
  } else {
    if (useDefaultSysMenu) CompleteAssignedSystemMenu(assigned->Items(), state, host);
    root_ = &assigned->Items();
  }
  return *root_;
}

}  // namespace tavo::skin
