// The object records and the popup and hint window records.
#include "skin/SkinObjects.h"

namespace tavo::skin {

void TDataSkinObject::LoadFromIni(const TSkinIni& ini) {
  TIniFieldReader reader(ini, IDName);
  Fields(reader);
}

void TDataSkinObject::SaveToIni(TSkinIni& ini) {
  ini.EraseSection(IDName);
  TIniFieldWriter writer(ini, IDName);
  Fields(writer);
}

void TDataSkinObject::Fields(TSkinFieldVisitor& v) {
  v.Text("hint", hint);
  v.Int("activepictureindex", activepictureindex, -1);
  v.Bool("skinrectinapicture", skinrectinapicture);
  v.Rect("skinrect", skinrect);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("inactiveskinrect", inactiveskinrect);
  v.Bool("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TDataUserObject::Fields(TSkinFieldVisitor& v) { v.Rect("skinrect", skinrect); }

void TDataSkinButton::Fields(TSkinFieldVisitor& v) {
  TDataSkinObject::Fields(v);
  v.Rect("downrect", downrect);
  v.Rect("disableskinrsect", disableskinrsect);
}

void TDataSkinStdButton::Fields(TSkinFieldVisitor& v) {
  TDataSkinButton::Fields(v);
  v.Command("command", command);
  v.Rect("restorerect", restorerect);
  v.Rect("restoreactiverect", restoreactiverect);
  v.Rect("restoredownrect", restoredownrect);
  v.Rect("restoreinactiverect", restoreinactiverect);
}

void TDataSkinAnimate::Fields(TSkinFieldVisitor& v) {
  TDataSkinObject::Fields(v);
  // Animations change frames on their own timer; blending states would
  // fight it, so morphing is off whatever the text says.
  if (v.Reading()) morphing = false;
  v.Int("countframes", countframes, 1);
  v.Bool("cycle", cycle);
  v.Bool("buttonstyle", buttonstyle);
  v.Int("timerinterval", timerinterval, 50);
  v.Command("command", command);
}

void TDataSkinMenuItem::Fields(TSkinFieldVisitor& v) {
  TDataSkinObject::Fields(v);
  v.Int("itemleftoffset", itemleftoffset, 0);
  v.Int("itemrightoffset", itemrightoffset, 0);
  v.Rect("dividerrect", dividerrect);
  v.Int("dividerleftoffset", dividerleftoffset, 0);
  v.Int("dividerrightoffset", dividerrightoffset, 0);
  v.Rect("textrect", textrect);
  VisitFont(v, "", font);
  v.Color("fontcolor", fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("unenabledfontcolor", unenabledfontcolor);
}

void TDataSkinMainMenuItem::Fields(TSkinFieldVisitor& v) {
  TDataSkinObject::Fields(v);
  v.Int("itemleftoffset", itemleftoffset, 0);
  v.Int("itemrightoffset", itemrightoffset, 0);
  v.Rect("downrect", downrect);
  v.Rect("textrect", textrect);
  VisitFont(v, "", font);
  v.Color("fontcolor", fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("downfontcolor", downfontcolor);
  v.Color("unenabledfontColor", unenabledfontcolor);
}

void TDataSkinCaption::Fields(TSkinFieldVisitor& v) {
  TDataSkinObject::Fields(v);
  v.Rect("textrect", textrect);
  VisitFont(v, "", font);
  v.Color("fontcolor", fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Alignment("alignment", alignment);
  v.Bool("shadow", shadow);
  v.Color("shadowcolor", shadowcolor);
  v.Color("activeshadowcolor", activeshadowcolor);
  v.Rect("framerect", framerect);
  v.Rect("activeframerect", activeframerect);
  v.Rect("frametextrect", frametextrect);
  v.Int("frameleftoffset", frameleftoffset, 0);
  v.Int("framerightoffset", framerightoffset, 0);
}

namespace {

std::unique_ptr<TDataSkinObject> MakeSkinObject(std::string_view kind, std::string idName) {
  if (kind == "menuitem") return std::make_unique<TDataSkinMenuItem>(std::move(idName));
  if (kind == "mainmenubaritem") return std::make_unique<TDataSkinMainMenuBarItem>(std::move(idName));
  if (kind == "stdbutton") return std::make_unique<TDataSkinStdButton>(std::move(idName));
  if (kind == "mainmenubarbutton") return std::make_unique<TDataSkinMainMenuBarButton>(std::move(idName));
  if (kind == "button") return std::make_unique<TDataSkinButton>(std::move(idName));
  if (kind == "caption") return std::make_unique<TDataSkinCaption>(std::move(idName));
  if (kind == "animate") return std::make_unique<TDataSkinAnimate>(std::move(idName));
  if (kind == "userobject") return std::make_unique<TDataUserObject>(std::move(idName));
  return nullptr;
}

}  // namespace

std::unique_ptr<TDataSkinObject> CreateSkinObject(std::string_view kind, std::string idName) {
  auto object = MakeSkinObject(kind, std::move(idName));
  if (object) object->Kind = std::string(kind);
  return object;
}

namespace {

void VisitStretch(TSkinFieldVisitor& v, bool& left, bool& right, bool& top, bool& bottom) {
  v.Bool("leftstretch", left);
  v.Bool("rightstretch", right);
  v.Bool("topstretch", top);
  v.Bool("bottomstretch", bottom);
}

}  // namespace

void TDataSkinPopupWindow::Fields(TSkinFieldVisitor& v) {
  v.Int("windowpictureindex", windowpictureindex, -1);
  v.Int("maskpictureindex", maskpictureindex, -1);
  VisitCorners(v, corners);
  v.Rect("itemsrect", itemsrect);
  v.Color("scrollmarkercolor", scrollmarkercolor);
  v.Color("scrollmarkeractivecolor", scrollmarkeractivecolor);
  VisitStretch(v, leftstretch, rightstretch, topstretch, bottomstretch);
}

void TDataSkinHintWindow::Fields(TSkinFieldVisitor& v) {
  v.Int("windowpictureindex", windowpictureindex, -1);
  v.Int("maskpictureindex", maskpictureindex, -1);
  VisitCorners(v, corners);
  v.Rect("clientrect", clientrect);
  VisitFont(v, "", font);
  v.Color("fontcolor", fontcolor);
  VisitStretch(v, leftstretch, rightstretch, topstretch, bottomstretch);
}

}  // namespace tavo::skin
