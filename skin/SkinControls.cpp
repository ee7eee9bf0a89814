// The control records: each class's keys in reading order.
#include "skin/SkinControls.h"

#include <map>

namespace tavo::skin {

void TDataSkinControl::LoadFromIni(const TSkinIni& ini) {
  TIniFieldReader reader(ini, IDName);
  Fields(reader);
}

void TDataSkinControl::SaveToIni(TSkinIni& ini) {
  ini.EraseSection(IDName);
  TIniFieldWriter writer(ini, IDName);
  Fields(writer);
}

void TDataSkinControl::Fields(TSkinFieldVisitor& v) {
  v.Int("pictureindex", pictureindex, -1);
  v.Int("maskpictureindex", maskpictureindex, -1);
  v.Rect("skinrect", skinrect);
}

void TDataSkinCustomControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
}

namespace {

// "fontname", "fontheight", "fontstyle", "fontcolor".
void FontAndColor(TSkinFieldVisitor& v, TSkinFont& font, TColor& color) {
  VisitFont(v, "", font);
  v.Color("fontcolor", color);
}

void UpDownButtons(TSkinFieldVisitor& v, TRect& up, TRect& activeUp, TRect& downUp, TRect& down, TRect& activeDown,
                   TRect& downDown) {
  v.Rect("upbuttonrect", up);
  v.Rect("activeupbuttonrect", activeUp);
  v.Rect("downupbuttonrect", downUp);
  v.Rect("downbuttonrect", down);
  v.Rect("activedownbuttonrect", activeDown);
  v.Rect("downdownbuttonrect", downDown);
}

}  // namespace

void TDataSkinButtonControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("downfontcolor", downfontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("downskinrect", downskinrect);
  v.Rect("disabledskinrect", disabledskinrect);
  v.Bool("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TDataSkinMenuButtonControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinButtonControl::Fields(v);
  v.Rect("trackbuttonrect", trackbuttonrect);
}

void TDataSkinPanelControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Int("bgpictureindex", bgpictureindex, -1);
  v.Rect("captionrect", captionrect);
  v.Alignment("alignment", alignment);
  FontAndColor(v, font, fontcolor);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
}

void TDataSkinExPanelControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("rollhskinrect", rollhskinrect);
  v.Rect("rollvskinrect", rollvskinrect);
  v.Int("rollleftoffset", rollleftoffset, 0);
  v.Int("rollrightoffset", rollrightoffset, 0);
  v.Int("rolltopoffset", rolltopoffset, 0);
  v.Int("rollbottomoffset", rollbottomoffset, 0);
  v.Rect("rollvcaptionrect", rollvcaptionrect);
  v.Rect("rollhcaptionrect", rollhcaptionrect);
  v.Rect("closebuttonrect", closebuttonrect);
  v.Rect("closebuttonactiverect", closebuttonactiverect);
  v.Rect("closebuttondownrect", closebuttondownrect);
  v.Rect("hrollbuttonrect", hrollbuttonrect);
  v.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
  v.Rect("hrollbuttondownrect", hrollbuttondownrect);
  v.Rect("hrestorebuttonrect", hrestorebuttonrect);
  v.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
  v.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
  v.Rect("vrollbuttonrect", vrollbuttonrect);
  v.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
  v.Rect("vrollbuttondownrect", vrollbuttondownrect);
  v.Rect("vrestorebuttonrect", vrestorebuttonrect);
  v.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
  v.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
  v.Rect("captionrect", captionrect);
  FontAndColor(v, font, fontcolor);
}

void TDataSkinCheckRadioControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("unenabledfontcolor", unenabledfontcolor);
  v.Color("framefontcolor", framefontcolor);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("checkimagearea", checkimagearea);
  v.Rect("textarea", textarea);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
  v.Rect("activecheckimagerect", activecheckimagerect);
  v.Rect("activeuncheckimagerect", activeuncheckimagerect);
  v.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
  v.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
  v.Bool("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TDataSkinGaugeControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("progressarea", progressarea);
  v.Rect("progressrect", progressrect);
  v.Int("beginoffset", beginoffset, 0);
  v.Int("endoffset", endoffset, 0);
  v.Bool("vertical", vertical);
  FontAndColor(v, font, fontcolor);
}

void TDataSkinTrackBarControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("trackarea", trackarea);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Bool("vertical", vertical);
}

void TDataSkinLabelControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  FontAndColor(v, font, fontcolor);
}

void TDataSkinStdLabelControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0xFF0000);
}

void TDataSkinUpDownControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  UpDownButtons(v, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect,
                downdownbuttonrect);
  if (v.Reading()) {
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
    clientrect = TRect{};
  }
}

void TDataSkinGridControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Rect("fixedcellrect", fixedcellrect);
  v.Rect("selectcellrect", selectcellrect);
  v.Rect("focuscellrect", focuscellrect);
  v.Int("fixedcellleftoffset", fixedcellleftoffset, 0);
  v.Int("fixedcellrightoffset", fixedcellrightoffset, 0);
  v.Rect("fixedcelltextrect", fixedcelltextrect);
  v.Int("cellleftoffset", cellleftoffset, 0);
  v.Int("cellrightoffset", cellrightoffset, 0);
  v.Rect("celltextrect", celltextrect);
  v.Color("linescolor", linescolor);
  v.Color("bgcolor", bgcolor);
  FontAndColor(v, font, fontcolor);
  v.Color("selectfontcolor", selectfontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  VisitFont(v, "fixed", fixedfont);
  v.Color("fixedfontcolor", fixedfontcolor);
}

void TDataSkinTabControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Rect("tabrect", tabrect);
  v.Rect("activetabrect", activetabrect);
  v.Rect("focustabrect", focustabrect);
  v.Rect("mouseintabrect", mouseintabrect);
  v.Rect("clientrect", clientrect);
  v.Int("bgpictureindex", bgpictureindex, -1);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Int("tableftoffset", tableftoffset, 0);
  v.Int("tabrightoffset", tabrightoffset, 0);
  v.Rect("tabsbgrect", tabsbgrect);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Color("mouseinfontcolor", mouseinfontcolor);
  v.Text("updown", updown);
}

void TDataSkinMainMenuBar::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Rect("itemsrect", itemsrect);
  v.Text("menubaritem", menubaritem);
  v.Text("closebutton", closebutton);
  v.Text("minbutton", minbutton);
  v.Text("maxbutton", maxbutton);
  v.Text("sysmenubutton", sysmenubutton);
  v.Color("trackmarkcolor", trackmarkcolor);
  v.Color("trackmarkactivecolor", trackmarkactivecolor);
}

void TDataSkinControlBar::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("itemrect", itemrect);
  v.Int("bgpictureindex", bgpictureindex, -1);
}

void TDataSkinEditControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("activeskinrect", activeskinrect);
  FontAndColor(v, font, fontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TDataSkinMemoControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinEditControl::Fields(v);
  v.Color("bgcolor", bgcolor);
  v.Color("activebgcolor", activebgcolor);
}

void TDataSkinListBox::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("itemrect", itemrect);
  v.Rect("activeitemrect", activeitemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Int("itemleftoffset", itemleftoffset, 0);
  v.Int("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Rect("captionrect", captionrect);
  VisitFont(v, "caption", captionfont);
  v.Color("captionfontcolor", captionfontcolor);
  UpDownButtons(v, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect,
                downdownbuttonrect);
  v.Rect("checkbuttonrect", checkbuttonrect);
  v.Rect("activecheckbuttonrect", activecheckbuttonrect);
  v.Rect("downcheckbuttonrect", downcheckbuttonrect);
  v.Text("vscrollbarname", vscrollbarname, "vscrollbar");
  v.Text("hscrollbarname", hscrollbarname, "hscrollbar");
  v.Text("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
}

void TDataSkinCheckListBox::Fields(TSkinFieldVisitor& v) {
  TDataSkinListBox::Fields(v);
  v.Rect("itemcheckrect", itemcheckrect);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
}

void TDataSkinComboBox::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("itemrect", itemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Int("itemleftoffset", itemleftoffset, 0);
  v.Int("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  FontAndColor(v, font, fontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Text("listboxname", listboxname);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TDataSkinScrollBarControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("trackarea", trackarea);
  UpDownButtons(v, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect,
                downdownbuttonrect);
  v.Rect("thumbrect", thumbrect);
  v.Rect("activethumbrect", activethumbrect);
  v.Rect("downthumbrect", downthumbrect);
  v.Int("thumboffset1", thumboffset1, 0);
  v.Int("thumboffset2", thumboffset2, 0);
  v.Rect("glyphrect", glyphrect);
  v.Rect("activeglyphrect", activeglyphrect);
  v.Rect("downglyphrect", downglyphrect);
}

void TDataSkinSpinEditControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Rect("activeskinrect", activeskinrect);
  FontAndColor(v, font, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  UpDownButtons(v, upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect,
                downdownbuttonrect);
}

void TDataSkinScrollBoxControl::Fields(TSkinFieldVisitor& v) {
  TDataSkinCustomControl::Fields(v);
  v.Int("bgpictureindex", bgpictureindex, -1);
}

void TDataSkinTreeView::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("bgcolor", bgcolor);
}

void TDataSkinListView::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("bgcolor", bgcolor);
}

void TDataSkinRichEdit::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  FontAndColor(v, font, fontcolor);
  v.Color("bgcolor", bgcolor);
}

