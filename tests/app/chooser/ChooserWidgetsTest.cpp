// The drive list and the directory list under Wine, on the drives that
// setup-drives.sh gives the prefix: a: floppy, e: CD-ROM labelled "MyDisc",
// h: hard disk labelled "Data_Vol", m: CD-ROM without a disc, n: network
// drive labelled "NetShare", besides Wine's own c: and z:.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/DirectoryListBox.h"
#include "app/DriveComboBox.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace tavo::app {
namespace {

std::string CurrentDir() {
  char buffer[MAX_PATH + 1];
  const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return std::string(buffer, length);
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void MakeDir(const std::string& path, DWORD attributes = 0) {
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) << path;
  if (attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
  }
}

// A double-byte name whose second byte is 0x5C, the byte of "\".
const std::string kTrail5CName = "\x81\x5C" "dir";

// A glyph as its BMP file in assets/glyphs holds it, read here without the
// system: top row first, colours as COLORREF.
struct TGlyphFile {
  int Width = 0, Height = 0;
  std::vector<COLORREF> Pixels;
  COLORREF At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};

TGlyphFile ReadGlyphFile(const std::string& name) {
  std::ifstream in(std::string(TAVO_SOURCE_DIR) + "/assets/glyphs/" + name + ".bmp", std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u32 = [&](size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24; };
  TGlyphFile glyph;
  if (b.size() < 118) return glyph;
  glyph.Width = static_cast<int>(u32(18));
  glyph.Height = static_cast<int>(u32(22));
  const size_t offset = u32(10);
  const size_t stride = static_cast<size_t>((glyph.Width * 4 + 31) / 32 * 4);
  for (int y = 0; y < glyph.Height; ++y) {
    const size_t row = offset + static_cast<size_t>(glyph.Height - 1 - y) * stride;  // stored bottom-up
    for (int x = 0; x < glyph.Width; ++x) {
      const unsigned char pair = b[row + static_cast<size_t>(x / 2)];
      const size_t entry = 54 + 4 * static_cast<size_t>(x % 2 == 0 ? pair >> 4 : pair & 15);
      glyph.Pixels.push_back(RGB(b[entry + 2], b[entry + 1], b[entry]));
    }
  }
  return glyph;
}

// A 32-bit off-screen picture to draw items into.
class TCanvas {
 public:
  TCanvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~TCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 255, (p >> 8) & 255, p & 255);
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

// Counts the glyph pixels drawn wrongly at (left, top): opaque pixels must
// show the glyph's colour, transparent ones (the bottom-left pixel's
// colour) the background.
int WrongGlyphPixels(const TCanvas& canvas, const TGlyphFile& glyph, int left, int top, COLORREF background) {
  const COLORREF transparent = glyph.At(0, glyph.Height - 1);
  int wrong = 0;
  for (int y = 0; y < glyph.Height; ++y)
    for (int x = 0; x < glyph.Width; ++x) {
      const COLORREF want = glyph.At(x, y) == transparent ? background : glyph.At(x, y);
      if (canvas.At(left + x, top + y) != want) ++wrong;
    }
  return wrong;
}

// Exposes the item drawing for pixel checks.
class TProbeDirList : public TDirectoryListBox {
 public:
  using TDirectoryListBox::DrawItem;
  using TDirectoryListBox::TDirectoryListBox;
};
class TProbeDriveCombo : public TDriveComboBox {
 public:
  using TDriveComboBox::DrawItem;
  using TDriveComboBox::TDriveComboBox;
};

// The directory window's part that holds the chooser, laid out as the
// directory window lays it out.
class ChooserTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ui::Application().Initialize();
    // h:\lvl1\lvl2\lvl3 with visible, hidden and system sub-directories.
    const std::string base = "H:\\lvl1\\lvl2\\lvl3";
    MakeDir("H:\\lvl1");
    MakeDir("H:\\lvl1\\lvl2");
    MakeDir(base);
    for (const char* name : {"gamma", "Alpha", "beta"}) MakeDir(base + "\\" + name);
    MakeDir(base + "\\" + kTrail5CName);
    MakeDir(base + "\\Hidden", FILE_ATTRIBUTE_HIDDEN);
    MakeDir(base + "\\System", FILE_ATTRIBUTE_SYSTEM);
    MakeDir("H:\\top");
    MakeDir("E:\\disc");
  }

