// Sizes and layouts the code hands to the system, against the headers of the
// build it is in: the region data the skin engine serialises, the BMP headers
// the stored skins hold, and message parameters and window procedures at
// their full pointer width through the window toolkit.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/Region.h"
#include "skin/SkinFormat.h"
#include "skin/win32/RegionWin32.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace tavo {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

TEST(SystemSizesTest, BuildIsTheOneItsNameSays) {
#if defined(_WIN64)
  EXPECT_EQ(sizeof(void*), 8u);
#else
  EXPECT_EQ(sizeof(void*), 4u);
#endif
  EXPECT_EQ(sizeof(LPARAM), sizeof(void*));
  EXPECT_EQ(sizeof(WPARAM), sizeof(void*));
  EXPECT_EQ(sizeof(LRESULT), sizeof(void*));
  EXPECT_EQ(sizeof(LONG_PTR), sizeof(void*));
  EXPECT_EQ(sizeof(LONG), 4u);  // what a truncating Get/SetWindowLong would keep
}

TEST(SystemSizesTest, RegionDataMatchesTheSystemsRegionHeader) {
  EXPECT_EQ(skin::kRegionHeaderSize, sizeof(RGNDATAHEADER));
  EXPECT_EQ(skin::kRegionHeaderSize, offsetof(RGNDATA, Buffer));
  EXPECT_EQ(skin::kRegionRectSize, sizeof(RECT));
  EXPECT_EQ(skin::kRegionTypeRectangles, static_cast<uint32_t>(RDH_RECTANGLES));

  skin::TRegionData data;
  data.Bounds = TRect{-3, 4, 70, 90};
  data.Rects = {TRect{-3, 4, 10, 20}, TRect{30, 40, 70, 90}};
  const std::vector<uint8_t> bytes = data.Bytes();
  ASSERT_EQ(bytes.size(), sizeof(RGNDATAHEADER) + 2 * sizeof(RECT));
  ASSERT_EQ(bytes.size(), data.Size());
  RGNDATAHEADER header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  EXPECT_EQ(header.dwSize, sizeof(RGNDATAHEADER));
  EXPECT_EQ(header.iType, static_cast<DWORD>(RDH_RECTANGLES));
  EXPECT_EQ(header.nCount, 2u);
  EXPECT_EQ(header.rcBound.left, -3);
  EXPECT_EQ(header.rcBound.top, 4);
  EXPECT_EQ(header.rcBound.right, 70);
  EXPECT_EQ(header.rcBound.bottom, 90);
  RECT second;
  std::memcpy(&second, bytes.data() + sizeof(RGNDATAHEADER) + sizeof(RECT), sizeof(second));
  EXPECT_EQ(second.left, 30);
  EXPECT_EQ(second.bottom, 90);

  // The system takes the bytes as they are and hands the same pixels back.
  ui::THRgn region = skin::win32::CreateRegion(data);
  ASSERT_TRUE(region);
  EXPECT_TRUE(PtInRegion(region.get(), -3, 4));
  EXPECT_TRUE(PtInRegion(region.get(), 69, 89));
  EXPECT_FALSE(PtInRegion(region.get(), 10, 20));
  EXPECT_FALSE(PtInRegion(region.get(), 20, 30));
}

