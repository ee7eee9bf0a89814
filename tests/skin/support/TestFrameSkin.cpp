// The test frame skin: its INI text and its marked pictures.
#include "tests/skin/support/TestFrameSkin.h"

#include <algorithm>
#include <sstream>

#include "skin/SkinIni.h"

namespace tavo::skin::test {

TBitmap MarkedPicture(int width, int height, uint8_t mark) {
  TBitmap p(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.SetPixel(x, y, MarkedPixel(x, y, mark));
  return p;
}

namespace {

// A 1-bit mask: black inside, white in a small triangle at each corner
// (x + y < 4 measured from that corner).
TBitmap CornerMask(int width, int height) {
  TBitmap mask(width, height, TPixelFormat::pf1bit);
  mask.Palette() = {TPaletteEntry{0, 0, 0, 0}, TPaletteEntry{255, 255, 255, 0}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int dx = std::min(x, width - 1 - x), dy = std::min(y, height - 1 - y);
      mask.SetPixel(x, y, dx + dy < 4 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
  return mask;
}

const char* Flag(bool on) { return on ? "1" : "0"; }

// A caption button section cut from row y of the button sheet: cells of
// 16 x 16 for normal, active, down, inactive and disabled (inactive and
// disabled only when asked), restore cells on the row below when asked.
void StdButton(std::ostringstream& s, const char* name, const char* command, int row, bool inactive,
               bool disabled, int restoreCells, bool morphing) {
  const int y = row * 16;
  s << "[" << name << "]\nhint=" << name << " hint\nactivepictureindex=0\nskinrectinapicture=1\n"
    << "skinrect=0," << y << ",16," << y + 16 << "\nactiveskinrect=16," << y << ",32," << y + 16 << "\n"
    << "downrect=32," << y << ",48," << y + 16 << "\n";
  if (inactive) s << "inactiveskinrect=48," << y << ",64," << y + 16 << "\n";
  if (disabled) s << "disableskinrsect=64," << y << ",80," << y + 16 << "\n";
  s << "command=" << command << "\nmorphing=" << Flag(morphing) << "\nmorphkind=mkdefault\n";
  const int ry = y + 16;
  const char* keys[] = {"restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect"};
  for (int i = 0; i < restoreCells; ++i)
    s << keys[i] << "=" << 16 * i << "," << ry << "," << 16 * i + 16 << "," << ry + 16 << "\n";
  s << "\n";
}

}  // namespace

std::string TestFrameSkinIni(const TTestFrameSkinOptions& o) {
  std::ostringstream s;
  s << "[VERSION]\nskinname=TestFrame\nskinauthor=tests\n\n"
    << "[PICTURES]\npicture=frame.bmp\ninactivepicture=" << (o.withInactivePicture ? "inactive.bmp" : "") << "\n"
    << "mask=" << (o.withMask ? "mask.bmp" : "") << "\n"
    << "activepicturescount=" << (o.skinnedPopups ? 7 : 5)
    << "\n0=buttons.bmp\n1=caption.bmp\n2=anim.bmp\n3=bg.bmp\n4=mdibg.bmp\n"
    << (o.skinnedPopups ? "5=popup.bmp\n6=menuitem.bmp\n" : "") << "\n";
  s << "[FORMINFO]\nlefttoppoint=60,30\nrighttoppoint=150,30\nleftbottompoint=60,70\nrightbottompoint=150,70\n"
    << "clientrect=8,30,232,72\nbgpictureindex=3\nmdibgpictureindex=4\n"
    << "leftstretch=" << Flag(o.stretch) << "\nrightstretch=0\ntopstretch=" << Flag(o.stretch)
    << "\nbottomstretch=0\n"
    << "maskrectarea=4,20,236,76\n"
    << "hittestlefttoppoint=6,6\nhittestrighttoppoint=234,6\nhittestleftbottompoint=6,74\n"
    << "hittestrightbottompoint=234,74\n"
    << "buttonsrect=" << (o.withButtonsRect ? "162,6,236,24" : "0,0,0,0") << "\n"
    << "captionrect=" << (o.withCaptionRect ? "30,4,160,26" : "0,0,0,0") << "\n"
    << "buttonsoffset=2\nbuttonsinleft=" << Flag(o.buttonsInLeft) << "\nmainmenupopupup=0\nborderwidth=3\n"
    << "autorenderinginactiveimage=" << Flag(o.autoRenderInactive) << "\ninactiveeffect=" << o.inactiveEffect
    << "\n\n";
  if (o.skinnedPopups)
    s << "[POPUPWINDOW]\nwindowpictureindex=5\nmaskpictureindex=-1\nlefttoppoint=4,4\nrighttoppoint=28,4\n"
      << "leftbottompoint=4,28\nrightbottompoint=28,28\nitemsrect=2,2,30,30\nscrollmarkercolor=" << RGB(90, 90, 90)
      << "\nscrollmarkeractivecolor=" << RGB(10, 10, 10) << "\n\n";
  else
    s << "[POPUPWINDOW]\nwindowpictureindex=-1\nmaskpictureindex=-1\n\n";
  s << "[HINTWINDOW]\nwindowpictureindex=-1\nmaskpictureindex=-1\n\n";
  s << "[SKINOBJECTS]\ncount=" << kTestSkinObjectRecords << "\n"
    << "0=caption:caption\n1=closebutton:stdbutton\n2=maxbutton:stdbutton\n3=minbutton:stdbutton\n"
    << "4=rollupbutton:stdbutton\n5=traybutton:stdbutton\n6=sysmenubutton:stdbutton\n7=helpbutton:stdbutton\n"
    << "8=plainbutton:button\n9=anim:animate\n10=cycleanim:animate\n11=userobj:userobject\n"
    << "12=menuitem:menuitem\n13=mainmenubaritem:mainmenubaritem\n14=menubarclose:mainmenubarbutton\n\n";

  s << "[caption]\nactivepictureindex=1\nskinrect=30,4,160,26\nactiveskinrect=0,0,130,22\n"
    << "morphing=" << Flag(o.captionMorphing) << "\nmorphkind=mkdefault\ntextrect=4,2,124,20\n"
    << "fontname=Arial\nfontheight=14\nfontstyle=fsbold\nfontcolor=" << RGB(200, 200, 200)
    << "\nactivefontcolor=" << RGB(255, 255, 255) << "\nalignment=" << o.captionAlignment
    << "\nshadow=" << Flag(o.captionShadow) << "\nshadowcolor=" << RGB(40, 40, 40)
    << "\nactiveshadowcolor=" << RGB(0, 0, 80) << "\n";
  if (o.captionPlate)
    s << "framerect=0,22,30,40\nactiveframerect=30,22,60,40\nframetextrect=5,1,25,17\nframeleftoffset=5\n"
      << "framerightoffset=5\n";
  s << "\n";
  // Rows of the button sheet: 0 close, 1-2 maximize and its restore
  // images, 3-4 minimize (no inactive cell; all four
  // restore cells), 5-6 roll up (restore cell only), 7 tray, 8 system
  // menu, 9 help (default command), 10 the plain button's cells. Maximize
  // has an inactive cell, so its restore-inactive cell is never reached;
  // minimize has none, so it shows its restore-inactive cell; roll up has
  // only the restore cell.
  StdButton(s, "closebutton", "cmclose", 0, true, true, 0, true);
  StdButton(s, "maxbutton", "cmmaximize", 1, true, true, 4, true);
  StdButton(s, "minbutton", "cmminimize", 3, false, true, 4, false);
  StdButton(s, "rollupbutton", "cmrollup", 5, true, false, 1, false);
  StdButton(s, "traybutton", "cmminimizetotray", 7, false, false, 0, false);
  StdButton(s, "sysmenubutton", "cmsysmenu", 8, false, false, 0, false);
  StdButton(s, "helpbutton", "cmdefault", 9, false, false, 0, false);
  s << "[plainbutton]\nactivepictureindex=0\nskinrect=4,6,20,22\nactiveskinrect=0,160,16,176\n"
    << "downrect=16,160,32,176\ndisableskinrsect=32,160,48,176\nmorphing=1\nmorphkind=mkleftslide\n\n";
  s << "[anim]\nactivepictureindex=2\nskinrect=170,72,190,80\nactiveskinrect=0,0,20,8\ncountframes=4\n"
    << "cycle=0\nbuttonstyle=1\ntimerinterval=50\ncommand=cmdefault\nmorphing=1\n\n";
  s << "[cycleanim]\nactivepictureindex=2\nskinrect=10,72,30,80\nactiveskinrect=0,0,20,8\ncountframes=4\n"
    << "cycle=1\nbuttonstyle=0\ntimerinterval=10\ncommand=cmsysmenu\n\n";
  s << "[userobj]\nskinrect=90,72,110,80\n\n";
  if (o.skinnedPopups)
    s << "[menuitem]\nactivepictureindex=6\nskinrect=0,0,40,12\nactiveskinrect=0,12,40,24\n"
      << "morphing=" << Flag(o.menuMorphing) << "\nmorphkind=" << o.menuMorphKind << "\n"
      << "itemleftoffset=4\nitemrightoffset=4\ndividerrect=0,24,40,28\ndividerleftoffset=4\n"
      << "dividerrightoffset=4\ntextrect=4,0,36,12\nfontname=Arial\nfontheight=12\nfontstyle=\n"
      << "fontcolor=" << RGB(0, 0, 0) << "\nactivefontcolor=" << RGB(255, 255, 0)
      << "\nunenabledfontcolor=" << RGB(128, 128, 128) << "\n\n";
  else
    s << "[menuitem]\nactivepictureindex=0\nskinrect=0,0,10,10\n\n";
  s << "[mainmenubaritem]\nskinrect=0,0,10,10\n\n"
    << "[menubarclose]\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=0,0,16,16\ncommand=cmclose\n\n";
  s << "[SKINCONTROLS]\ncount=0\n";
  return s.str();
}

void LoadTestFrameSkin(TSkinData& data, const TTestFrameSkinOptions& options) {
  data.ClearAll();
  data.ActivePictures.clear();
  data.Picture = MarkedPicture(kTestSkinWidth, kTestSkinHeight, kMarkPicture);
  if (options.withInactivePicture)
    data.InActivePicture = MarkedPicture(kTestSkinWidth, kTestSkinHeight, kMarkInActivePicture);
  if (options.withMask) data.Mask = CornerMask(kTestSkinWidth, kTestSkinHeight);
  data.ActivePictures.push_back(MarkedPicture(96, 176, kMarkButtons));
  data.ActivePictures.push_back(MarkedPicture(140, 40, kMarkCaption));
  data.ActivePictures.push_back(MarkedPicture(80, 8, kMarkAnimation));
  data.ActivePictures.push_back(MarkedPicture(24, 20, kMarkBackground));
  data.ActivePictures.push_back(MarkedPicture(16, 16, kMarkMdiBackground));
  if (options.skinnedPopups) {
    data.ActivePictures.push_back(MarkedPicture(32, 32, kMarkPopup));
    data.ActivePictures.push_back(MarkedPicture(40, 28, kMarkMenuItem));
  }
  const TSkinIni ini(TSkinIni::SplitLines(TestFrameSkinIni(options)));
  data.ReadSkinIni(ini);
  data.IniText = ini.Lines();
  data.IsEmpty = false;
}

}  // namespace tavo::skin::test