  void Create(const std::string& startDir) {
    ASSERT_TRUE(SetCurrentDirectoryA(startDir.c_str())) << startDir;
    start_ = CurrentDir();
    ui::TFormLayout layout;
    layout.Caption = "ChooserTest";
    layout.ClientWidth = 563;
    layout.ClientHeight = 262;
    layout.BorderStyle = ui::TBorderStyle::bsNone;
    form_ = std::make_unique<ui::TForm>(layout);
    dir_ = std::make_unique<TProbeDirList>(*form_);
    dir_->SetDesignBounds(24, 24, 257, 143);
    drive_ = std::make_unique<TProbeDriveCombo>(*form_);
    drive_->SetDesignBounds(24, 176, 257, 19);
    drive_->SetDirList(dir_.get());
    dir_->OnChange = [this](ui::TObject&) {
      ++dirChanges_;
      // The entries are rebuilt before the change is reported, and the
      // process has moved along.
      const int current = dir_->ItemIndex();
      changeSawEntry_ = current >= 0 && dir_->ItemPath(current) == dir_->Directory();
      changeSawProcessDir_ = CurrentDir() == dir_->Directory();
    };
    drive_->OnChange = [this](ui::TObject&) { ++driveChanges_; };
    ui::Application().OnException = [this](const std::exception& e) { errors_.push_back(e.what()); };
    form_->Show();
  }

  void TearDown() override {
    ui::Application().OnException = nullptr;
    drive_.reset();
    dir_.reset();
    form_.reset();
    SetCurrentDirectoryA("C:\\");
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < dir_->Count(); ++i) texts.push_back(dir_->Item(i));
    return texts;
  }
  int IndexOfText(const std::string& text) const {
    for (int i = 0; i < dir_->Count(); ++i)
      if (dir_->Item(i) == text) return i;
    return -1;
  }
  std::string SelectedDriveText() const { return drive_->Item(drive_->ItemIndex()); }

  // A real double-click on an entry of the list, as the mouse sends it.
  void DoubleClick(int index) {
    const RECT r = dir_->ItemRect(index);
    const LPARAM at = MAKELPARAM(r.left + 30, (r.top + r.bottom) / 2);
    SendMessageA(dir_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(dir_->Handle(), WM_LBUTTONUP, 0, at);
    SendMessageA(dir_->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(dir_->Handle(), WM_LBUTTONUP, 0, at);
    ui::Application().ReportPendingException();
  }
  void Key(HWND wnd, WORD key) {
    SendMessageA(wnd, WM_KEYDOWN, key, 1);
    SendMessageA(wnd, WM_KEYUP, key, 0xC0000001);
    ui::Application().ReportPendingException();
  }

  std::unique_ptr<ui::TForm> form_;
  std::unique_ptr<TProbeDirList> dir_;
  std::unique_ptr<TProbeDriveCombo> drive_;
  std::string start_;
  int dirChanges_ = 0;
  int driveChanges_ = 0;
  bool changeSawEntry_ = false;
  bool changeSawProcessDir_ = false;
  std::vector<std::string> errors_;
};

TEST_F(ChooserTest, ThreeLevelPathEntries) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  EXPECT_EQ(CurrentDir(), start_);  // creating the widgets moves nothing
  EXPECT_EQ(dir_->Directory(), start_);
  // Root, path, current (highlighted), then the visible sub-directories by
  // name without regard to case; the double-byte name sorts after ASCII.
  const std::vector<std::string> expected = {"H:\\",  "lvl1", "lvl2", "lvl3",
                                             "Alpha", "beta", "gamma", kTrail5CName};
  EXPECT_EQ(Texts(), expected);
  EXPECT_EQ(dir_->ItemIndex(), 3);
  EXPECT_EQ(dir_->ItemPath(1), "H:\\lvl1");
  EXPECT_EQ(dir_->ItemPath(4), "H:\\lvl1\\lvl2\\lvl3\\Alpha");
  EXPECT_EQ(dir_->ItemHeight(), 16);
  EXPECT_EQ(drive_->Drive(), 'h');
  EXPECT_EQ(SelectedDriveText(), "h: [data_vol]");
}

