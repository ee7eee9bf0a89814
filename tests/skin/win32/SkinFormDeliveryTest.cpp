// Skin messages reaching the program's forms: every form from its creation,
// the owner form first, never a destroyed one; and a load refreshing each
// skinned control exactly once, after the form's window (where a frame
// applies the new skin) has handled the message.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/SkinFormat.h"
#include "skin/win32/SkinBroadcast.h"
#include "skin/win32/SkinControl.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/Form.h"

namespace tavo::skin {
namespace {

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ui::testing_support::TUiEnvironment);

ui::TFormLayout Layout() {
  ui::TFormLayout layout;
  layout.ClientWidth = 100;
  layout.ClientHeight = 60;
  layout.BorderStyle = ui::TBorderStyle::bsSingle;
  return layout;
}

void MakeSkin(TCompressedStoredSkin& stored) {
  ASSERT_TRUE(stored.BuildFromSkinText(
      "[VERSION]\r\nskinname=w\r\n[PICTURES]\r\nx=1\r\n[FORMINFO]\r\nclientrect=1,1,2,2\r\n"
      "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=1\r\n0=b:button\r\n",
      ""));
}

struct TSeen {
  std::string form;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const TSeen&) const = default;
};

// Records the skin messages a form's window procedure gets, after the
// form's own handling, as a component that took the form over would.
class TRecorder {
 public:
  TRecorder(ui::TForm& form, std::string name, std::vector<TSeen>& log)
      : form_(form), old_(form.WindowProc) {
    form.WindowProc = [this, name = std::move(name), &log](ui::TMessage& m) {
      old_(m);
      if (IsSkinMessage(m.Msg)) log.push_back({name, m.Msg, m.WParam, m.LParam});
    };
  }
  ~TRecorder() { form_.WindowProc = old_; }

 private:
  ui::TForm& form_;
  ui::TWndMethod old_;
};

TEST(SkinFormDelivery, EveryFormHearsEachMessageOwnerFirst) {
  TSkinNotifier notifier;
  std::vector<TSeen> log;
  ui::TForm before(Layout());  // exists before the delivery is made
  TSkinFormDelivery delivery(notifier);
  ui::TForm owner(Layout());
  auto gone = std::make_unique<ui::TForm>(Layout());
  EXPECT_TRUE(delivery.Delivers(before));
  EXPECT_TRUE(delivery.Delivers(owner));
  gone.reset();  // destroyed: must not be sent to
  TRecorder r1(before, "before", log), r2(owner, "owner", log);

  TCompressedStoredSkin stored;
  MakeSkin(stored);
  TSkinData data(&owner, &notifier);
  data.SetCompressedStoredSkin(&stored);
  TResourceStrData strings;
  data.SetResourceStrData(&strings);

  const auto w = reinterpret_cast<WPARAM>(&data);
  const std::vector<TSeen> expected{
      {"owner", MsgSkinChanging, w, 1000},      {"before", MsgSkinChanging, w, 1000},
      {"owner", MsgSkinChanged, w, 1000},       {"before", MsgSkinChanged, w, 1000},
      {"owner", MsgSkinChangedAfter, w, 1000},  {"before", MsgSkinChangedAfter, w, 1000},
      {"owner", MsgResStringsChanged, w, 1000}, {"before", MsgResStringsChanged, w, 1000},
  };
  EXPECT_EQ(log, expected);
}

// Stands for a frame: applies the skin when its form's window hears 1226.
struct TFrameStandIn {
  int applied = 0;
};

class TCountingControl : public TSkinControl {
 public:
  TCountingControl(ui::TWinControl* parent, const TFrameStandIn& frame) : TSkinControl(parent), frame_(frame) {}
  void RefreshSkin() override {
    appliedWhenRefreshed.push_back(frame_.applied);
    TSkinControl::RefreshSkin();
  }
  std::vector<int> appliedWhenRefreshed;

 private:
  const TFrameStandIn& frame_;
};

TEST(SkinFormDelivery, LoadRefreshesEachControlOnceAfterTheFrameApplied) {
  // The application's notifier, as the directory window uses it.
  ui::TForm form(Layout());
  TFrameStandIn frame;
  ui::TWndMethod old = form.WindowProc;
  form.WindowProc = [&](ui::TMessage& m) {
    if (m.Msg == MsgSkinChanged) ++frame.applied;
    old(m);
  };
  TCountingControl first(&form, frame);
  TCountingControl second(&form, frame);
  TSkinData data(&form);
  first.SetSkinData(&data);
  second.SetSkinData(&data);
  TCompressedStoredSkin stored;
  MakeSkin(stored);

  data.SetCompressedStoredSkin(&stored);
  EXPECT_EQ(frame.applied, 1);
  EXPECT_EQ(first.appliedWhenRefreshed, std::vector<int>{1});
  EXPECT_EQ(second.appliedWhenRefreshed, std::vector<int>{1});

  data.SetCompressedStoredSkin(&stored);  // a reload at run time
  EXPECT_EQ(frame.applied, 2);
  EXPECT_EQ(first.appliedWhenRefreshed, (std::vector<int>{1, 2}));
  EXPECT_EQ(second.appliedWhenRefreshed, (std::vector<int>{1, 2}));
  form.WindowProc = old;
}

}  // namespace
}  // namespace tavo::skin
