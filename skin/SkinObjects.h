// The records of [SKINOBJECTS] (caption, caption buttons, menu items,
// animations, user objects) and the two window records of [POPUPWINDOW] and
// [HINTWINDOW]. Each record holds its section name and one field per key,
// named after the key. Portable.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinFields.h"

namespace tavo::skin {

// Base of the object records. LoadFromIni reads the section named by the
// record's IDName, base keys first; SaveToIni erases the section and writes
// the same keys back.
class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  virtual void LoadFromIni(const TSkinIni& ini);
  virtual void SaveToIni(TSkinIni& ini);

  std::string IDName;
  // The kind its [SKINOBJECTS] or [SKINCONTROLS] entry named, for writing
  // the list back.
  std::string Kind;
  std::string hint;
  int32_t activepictureindex = -1;
  bool skinrectinapicture = false;
  TRect skinrect, activeskinrect, inactiveskinrect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;

 protected:
  // Visits the record's keys in reading order, base class first.
  virtual void Fields(TSkinFieldVisitor& v);
};

// An object the application paints: only "skinrect" is read; the other
// base fields keep their creation values.
class TDataUserObject : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TRect downrect, disableskinrsect;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

// A caption button with a command and its images while the command is in
// effect.
class TDataSkinStdButton : public TDataSkinButton {
 public:
  using TDataSkinButton::TDataSkinButton;
  TStdCommand command = TStdCommand::cmDefault;
  TRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

class TDataSkinMainMenuBarButton : public TDataSkinStdButton {
 public:
  using TDataSkinStdButton::TDataSkinStdButton;
};

// Frame animation; always loads with morphing off.
class TDataSkinAnimate : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int32_t timerinterval = 50;
  TStdCommand command = TStdCommand::cmDefault;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

class TDataSkinMenuItem : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TRect dividerrect;
  int32_t dividerleftoffset = 0, dividerrightoffset = 0;
  TRect textrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

class TDataSkinMainMenuItem : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TRect downrect, textrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0;
  TColor unenabledfontcolor = 0;  // key "unenabledfontColor"

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

class TDataSkinMainMenuBarItem : public TDataSkinMainMenuItem {
 public:
  using TDataSkinMainMenuItem::TDataSkinMainMenuItem;
};

class TDataSkinCaption : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TRect textrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0;
  TAlignment alignment = TAlignment::taCenter;
  bool shadow = false;
  TColor shadowcolor = 0, activeshadowcolor = 0;
  TRect framerect, activeframerect, frametextrect;
  int32_t frameleftoffset = 0, framerightoffset = 0;

 protected:
  void Fields(TSkinFieldVisitor& v) override;
};

// The record class of a [SKINOBJECTS] kind ("menuitem", "caption", ...),
// carrying the section name; null for a kind not in the table.
std::unique_ptr<TDataSkinObject> CreateSkinObject(std::string_view kind, std::string idName);

// [POPUPWINDOW]: the frame of popup menus.
struct TDataSkinPopupWindow {
  int32_t windowpictureindex = -1, maskpictureindex = -1;
  TSkinCorners corners;
  TRect itemsrect;
  TColor scrollmarkercolor = 0, scrollmarkeractivecolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;

  void Fields(TSkinFieldVisitor& v);
};

// [HINTWINDOW]: the frame and font of hint windows.
struct TDataSkinHintWindow {
  int32_t windowpictureindex = -1, maskpictureindex = -1;
  TSkinCorners corners;
  TRect clientrect;
  TSkinFont font{"Arial", 12, {}};
  TColor fontcolor = 0;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;

  void Fields(TSkinFieldVisitor& v);
};

}  // namespace tavo::skin