TEST_F(ChooserTest, DriveRootAsCurrentDirectory) {
  Create("H:\\");
  ASSERT_GE(dir_->Count(), 3);
  EXPECT_EQ(dir_->Item(0), "H:\\");
  EXPECT_EQ(dir_->Entries()[0].Kind, TDirEntryKind::deCurrent);
  EXPECT_EQ(dir_->ItemIndex(), 0);
  EXPECT_EQ(dir_->Item(1), "lvl1");
  EXPECT_EQ(dir_->Item(2), "top");
  EXPECT_EQ(dir_->ItemPath(2), "H:\\top");
}

TEST_F(ChooserTest, HiddenAndSystemNeverListedEvenWhenEntered) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  EXPECT_EQ(IndexOfText("Hidden"), -1);
  EXPECT_EQ(IndexOfText("System"), -1);
  // They can be entered by their path; the list then shows them on the
  // path, and going back up still leaves them out.
  dir_->SetDirectory("H:\\lvl1\\lvl2\\lvl3\\Hidden");
  EXPECT_EQ(dir_->Item(dir_->ItemIndex()), "Hidden");
  dir_->SetDirectory("H:\\lvl1\\lvl2\\lvl3");
  EXPECT_EQ(IndexOfText("Hidden"), -1);
  EXPECT_EQ(IndexOfText("System"), -1);
}

TEST_F(ChooserTest, OpeningEntries) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  // The current entry: nothing at all.
  DoubleClick(3);
  EXPECT_EQ(dirChanges_, 0);
  EXPECT_EQ(dir_->Directory(), start_);

  // A sub-directory: the process moves there, the list is rebuilt with it
  // highlighted, and OnChange comes once, after the rebuild.
  DoubleClick(IndexOfText("beta"));
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(dirChanges_, 1);
  EXPECT_TRUE(changeSawEntry_);
  EXPECT_TRUE(changeSawProcessDir_);
  EXPECT_EQ(Lower(dir_->Directory()), "h:\\lvl1\\lvl2\\lvl3\\beta");
  EXPECT_EQ(Lower(CurrentDir()), "h:\\lvl1\\lvl2\\lvl3\\beta");
  EXPECT_EQ(dir_->Count(), 5);
  EXPECT_EQ(dir_->ItemIndex(), 4);

  // Highlighting changes nothing; Enter opens the highlighted entry.
  dir_->SetItemIndex(1);
  Key(dir_->Handle(), VK_DOWN);  // now lvl2, highlighted only
  EXPECT_EQ(dirChanges_, 1);
  EXPECT_EQ(dir_->ItemIndex(), 2);
  dir_->SetFocus();
  Key(dir_->Handle(), VK_RETURN);
  EXPECT_EQ(dirChanges_, 2);
  EXPECT_EQ(Lower(CurrentDir()), "h:\\lvl1\\lvl2");
  EXPECT_EQ(dir_->ItemIndex(), 2);

  // A name whose second byte is 0x5C stays one name on the path.
  dir_->SetDirectory("H:\\lvl1\\lvl2\\lvl3\\" + kTrail5CName);
  const std::vector<std::string> expected = {"H:\\", "lvl1", "lvl2", "lvl3", kTrail5CName};
  EXPECT_EQ(Texts(), expected);
  EXPECT_EQ(dir_->Entries()[4].Indent, 4 * 4 + 2);
}