TEST(SystemSizesTest, StoredBitmapHeadersMatchTheSystemsBitmapStructures) {
  EXPECT_EQ(skin::kBmpFileHeaderSize, sizeof(BITMAPFILEHEADER));
  EXPECT_EQ(skin::kBmpCoreHeaderSize, sizeof(BITMAPCOREHEADER));
  EXPECT_EQ(skin::kBmpInfoHeaderSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(skin::kBmpV5HeaderSize, sizeof(BITMAPV5HEADER));
  EXPECT_EQ(skin::kBmpBitFieldsSize, 3 * sizeof(DWORD));
  EXPECT_EQ(skin::kBmpCoreColorSize, sizeof(RGBTRIPLE));
  EXPECT_EQ(skin::kBmpInfoColorSize, sizeof(RGBQUAD));
  EXPECT_EQ(skin::kBiRgb, static_cast<uint32_t>(BI_RGB));
  EXPECT_EQ(skin::kBiBitFields, static_cast<uint32_t>(BI_BITFIELDS));
}

constexpr UINT kEchoMessage = WM_APP + 24;

// Values that lose bits when a pointer-sized parameter passes through 32 bits
// (64-bit build) or through a sign-extending conversion (32-bit build).
uintptr_t WideValue(unsigned salt) {
  uintptr_t v = 0;
  for (size_t i = 0; i < sizeof(v); ++i) v = (v << 8) | ((0x81u + 0x2Bu * i + salt) & 0xFFu);
  return v;
}

struct TEchoed {
  int calls = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Answers kEchoMessage with a full-width result and keeps what came in.
template <class Base>
class TEcho : public Base {
 public:
  using Base::Base;
  TEchoed seen;

 protected:
  void WndProc(ui::TMessage& m) override {
    if (m.Msg != kEchoMessage) return Base::WndProc(m);
    ++seen.calls;
    seen.wParam = m.WParam;
    seen.lParam = m.LParam;
    m.Result = static_cast<LRESULT>(~static_cast<uintptr_t>(m.LParam));
  }
};

ui::TFormLayout EchoLayout() {
  ui::TFormLayout layout;
  layout.Caption = "sizes";
  layout.ClientWidth = 200;
  layout.ClientHeight = 100;
  layout.BorderStyle = ui::TBorderStyle::bsNone;
  return layout;
}

void ExpectFullWidthRoundTrip(HWND wnd, const TEchoed& seen, unsigned salt) {
  const auto w = static_cast<WPARAM>(WideValue(salt));
  const auto l = static_cast<LPARAM>(WideValue(salt + 7));
  const int before = seen.calls;
  const LRESULT result = SendMessageA(wnd, kEchoMessage, w, l);
  ASSERT_EQ(seen.calls, before + 1);
  EXPECT_EQ(seen.wParam, w);
  EXPECT_EQ(seen.lParam, l);
  EXPECT_EQ(static_cast<uintptr_t>(result), ~static_cast<uintptr_t>(l));
}

TEST(SystemSizesTest, MessagesKeepTheirFullWidthThroughOurOwnWindowClass) {
  TEcho<ui::TForm> form(EchoLayout());
  ASSERT_TRUE(form.HandleAllocated());
  ExpectFullWidthRoundTrip(form.Handle(), form.seen, 1);
  // Perform goes through the same chain without the system.
  const auto l = static_cast<LPARAM>(WideValue(3));
  EXPECT_EQ(static_cast<uintptr_t>(form.Perform(kEchoMessage, 0, l)), ~static_cast<uintptr_t>(l));
  EXPECT_EQ(form.seen.lParam, l);
}

TEST(SystemSizesTest, SubclassedSystemControlStoresTheWholeProcedurePointer) {
  TEcho<ui::TForm> form(EchoLayout());
  TEcho<ui::TEdit> edit(form);
  ASSERT_TRUE(edit.HandleAllocated());
  // The window now calls our procedure, not the EDIT class's own; the stored
  // pointer is the whole one (a truncated one would not reach us at all).
  const auto stored = GetWindowLongPtrA(edit.Handle(), GWLP_WNDPROC);
  const auto classProc = GetClassLongPtrA(edit.Handle(), GCLP_WNDPROC);
  EXPECT_NE(stored, 0);
  EXPECT_NE(stored, classProc);
  ExpectFullWidthRoundTrip(edit.Handle(), edit.seen, 11);
  // The system's procedure still runs underneath: the edit box keeps text.
  edit.SetText("abc");
  EXPECT_EQ(edit.Text(), "abc");
  // Child control ids travel in CreateWindowEx's menu parameter.
  EXPECT_NE(GetDlgCtrlID(edit.Handle()), 0);
  EXPECT_EQ(GetDlgItem(form.Handle(), GetDlgCtrlID(edit.Handle())), edit.Handle());
}

}  // namespace
}  // namespace tavo
