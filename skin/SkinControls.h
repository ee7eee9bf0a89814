// The records of [SKINCONTROLS]: one class per control kind, each holding its
// section name and one field per key, named after the key. Portable.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "skin/SkinFields.h"

namespace tavo::skin {

// Base of the control records: the picture, mask picture and image
// rectangle. LoadFromIni reads the section named by IDName, base keys first;
// SaveToIni erases the section and writes the same keys back.
class TDataSkinControl {
 public:
  explicit TDataSkinControl(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TDataSkinControl() = default;
  TDataSkinControl(const TDataSkinControl&) = delete;
  TDataSkinControl& operator=(const TDataSkinControl&) = delete;

  virtual void LoadFromIni(const TSkinIni& ini);
  virtual void SaveToIni(TSkinIni& ini);

  std::string IDName;
  // The kind its [SKINOBJECTS] or [SKINCONTROLS] entry named, for writing
  // the list back.
  std::string Kind;
  int32_t pictureindex = -1;
  int32_t maskpictureindex = -1;
  TRect skinrect;

 protected:
  virtual void Fields(TSkinFieldVisitor& v);
};

// Declares a record class with its own keys visited by Fields.
#define TAVO_SKIN_RECORD(Name, Base)      \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
                                          \
   protected:                             \
    void Fields(TSkinFieldVisitor& v) override; \
                                          \
   public:

// Corner points that cut the image into fixed corners and resizable edges,
// and the client rectangle where content goes.
TAVO_SKIN_RECORD(TDataSkinCustomControl, TDataSkinControl)
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  TRect clientrect;
};

class TDataSkinSplitterControl : public TDataSkinCustomControl {
 public:
  using TDataSkinCustomControl::TDataSkinCustomControl;
};

TAVO_SKIN_RECORD(TDataSkinButtonControl, TDataSkinCustomControl)
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, downfontcolor = 0, disabledfontcolor = 0;
  TRect activeskinrect, downskinrect, disabledskinrect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
};

TAVO_SKIN_RECORD(TDataSkinMenuButtonControl, TDataSkinButtonControl)
  TRect trackbuttonrect;
};

TAVO_SKIN_RECORD(TDataSkinPanelControl, TDataSkinCustomControl)
  int32_t bgpictureindex = -1;
  TRect captionrect;
  TAlignment alignment = TAlignment::taCenter;
  TSkinFont font;
  TColor fontcolor = 0;
  TRect checkimagerect, uncheckimagerect;
};

TAVO_SKIN_RECORD(TDataSkinExPanelControl, TDataSkinCustomControl)
  TRect rollhskinrect, rollvskinrect;
  int32_t rollleftoffset = 0, rollrightoffset = 0, rolltopoffset = 0, rollbottomoffset = 0;
  TRect rollvcaptionrect, rollhcaptionrect;
  TRect closebuttonrect, closebuttonactiverect, closebuttondownrect;
  TRect hrollbuttonrect, hrollbuttonactiverect, hrollbuttondownrect;
  TRect hrestorebuttonrect, hrestorebuttonactiverect, hrestorebuttondownrect;
  TRect vrollbuttonrect, vrollbuttonactiverect, vrollbuttondownrect;
  TRect vrestorebuttonrect, vrestorebuttonactiverect, vrestorebuttondownrect;
  TRect captionrect;
  TSkinFont font;
  TColor fontcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinCheckRadioControl, TDataSkinCustomControl)
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, unenabledfontcolor = 0, framefontcolor = 0;
  TRect activeskinrect, checkimagearea, textarea;
  TRect checkimagerect, uncheckimagerect, activecheckimagerect, activeuncheckimagerect;
  TRect unenabledcheckimagerect, unenableduncheckimagerect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
};

TAVO_SKIN_RECORD(TDataSkinGaugeControl, TDataSkinCustomControl)
  TRect progressarea, progressrect;
  int32_t beginoffset = 0, endoffset = 0;
  bool vertical = false;
  TSkinFont font;
  TColor fontcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinTrackBarControl, TDataSkinCustomControl)
  TRect trackarea, buttonrect, activebuttonrect;
  bool vertical = false;
};

TAVO_SKIN_RECORD(TDataSkinLabelControl, TDataSkinCustomControl)
  TSkinFont font;
  TColor fontcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinStdLabelControl, TDataSkinControl)
  TSkinFont font;
  TColor fontcolor = 0;
  TColor activefontcolor = 0xFF0000;
};

// Up-down controls have no resizable frame: their corner points and client
// rectangle are zero after reading whatever the text says.
TAVO_SKIN_RECORD(TDataSkinUpDownControl, TDataSkinCustomControl)
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
};