void TDataSkinBevel::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Color("lightcolor", lightcolor);
  v.Color("darkcolor", darkcolor);
}

void TDataSkinSlider::Fields(TSkinFieldVisitor& v) {
  TDataSkinControl::Fields(v);
  v.Color("bgcolor", bgcolor);
  v.Rect("hrulerrect", hrulerrect);
  v.Rect("hthumbrect", hthumbrect);
  v.Rect("vrulerrect", vrulerrect);
  v.Rect("vthumbrect", vthumbrect);
  v.Int("edgesize", edgesize, 0);
  v.Color("pointscolor", pointscolor);
}

namespace {

template <typename T>
std::unique_ptr<TDataSkinControl> Make(std::string idName) {
  return std::make_unique<T>(std::move(idName));
}

using TControlFactory = std::unique_ptr<TDataSkinControl> (*)(std::string);

const std::map<std::string_view, TControlFactory>& ControlKinds() {
  static const std::map<std::string_view, TControlFactory> kinds = {
      {"panel", &Make<TDataSkinPanelControl>},
      {"expanel", &Make<TDataSkinExPanelControl>},
      {"menubutton", &Make<TDataSkinMenuButtonControl>},
      {"button", &Make<TDataSkinButtonControl>},
      {"checkradio", &Make<TDataSkinCheckRadioControl>},
      {"gauge", &Make<TDataSkinGaugeControl>},
      {"splitter", &Make<TDataSkinSplitterControl>},
      {"trackbar", &Make<TDataSkinTrackBarControl>},
      {"label", &Make<TDataSkinLabelControl>},
      {"stdlabel", &Make<TDataSkinStdLabelControl>},
      {"updown", &Make<TDataSkinUpDownControl>},
      {"grid", &Make<TDataSkinGridControl>},
      {"tab", &Make<TDataSkinTabControl>},
      {"mainmenubar", &Make<TDataSkinMainMenuBar>},
      {"controlbar", &Make<TDataSkinControlBar>},
      {"memo", &Make<TDataSkinMemoControl>},
      {"edit", &Make<TDataSkinEditControl>},
      {"checklistbox", &Make<TDataSkinCheckListBox>},
      {"listbox", &Make<TDataSkinListBox>},
      {"combobox", &Make<TDataSkinComboBox>},
      {"scrollbar", &Make<TDataSkinScrollBarControl>},
      {"spinedit", &Make<TDataSkinSpinEditControl>},
      {"scrollbox", &Make<TDataSkinScrollBoxControl>},
      {"treeview", &Make<TDataSkinTreeView>},
      {"bevel", &Make<TDataSkinBevel>},
      {"slider", &Make<TDataSkinSlider>},
      {"listview", &Make<TDataSkinListView>},
      {"richedit", &Make<TDataSkinRichEdit>},
  };
  return kinds;
}

}  // namespace

std::unique_ptr<TDataSkinControl> CreateSkinControl(std::string_view kind, std::string idName) {
  const auto& kinds = ControlKinds();
  const auto it = kinds.find(kind);
  if (it == kinds.end()) return nullptr;
  auto control = it->second(std::move(idName));
  control->Kind = std::string(kind);
  return control;
}

}  // namespace tavo::skin
