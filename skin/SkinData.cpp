// Loading, clearing, lookups and notifications of the skin data.
#include "skin/SkinData.h"

#include <algorithm>

#include "skin/BmpReader.h"
#include "skin/SkinFormat.h"

namespace tavo::skin {

TSkinData::TSkinData(const void* owner, TSkinNotifier* notifier)
    : owner_(owner), notifier_(notifier != nullptr ? notifier : &TSkinNotifier::Default()) {}

TSkinData::~TSkinData() {
  IsEmpty = true;
  ClearObjects();
}

void TSkinData::Notification(TSkinComponent* removed) {
  // The loaded skin stays; only the reference goes.
  if (removed == storedSkin_) storedSkin_ = nullptr;
  if (removed == resourceStrData_) resourceStrData_ = nullptr;
}

void TSkinData::SetCompressedStoredSkin(TCompressedStoredSkin* stored) {
  if (storedSkin_ != nullptr && storedSkin_ != stored)
    RemoveFreeNotification(storedSkin_);
  storedSkin_ = stored;
  if (stored != nullptr) FreeNotification(stored);
  if (!Designing && stored != nullptr) LoadCompressedStoredSkin(*stored);
}

void TSkinData::SetResourceStrData(TResourceStrData* data) {
  if (resourceStrData_ != nullptr && resourceStrData_ != data) RemoveFreeNotification(resourceStrData_);
  resourceStrData_ = data;
  if (data != nullptr) FreeNotification(data);
  if (!Designing) BroadcastToForms(MsgResStringsChanged);
}

void TSkinData::BroadcastToForms(uint32_t message) { notifier_->Broadcast(message, *this, owner_); }

void TSkinData::LoadCompressedStoredSkin(const TCompressedStoredSkin& stored) {
  if (stored.Empty()) return;
  IsEmpty = true;
  BroadcastToForms(MsgSkinChanging);
  ClearAll();
  TMemoryStream data;
  stored.Decompress(data);
  data.SetPosition(0);
  if (!ReadContainer(data)) return;
  IsEmpty = false;
  BroadcastToForms(MsgSkinChanged);
  BroadcastToForms(MsgSkinChangedAfter);
}

namespace {

// A flag byte; the end of the data reads as "absent".
bool PictureFollows(TMemoryStream& data) {
  uint8_t flag = kPictureAbsent;
  return data.Read(&flag, 1) == 1 && flag == kPicturePresent;
}

void ReadFlaggedPicture(TMemoryStream& data, TBitmap& bitmap) {
  if (PictureFollows(data)) ReadBmpImage(data, bitmap);
  else bitmap = TBitmap();
}

}  // namespace

bool TSkinData::ReadContainer(TMemoryStream& data) {
  uint8_t field[4];
  if (data.Read(field, 4) != 4) return false;
  Version = GetI32(field);
  if (Version > kMaxSkinVersion) return false;

  ReadFlaggedPicture(data, Picture);
  ReadFlaggedPicture(data, InActivePicture);
  ReadFlaggedPicture(data, Mask);
  if (Version == kExtraPicturesVersion) {
    TBitmap scratch;
    for (int i = 0; i < kExtraPictureCount; ++i) ReadFlaggedPicture(data, scratch);
  }
  int32_t count = 0;
  if (data.Read(field, 4) == 4) count = GetI32(field);
  // Pictures past the end of the data would all be empty; stop there so a
  // damaged count cannot make us append millions of them.
  for (int32_t i = 0; i < count && data.Remaining() > 0; ++i) {
    ActivePictures.emplace_back();
    ReadBmpImage(data, ActivePictures.back());
  }

  const std::string_view text(reinterpret_cast<const char*>(data.Data().data()) + data.Position(),
                              data.Remaining());
  IniText = TSkinIni::SplitLines(text);
  const TSkinIni ini(IniText);
  ReadSkinIni(ini);
  return true;
}

void TSkinData::ReadSkinIni(const TSkinIni& ini) {
  skinname = ini.ReadString("VERSION", "skinname", "");
  skinauthor = ini.ReadString("VERSION", "skinauthor", "");
  authoremail = ini.ReadString("VERSION", "authoremail", "");
  authorurl = ini.ReadString("VERSION", "authorurl", "");
  skincomments = ini.ReadString("VERSION", "skincomments", "");
  PictureName = ini.ReadString("PICTURES", "picture", "");
  InActivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
  MaskName = ini.ReadString("PICTURES", "mask", "");
  ReadList(ini, "PICTURES", "activepictures", ActivePictureNames);

  TIniFieldReader formInfo(ini, "FORMINFO");
  FormInfoFields(formInfo);
  TIniFieldReader popup(ini, "POPUPWINDOW");
  PopupWindowData.Fields(popup);
  TIniFieldReader hint(ini, "HINTWINDOW");
  HintWindowData.Fields(hint);
  ReadRecordList(ini, "SKINOBJECTS", true);
  ReadRecordList(ini, "SKINCONTROLS", false);
}

void TSkinData::FormInfoFields(TSkinFieldVisitor& v) {
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
  v.Int("bgpictureindex", bgpictureindex, -1);
  v.Int("mdibgpictureindex", mdibgpictureindex, -1);
  v.Bool("leftstretch", leftstretch);
  v.Bool("rightstretch", rightstretch);
  v.Bool("topstretch", topstretch);
  v.Bool("bottomstretch", bottomstretch);
  v.Rect("maskrectarea", maskrectarea);
  v.Point("hittestlefttoppoint", hittestlefttoppoint);
  v.Point("hittestrighttoppoint", hittestrighttoppoint);
  v.Point("hittestleftbottompoint", hittestleftbottompoint);
  v.Point("hittestrightbottompoint", hittestrightbottompoint);
  if (v.Reading() && !MaskName.empty()) {
    // The mask area must at least cover the client area, and hit-test
    // corners left unset follow the frame corners.
    if (IsRectEmpty(maskrectarea)) {
      maskrectarea = clientrect;
    } else {
      maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
      maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
      maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
      maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
    }
    auto follow = [](TPoint& hit, const TPoint& frame) {
      if (hit.x == 0 || hit.y == 0) hit = frame;
    };
    follow(hittestlefttoppoint, lefttoppoint);
    follow(hittestrighttoppoint, righttoppoint);
    follow(hittestleftbottompoint, leftbottompoint);
    follow(hittestrightbottompoint, rightbottompoint);
  }
  v.Rect("buttonsrect", buttonsrect);
  v.Rect("captionrect", captionrect);
  v.Int("buttonsoffset", buttonsoffset, 0);
  v.Bool("buttonsinleft", buttonsinleft);
  v.Bool("mainmenupopupup", mainmenupopupup);
  v.Int("borderwidth", borderwidth, 0);
  v.Bool("autorenderinginactiveimage", autorenderinginactiveimage);
  v.InactiveEffect("inactiveeffect", inactiveeffect);
  if (v.Reading() && rightbottompoint.x != lefttoppoint.x && rightbottompoint.y != lefttoppoint.y) {
    // The frame corners may not reach into the client area.
    const TRect& c = clientrect;
    lefttoppoint = TPoint{std::max(lefttoppoint.x, c.left), std::max(lefttoppoint.y, c.top)};
    righttoppoint = TPoint{std::min(righttoppoint.x, c.right), std::max(righttoppoint.y, c.top)};
    leftbottompoint = TPoint{std::max(leftbottompoint.x, c.left), std::min(leftbottompoint.y, c.bottom)};
    rightbottompoint = TPoint{std::min(rightbottompoint.x, c.right), std::min(rightbottompoint.y, c.bottom)};
  }
}

void TSkinData::ReadRecordList(const TSkinIni& ini, const char* section, bool objects) {
  // A missing entry is empty and makes nothing, so only the index keys the
  // section holds are visited, in order: a sparse list (count=100 with only
  // 99=) keeps its last entry, and a damaged count costs nothing.
  const int32_t count = ini.ReadInteger(section, "count", 0);
  for (const int32_t i : ini.IndexKeys(section)) {
    if (i >= count) break;
    const std::string entry = ini.ReadString(section, std::to_string(i), "");
    const size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    std::string name = entry.substr(0, colon);
    const std::string kind = entry.substr(colon + 1);
    if (objects) {
      auto object = CreateSkinObject(kind, std::move(name));
      if (!object) continue;
      SkinObjects.push_back(std::move(object));
      SkinObjects.back()->LoadFromIni(ini);
    } else {
      auto control = CreateSkinControl(kind, std::move(name));
      if (!control) continue;
      SkinControls.push_back(std::move(control));
      SkinControls.back()->LoadFromIni(ini);
    }
  }
}

void TSkinData::SaveToIni(TSkinIni& ini) {
  // Records first: a record that shares its name with a fixed section must
  // not erase the fixed section or the lists written after it.
  for (auto& object : SkinObjects) object->SaveToIni(ini);
  for (auto& control : SkinControls) control->SaveToIni(ini);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINOBJECTS",
                              "SKINCONTROLS"})
    ini.EraseSection(section);
  ini.WriteString("VERSION", "skinname", skinname);
  ini.WriteString("VERSION", "skinauthor", skinauthor);
  ini.WriteString("VERSION", "authoremail", authoremail);
  ini.WriteString("VERSION", "authorurl", authorurl);
  ini.WriteString("VERSION", "skincomments", skincomments);
  ini.WriteString("PICTURES", "picture", PictureName);
  ini.WriteString("PICTURES", "inactivepicture", InActivePictureName);
  ini.WriteString("PICTURES", "mask", MaskName);
  WriteList(ini, "PICTURES", "activepictures", ActivePictureNames);
  TIniFieldWriter formInfo(ini, "FORMINFO");
  FormInfoFields(formInfo);
  TIniFieldWriter popup(ini, "POPUPWINDOW");
  PopupWindowData.Fields(popup);
  TIniFieldWriter hint(ini, "HINTWINDOW");
  HintWindowData.Fields(hint);
  ini.WriteInteger("SKINOBJECTS", "count", static_cast<int32_t>(SkinObjects.size()));
  for (size_t i = 0; i < SkinObjects.size(); ++i)
    ini.WriteString("SKINOBJECTS", std::to_string(i), SkinObjects[i]->IDName + ":" + SkinObjects[i]->Kind);
  ini.WriteInteger("SKINCONTROLS", "count", static_cast<int32_t>(SkinControls.size()));
  for (size_t i = 0; i < SkinControls.size(); ++i)
    ini.WriteString("SKINCONTROLS", std::to_string(i), SkinControls[i]->IDName + ":" + SkinControls[i]->Kind);
}

void TSkinData::ClearObjects() {
  SkinObjects.clear();
  SkinControls.clear();
  ActivePictures.clear();
  ActivePictureNames.clear();
  PopupWindowData.windowpictureindex = -1;
  HintWindowData.windowpictureindex = -1;
}

void TSkinData::ClearAll() {
  ClearObjects();
  Picture = TBitmap();
  Mask = TBitmap();
  InActivePicture = TBitmap();
  PictureName.clear();
  MaskName.clear();
  IsEmpty = true;
}

int TSkinData::GetObjectIndex(std::string_view name) const {
  for (size_t i = 0; i < SkinObjects.size(); ++i)
    if (SkinObjects[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

int TSkinData::GetControlIndex(std::string_view name) const {
  for (size_t i = 0; i < SkinControls.size(); ++i)
    if (SkinControls[i]->IDName == name) return static_cast<int>(i);
  return -1;
}

}  // namespace tavo::skin
