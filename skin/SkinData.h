// TSkinData: one loaded skin — its pictures, the values of its fixed
// sections, its object and control records — loaded from a stored skin and
// announced to every form through the notifier. Owns everything it loads.
// Portable.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/Bitmap.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinComponent.h"
#include "skin/SkinControls.h"
#include "skin/SkinNotifier.h"
#include "skin/SkinObjects.h"

namespace tavo::skin {

class TSkinData : public TSkinComponent {
 public:
  // owner identifies the form that owns the component: it hears broadcasts
  // first. The notifier is the application's list unless one is given.
  explicit TSkinData(const void* owner = nullptr, TSkinNotifier* notifier = nullptr);
  // Clears everything; broadcasts nothing.
  ~TSkinData() override;

  const void* Owner() const { return owner_; }
  // True while the component is edited in a form designer: assignments
  // store references without loading or broadcasting.
  bool Designing = false;

  TCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
  // Stores the reference and loads it (every assignment loads again).
  void SetCompressedStoredSkin(TCompressedStoredSkin* stored);
  TResourceStrData* ResourceStrData() const { return resourceStrData_; }
  // Stores the reference and broadcasts MsgResStringsChanged.
  void SetResourceStrData(TResourceStrData* data);

  // The load: nothing for an empty stored skin; otherwise MsgSkinChanging,
  // ClearAll, inflate, read the container and the INI text, then
  // MsgSkinChanged and MsgSkinChangedAfter. A container version above 3
  // leaves the skin empty without MsgSkinChanged. Errors propagate with the
  // skin left empty.
  void LoadCompressedStoredSkin(const TCompressedStoredSkin& stored);
  // Reads an inflated container (version, pictures, INI text) from the
  // stream's position into this skin data, without messages. Returns false
  // when the version is above 3 or missing.
  bool ReadContainer(TMemoryStream& data);
  // Reads the sections of a skin INI text into this skin data.
  void ReadSkinIni(const TSkinIni& ini);
  // Writes the fixed sections and every record back as INI text.
  void SaveToIni(TSkinIni& ini);

  void ClearObjects();
  void ClearAll();
  // Index of the first record whose section name equals name exactly, or -1.
  int GetObjectIndex(std::string_view name) const;
  int GetControlIndex(std::string_view name) const;
  void BroadcastToForms(uint32_t message);

  bool IsEmpty = true;
  int32_t Version = 0;  // of the last container read
  TBitmap Picture, InActivePicture, Mask;
  std::vector<TBitmap> ActivePictures;
  std::string PictureName, InActivePictureName, MaskName;
  std::vector<std::string> ActivePictureNames;
  std::string skinname, skinauthor, authoremail, authorurl, skincomments;
  std::vector<std::string> IniText;  // the lines of the last INI text read

  // [FORMINFO], after its adjustments.
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect clientrect;
  int32_t bgpictureindex = -1, mdibgpictureindex = -1;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  TRect maskrectarea;
  TPoint hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  TRect buttonsrect, captionrect;
  int32_t buttonsoffset = 0;
  bool buttonsinleft = false, mainmenupopupup = false;
  int32_t borderwidth = 0;
  bool autorenderinginactiveimage = false;
  TInactiveEffect inactiveeffect = TInactiveEffect::ieBrightness;

  TDataSkinPopupWindow PopupWindowData;
  TDataSkinHintWindow HintWindowData;
  std::vector<std::unique_ptr<TDataSkinObject>> SkinObjects;
  std::vector<std::unique_ptr<TDataSkinControl>> SkinControls;

 protected:
  void Notification(TSkinComponent* removed) override;

 private:
  void FormInfoFields(TSkinFieldVisitor& v);
  void ReadRecordList(const TSkinIni& ini, const char* section, bool objects);

  const void* owner_;
  TSkinNotifier* notifier_;
  TCompressedStoredSkin* storedSkin_ = nullptr;
  TResourceStrData* resourceStrData_ = nullptr;
};

}  // namespace tavo::skin