TEST_F(ChooserTest, OpeningAMissingDirectoryFailsAndLeavesAllAsItWas) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  MakeDir("H:\\lvl1\\lvl2\\lvl3\\gone");
  dir_->SetDirectory("H:\\lvl1\\lvl2\\lvl3");  // same directory: no rebuild
  ASSERT_TRUE(RemoveDirectoryA("H:\\lvl1\\lvl2\\lvl3\\gone"));
  try {
    dir_->SetDirectory("H:\\lvl1\\lvl2\\lvl3\\gone");
    ADD_FAILURE() << "no failure";
  } catch (const EInOutError& e) {
    EXPECT_TRUE(e.ErrorCode() == ERROR_FILE_NOT_FOUND || e.ErrorCode() == ERROR_PATH_NOT_FOUND) << e.ErrorCode();
    EXPECT_EQ(e.what(), InOutErrorMessage(e.ErrorCode()));
  }
  EXPECT_EQ(dirChanges_, 0);
  EXPECT_EQ(CurrentDir(), start_);
  EXPECT_EQ(dir_->Directory(), start_);
}

TEST_F(ChooserTest, ChoosingDrives) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  // The drive that is current already: nothing.
  drive_->SetDrive('h');
  EXPECT_EQ(driveChanges_, 0);
  EXPECT_EQ(dirChanges_, 0);

  // Another drive, unused so far: its root; one OnChange each.
  drive_->SetDrive('e');
  EXPECT_EQ(dirChanges_, 1);
  EXPECT_EQ(driveChanges_, 1);
  EXPECT_EQ(Lower(dir_->Directory()), "e:\\");
  EXPECT_EQ(Lower(CurrentDir()), "e:\\");
  EXPECT_EQ(SelectedDriveText(), "e: [mydisc]");
  dir_->SetDirectory("E:\\disc");

  // Back to h: its own current directory, where the list left it; then e:
  // again, also where it was left.
  drive_->SetDrive('h');
  EXPECT_EQ(dirChanges_, 3);
  EXPECT_EQ(Lower(dir_->Directory()), "h:\\lvl1\\lvl2\\lvl3");
  drive_->SetDrive('E');
  EXPECT_EQ(Lower(dir_->Directory()), "e:\\disc");
  EXPECT_EQ(drive_->Drive(), 'e');
}

TEST_F(ChooserTest, DriveNotReadyShowsItsErrorAndKeepsTheDirectory) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  // The way the user does it: select m: in the list; the failure leaves the
  // window procedure and reaches the application's error box.
  const int m = [this] {
    for (int i = 0; i < drive_->Count(); ++i)
      if (drive_->Item(i) == "m: []") return i;
    return -1;
  }();
  ASSERT_GE(m, 0);
  drive_->SetFocus();
  const int h = drive_->ItemIndex();
  ASSERT_EQ(m, h + 1);
  Key(drive_->Handle(), VK_DOWN);
  ASSERT_EQ(errors_.size(), 1u);
  // Windows reports 21 (not ready); Wine finds no path (3).
  EXPECT_TRUE(errors_[0] == "Invalid filename" || errors_[0] == "I/O error 21") << errors_[0];
  EXPECT_EQ(drive_->Drive(), 'm');
  EXPECT_EQ(drive_->ItemIndex(), m);
  EXPECT_EQ(dir_->Directory(), start_);
  EXPECT_EQ(CurrentDir(), start_);
  EXPECT_EQ(dirChanges_, 0);
  EXPECT_EQ(driveChanges_, 0);
}

TEST_F(ChooserTest, ArrowKeysChangeDriveAtEveryStep) {
  Create("A:\\");
  drive_->SetFocus();
  ASSERT_EQ(drive_->ItemIndex(), 0);
  int failures = 0;
  for (int step = 1; step < drive_->Count(); ++step) {
    Key(drive_->Handle(), VK_DOWN);
    ASSERT_EQ(drive_->ItemIndex(), step);
    const char letter = drive_->Item(step)[0];
    EXPECT_EQ(drive_->Drive(), letter);
    if (letter == 'm') {
      ++failures;  // no disc: the list stays on the previous drive
      EXPECT_EQ(errors_.size(), 1u);
    } else {
      const std::string drive{letter, ':'};
      EXPECT_EQ(Lower(CurrentDir()).substr(0, 2), drive);
      EXPECT_EQ(dir_->Drive() | 0x20, letter);
    }
  }
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(driveChanges_, drive_->Count() - 1 - failures);
  EXPECT_EQ(dirChanges_, drive_->Count() - 1 - failures);
  // And back up.
  Key(drive_->Handle(), VK_UP);
  EXPECT_EQ(drive_->Drive(), drive_->Item(drive_->Count() - 2)[0]);
}

