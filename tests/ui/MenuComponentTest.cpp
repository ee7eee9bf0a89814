// The menu components, the image list, the application's OnMessage,
// which sees every message before the loop's own handling, and the form's
// shortcut handler, offered every key press of its windows next.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Edit.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace tavo::ui {
namespace {

using skin::RGB;
using skin::TBitmap;

TEST(ImageListTest, DrawsCellsWithoutTheirTransparentColour) {
  TImageList list(3, 2);
  TBitmap strip(6, 2);
  const auto red = RGB(255, 0, 0), blue = RGB(0, 0, 255), key = RGB(0, 255, 0);
  for (int x = 0; x < 6; ++x) {
    strip.SetPixel(x, 0, x < 3 ? red : blue);
    strip.SetPixel(x, 1, key);
  }
  EXPECT_EQ(list.AddStrip(strip), 0);
  ASSERT_EQ(list.Count(), 2);
  TBitmap canvas(5, 4);
  list.Draw(canvas, 1, 1, 1, true);
  EXPECT_EQ(canvas.Pixel(1, 1), blue);
  EXPECT_EQ(canvas.Pixel(3, 1), blue);
  EXPECT_EQ(canvas.Pixel(1, 2), 0u);  // the key colour is left out
  EXPECT_EQ(canvas.Pixel(0, 0), 0u);
  list.Draw(canvas, 0, 0, 7, true);  // no such image: nothing
  EXPECT_EQ(canvas.Pixel(0, 0), 0u);

  list.Masked = false;
  list.Draw(canvas, 1, 1, 0, true);
  EXPECT_EQ(canvas.Pixel(1, 2), key);
  // Disabled: red's luminance 76 lightened halfway to white, 165.
  list.Draw(canvas, 1, 1, 0, false);
  EXPECT_EQ(canvas.Pixel(1, 1), RGB(165, 165, 165));
}

TEST(ImageListTest, SmallPicturesArePaddedWithTheirKeyColour) {
  TImageList list(4, 4);
  TBitmap small(2, 2);
  small.SetPixel(0, 0, RGB(9, 9, 9));
  small.SetPixel(0, 1, RGB(1, 2, 3));
  list.Add(small);
  TBitmap canvas(4, 4);
  list.Draw(canvas, 0, 0, 0, true);
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(9, 9, 9));
  EXPECT_EQ(canvas.Pixel(3, 3), 0u);  // padding is transparent
}

TEST(PopupMenuTest, PopupFiresOnPopupAndItemsDispatchByCommand) {
  TComponent form;
  TPopupMenu menu(&form);
  TImageList images;
  menu.Images = &images;
  int popups = 0, clicks = 0;
  menu.OnPopup = [&](TObject& sender) {
    EXPECT_EQ(&sender, static_cast<TObject*>(&menu));
    ++popups;
  };
  TMenuItem& item = menu.Items().Add("&Go", "Go", [&](TMenuItem&) { ++clicks; });
  menu.Popup(10, 10);
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(menu.DispatchCommand(item.Command()));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(item.Menu(), static_cast<skin::TMenu*>(&menu));
  EXPECT_EQ(form.FindComponent<TPopupMenu>(), &menu);

  TMainMenu main(&form);
  main.Items().Add("Quit", "", [&](TMenuItem&) { clicks += 10; }).ShortCut = skin::ShortCut('Q', skin::scCtrl);
  EXPECT_TRUE(main.IsShortCut(skin::ShortCut('Q', skin::scCtrl)));
  EXPECT_EQ(clicks, 11);
}

// A window that counts the messages it gets.
LRESULT CALLBACK CountingProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_APP || msg == WM_KEYDOWN) {
    auto* n = reinterpret_cast<int*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    ++*n;
    return 0;
  }
  return DefWindowProcA(wnd, msg, w, l);
}

TEST(ApplicationOnMessageTest, RunsFirstAndHandledMessagesGoNoFurther) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TavoOnMessageTest";
  RegisterClassA(&wc);
  HWND wnd = CreateWindowA("TavoOnMessageTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(wnd);
  int delivered = 0;
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivered));
  std::vector<UINT> seen;
  Application().OnMessage = [&](MSG& msg, bool& handled) {
    if (msg.hwnd != wnd) return;
    seen.push_back(msg.message);
    if (msg.message == WM_KEYDOWN) {
      // Taken: emptied and handled, as the menus take keys.
      msg.message = WM_NULL;
      handled = true;
    }
  };
  PostMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(wnd, WM_APP, 0, 0);
  Application().ProcessMessages();
  Application().OnMessage = nullptr;
  EXPECT_EQ(seen, (std::vector<UINT>{WM_KEYDOWN, WM_APP}));
  EXPECT_EQ(delivered, 1);  // only WM_APP reached the window
  PostMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
  Application().ProcessMessages();
  EXPECT_EQ(delivered, 2);  // without the handler keys arrive again
  DestroyWindow(wnd);
}

TEST(FormShortCutTest, KeyPressesOfTheFormsControlsAreOfferedFirstAndHandledOnesGoNoFurther) {
  TFormLayout layout;
  layout.ClientWidth = 200;
  layout.ClientHeight = 80;
  TForm form(layout);
  TEdit edit(form);
  std::vector<WPARAM> arrived;
  const TWndMethod previous = edit.WindowProc;
  edit.WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) arrived.push_back(m.WParam);
    previous(m);
  };
  std::vector<TShortCutKey> offered;
  form.OnShortCut = [&](const TShortCutKey& key, bool& handled) {
    offered.push_back(key);
    handled = (key.ShortCut & 0xFF) == VK_F5;
  };
  PostMessageA(edit.Handle(), WM_KEYDOWN, VK_F5, 1);
  PostMessageA(edit.Handle(), WM_KEYDOWN, 'B', 1);
  // A system key press carries Alt in bit 29.
  PostMessageA(edit.Handle(), WM_SYSKEYDOWN, 'F', 1 | (1 << 29));
  PostMessageA(edit.Handle(), WM_KEYUP, 'B', 1);  // releases are no shortcuts
  Application().ProcessMessages();
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[0].ShortCut, VK_F5);
  EXPECT_EQ(offered[1].ShortCut, 'B');
  EXPECT_EQ(offered[2].ShortCut, 'F' | 0x8000);
  EXPECT_LT(offered[0].Serial, offered[1].Serial) << "every press has a serial of its own";
  EXPECT_LT(offered[1].Serial, offered[2].Serial);
  EXPECT_EQ(arrived, (std::vector<WPARAM>{'B', 'F'})) << "the handled F5 never reached the edit";

  // OnMessage comes first: a key it takes is offered to no form.
  Application().OnMessage = [](MSG& msg, bool& handled) {
    if (msg.message == WM_KEYDOWN) handled = true;
  };
  PostMessageA(edit.Handle(), WM_KEYDOWN, 'C', 1);
  Application().ProcessMessages();
  Application().OnMessage = nullptr;
  EXPECT_EQ(offered.size(), 3u);
  edit.WindowProc = previous;
}

TEST(FormShortCutTest, AFormWithoutAHandlerHandlesNothing) {
  TFormLayout layout;
  TForm form(layout);
  EXPECT_FALSE(form.IsShortCut(TShortCutKey{VK_F5, 1}));
}

}  // namespace
}  // namespace tavo::ui
