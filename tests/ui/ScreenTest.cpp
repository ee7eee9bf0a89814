// The registry of forms and the owner relation between components: what a
// frame, a menu or a tray icon uses to find the form they belong to and the
// form's frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/ui/UiTestSupport.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Screen.h"

namespace tavo::ui {
namespace {

using testing_support::PumpUntil;

[[maybe_unused]] auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new testing_support::TUiEnvironment);

TFormLayout Layout() {
  TFormLayout layout;
  layout.ClientWidth = 120;
  layout.ClientHeight = 80;
  layout.BorderStyle = TBorderStyle::bsSingle;
  return layout;
}

class TPart : public TComponent {
 public:
  using TComponent::TComponent;
};
class TOtherPart : public TComponent {
 public:
  using TComponent::TComponent;
};

TEST(ComponentOwner, OwnerListsItsComponentsUntilEitherGoes) {
  TComponent owner;
  auto first = std::make_unique<TOtherPart>(&owner);
  auto second = std::make_unique<TPart>(&owner);
  TPart loose;
  EXPECT_EQ(loose.Owner(), nullptr);
  EXPECT_EQ(second->Owner(), &owner);
  ASSERT_EQ(owner.Components().size(), 2u);
  EXPECT_EQ(owner.Components()[0], first.get());
  EXPECT_EQ(owner.FindComponent<TPart>(), second.get());
  second.reset();
  EXPECT_EQ(owner.Components().size(), 1u);
  EXPECT_EQ(owner.FindComponent<TPart>(), nullptr);

  // An owned component that outlives its owner only loses the owner.
  auto shortLived = std::make_unique<TComponent>();
  TPart survivor(shortLived.get());
  shortLived.reset();
  EXPECT_EQ(survivor.Owner(), nullptr);
}

TEST(ScreenRegistry, FormsInCreationOrderAndListenersHearThemComeAndGo) {
  std::vector<std::pair<TForm*, TFormEvent>> heard;
  std::vector<size_t> controlsWhenCreated;
  const int id = Screen().AddFormListener([&](TForm& form, TFormEvent event) {
    heard.emplace_back(&form, event);
    if (event == TFormEvent::feCreated) controlsWhenCreated.push_back(form.Controls().size());
  });
  const int before = Screen().FormCount();
  auto a = std::make_unique<TForm>(Layout());
  TForm b(Layout());
  TEdit edit(b);
  ASSERT_EQ(Screen().FormCount(), before + 2);
  EXPECT_EQ(Screen().Forms()[before], a.get());
  EXPECT_EQ(Screen().Forms()[before + 1], &b);
  a.reset();
  EXPECT_EQ(Screen().FormCount(), before + 1);
  EXPECT_EQ(Screen().Forms().back(), &b);
  Screen().RemoveFormListener(id);
  TForm c(Layout());  // not heard any more

  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0].second, TFormEvent::feCreated);
  EXPECT_EQ(heard[1], std::make_pair(&b, TFormEvent::feCreated));
  EXPECT_EQ(heard[2].second, TFormEvent::feDestroyed);
  // Heard from inside the constructor: before any control of the form.
  EXPECT_EQ(controlsWhenCreated, (std::vector<size_t>{0, 0}));
}

TEST(ScreenRegistry, ActiveFormAndItsFocusedControl) {
  TForm form(Layout());
  TEdit edit(form);
  edit.SetBounds(5, 5, 80, 22);
  edit.SetTabStop(true);
  form.Show();
  ASSERT_TRUE(PumpUntil([&] { return Screen().ActiveForm() == &form; }));
  edit.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return edit.Focused(); }));
  EXPECT_EQ(Screen().ActiveControl(), &edit);
  form.Hide();
  ASSERT_TRUE(PumpUntil([&] { return Screen().ActiveForm() != &form; }));
  EXPECT_EQ(Screen().ActiveControl() == &edit, false);
}

}  // namespace
}  // namespace tavo::ui