TEST_F(ChooserTest, DriveItemTextsInBothCases) {
  Create("C:\\");
  const std::vector<std::string> lower = {"a:", "e: [mydisc]", "h: [data_vol]", "m: []", "n: [netshare]"};
  const std::vector<std::string> upper = {"A:", "E: [MYDISC]", "H: [DATA_VOL]", "M: []", "N: [NETSHARE]"};
  auto texts = [this] {
    std::vector<std::string> all;
    for (int i = 0; i < drive_->Count(); ++i) all.push_back(drive_->Item(i));
    return all;
  };
  auto ours = [](const std::vector<std::string>& all) {
    std::vector<std::string> picked;
    for (const std::string& t : all)
      if (std::string("aehmnAEHMN").find(t[0]) != std::string::npos) picked.push_back(t);
    return picked;
  };
  std::vector<std::string> all = texts();
  EXPECT_EQ(ours(all), lower);
  // Every drive Wine has (c:, z:, ...) is listed in letter order.
  for (size_t i = 1; i < all.size(); ++i) EXPECT_LT(all[i - 1][0], all[i][0]);
  EXPECT_EQ(drive_->Drive(), 'c');
  EXPECT_EQ(SelectedDriveText().substr(0, 3), "c: ");

  drive_->SetTextCase(TTextCase::tcUpperCase);
  all = texts();
  EXPECT_EQ(ours(all), upper);
  EXPECT_EQ(drive_->Drive(), 'C');
  EXPECT_EQ(SelectedDriveText().substr(0, 3), "C: ");
  EXPECT_GE(drive_->ItemHeight(), 11);
}

TEST_F(ChooserTest, ItemsDrawGlyphsTransparentAtTheirIndents) {
  Create("H:\\lvl1\\lvl2\\lvl3");
  const TGlyphFile open = ReadGlyphFile("openfolder"), current = ReadGlyphFile("currentfolder"),
                   closed = ReadGlyphFile("closedfolder"), floppy = ReadGlyphFile("floppy");
  ASSERT_EQ(open.Width, 16);
  ASSERT_EQ(open.Height, 15);
  ASSERT_EQ(floppy.Height, 11);
  const COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
  // Root at 4 * 0 + 2, current (lvl3) at 4 * 3 + 2, a sub-directory of a
  // path with three "" at 4 * 3 + 6.
  const struct {
    int index;
    const TGlyphFile& glyph;
    int indent;
    bool selected;
  } items[] = {{0, open, 2, false}, {1, open, 6, true}, {3, current, 14, false}, {4, closed, 18, false}, {5, closed, 18, true}};
  for (const auto& item : items) {
    TCanvas canvas(257, 16);
    ui::TOwnerDrawState state;
    state.Selected = item.selected;
    dir_->DrawItem(canvas.Dc(), item.index, RECT{0, 0, 257, 16}, state);
    const COLORREF background = item.selected ? highlight : window;
    EXPECT_EQ(WrongGlyphPixels(canvas, item.glyph, item.indent, 0, background), 0) << item.index;
    // Background before the glyph; the text starts 4 pixels after it.
    EXPECT_EQ(canvas.At(item.indent - 1, 8), background) << item.index;
    int text = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = item.indent + 16; x < item.indent + 60; ++x) text += canvas.At(x, y) != background;
    EXPECT_GT(text, 0) << item.index;
    for (int y = 0; y < 16; ++y)
      for (int x = item.indent + 16; x < item.indent + 20; ++x) EXPECT_EQ(canvas.At(x, y), background) << x;
  }
  // The drive list: glyph 2 pixels from the left, centred vertically.
  const int height = drive_->ItemHeight();
  TCanvas canvas(257, height);
  drive_->DrawItem(canvas.Dc(), 0, RECT{0, 0, 257, height}, ui::TOwnerDrawState{});
  ASSERT_EQ(drive_->Item(0), "a:");
  EXPECT_EQ(WrongGlyphPixels(canvas, floppy, 2, (height - 11) / 2, window), 0);
}

}  // namespace
}  // namespace tavo::app