TAVO_SKIN_RECORD(TDataSkinGridControl, TDataSkinControl)
  TRect fixedcellrect, selectcellrect, focuscellrect;
  int32_t fixedcellleftoffset = 0, fixedcellrightoffset = 0;
  TRect fixedcelltextrect;
  int32_t cellleftoffset = 0, cellrightoffset = 0;
  TRect celltextrect;
  TColor linescolor = 0, bgcolor = 0;
  TSkinFont font;
  TColor fontcolor = 0, selectfontcolor = 0, focusfontcolor = 0;
  TSkinFont fixedfont;
  TColor fixedfontcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinTabControl, TDataSkinControl)
  TRect tabrect, activetabrect, focustabrect, mouseintabrect, clientrect;
  int32_t bgpictureindex = -1;
  TPoint lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  int32_t tableftoffset = 0, tabrightoffset = 0;
  TRect tabsbgrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, focusfontcolor = 0, mouseinfontcolor = 0;
  std::string updown;
};

TAVO_SKIN_RECORD(TDataSkinMainMenuBar, TDataSkinControl)
  TRect itemsrect;
  std::string menubaritem, closebutton, minbutton, maxbutton, sysmenubutton;
  TColor trackmarkcolor = 0, trackmarkactivecolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinControlBar, TDataSkinCustomControl)
  TRect itemrect;
  int32_t bgpictureindex = -1;
};

TAVO_SKIN_RECORD(TDataSkinEditControl, TDataSkinCustomControl)
  TRect activeskinrect;
  TSkinFont font;
  TColor fontcolor = 0, disabledfontcolor = 0, activefontcolor = 0;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

TAVO_SKIN_RECORD(TDataSkinMemoControl, TDataSkinEditControl)
  TColor bgcolor = 0, activebgcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinListBox, TDataSkinCustomControl)
  TRect itemrect, activeitemrect, focusitemrect;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, focusfontcolor = 0;
  TRect captionrect;
  TSkinFont captionfont;
  TColor captionfontcolor = 0;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  TRect checkbuttonrect, activecheckbuttonrect, downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar", hscrollbarname = "hscrollbar",
              bothhscrollbarname = "bothhscrollbar";
};

TAVO_SKIN_RECORD(TDataSkinCheckListBox, TDataSkinListBox)
  TRect itemcheckrect, checkimagerect, uncheckimagerect;
};

TAVO_SKIN_RECORD(TDataSkinComboBox, TDataSkinCustomControl)
  TRect itemrect, focusitemrect;
  int32_t itemleftoffset = 0, itemrightoffset = 0;
  TRect itemtextrect;
  TSkinFont font;
  TColor fontcolor = 0, focusfontcolor = 0;
  std::string listboxname;
  TRect buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect;
};

TAVO_SKIN_RECORD(TDataSkinScrollBarControl, TDataSkinCustomControl)
  TRect trackarea;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
  TRect thumbrect, activethumbrect, downthumbrect;
  int32_t thumboffset1 = 0, thumboffset2 = 0;
  TRect glyphrect, activeglyphrect, downglyphrect;
};

TAVO_SKIN_RECORD(TDataSkinSpinEditControl, TDataSkinCustomControl)
  TRect activeskinrect;
  TSkinFont font;
  TColor fontcolor = 0, activefontcolor = 0, disabledfontcolor = 0;
  TRect upbuttonrect, activeupbuttonrect, downupbuttonrect;
  TRect downbuttonrect, activedownbuttonrect, downdownbuttonrect;
};

TAVO_SKIN_RECORD(TDataSkinScrollBoxControl, TDataSkinCustomControl)
  int32_t bgpictureindex = -1;
};

// Tree views, list views and rich edits read the same keys.
TAVO_SKIN_RECORD(TDataSkinTreeView, TDataSkinControl)
  TSkinFont font;
  TColor fontcolor = 0, bgcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinListView, TDataSkinControl)
  TSkinFont font;
  TColor fontcolor = 0, bgcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinRichEdit, TDataSkinControl)
  TSkinFont font;
  TColor fontcolor = 0, bgcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinBevel, TDataSkinControl)
  TColor lightcolor = 0, darkcolor = 0;
};

TAVO_SKIN_RECORD(TDataSkinSlider, TDataSkinControl)
  TColor bgcolor = 0;
  TRect hrulerrect, hthumbrect, vrulerrect, vthumbrect;
  int32_t edgesize = 0;
  TColor pointscolor = 0;
};

#undef TAVO_SKIN_RECORD

// The record class of a [SKINCONTROLS] kind ("button", "panel", ...),
// carrying the section name; null for a kind not in the table.
std::unique_ptr<TDataSkinControl> CreateSkinControl(std::string_view kind, std::string idName);

}  // namespace tavo::skin
