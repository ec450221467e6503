// "Start at Login": an item only where the shell offers it, showing what the desktop does,
// never a setting of vl.prf.
#include "app/clock/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

class LoginStartTest : public ClockTest {
 protected:
  std::vector<int32_t> TopIds() const {
    std::vector<int32_t> ids;
    for (const MenuItem& item : form.Menu().Items()) ids.push_back(item.id);
    return ids;
  }
  headless::FakeLoginStart login;
};

TEST_F(LoginStartTest, NoItemWithoutTheService) {
  Start();
  EXPECT_EQ(form.Menu().Find(menu_id::StartAtLogin), nullptr);
}

TEST_F(LoginStartTest, ItemBeforeHelpTogglesTheDesktopsEntryAndWritesNoProfile) {
  login.on = true;
  hs.services.login_start = &login;
  Start();
  const std::vector<int32_t> ids = TopIds();
  const auto help = std::find(ids.begin(), ids.end(), menu_id::Help);
  ASSERT_GE(help - ids.begin(), 2);
  ASSERT_EQ(*(help - 1), menu_id::StartAtLogin);
  const auto before = static_cast<size_t>(help - ids.begin() - 2);
  EXPECT_EQ(form.Menu().Items()[before].kind, MenuItemKind::Separator)
      << "in Help's group: Size's group is unchanged";
  const MenuItem& item = form.Menu().At(menu_id::StartAtLogin);
  EXPECT_EQ(item.caption, "Start at Login");
  EXPECT_TRUE(item.checkable && item.checked);

  const int writes = hs.files.writes;
  for (const bool expected : {false, true, false}) {
    form.RunMenuItem(menu_id::StartAtLogin);
    EXPECT_EQ(login.on, expected);
    EXPECT_EQ(form.Menu().At(menu_id::StartAtLogin).checked, expected);
  }
  EXPECT_EQ(hs.files.writes, writes);

  login.fail = true;
  EXPECT_THROW(form.RunMenuItem(menu_id::StartAtLogin), FileError);
  EXPECT_FALSE(form.Menu().At(menu_id::StartAtLogin).checked) << "the check shows the desktop";
}

// Turned on or off outside the clock: the check mark follows when the menu opens.
TEST_F(LoginStartTest, MenuOpeningReadsTheDesktopAgain) {
  hs.services.login_start = &login;
  Start();
  login.on = true;
  form.RightClick(5, 5);
  EXPECT_TRUE(form.Menu().At(menu_id::StartAtLogin).checked);
  login.on = false;
  form.RefreshMenu();
  EXPECT_FALSE(form.Menu().At(menu_id::StartAtLogin).checked);
}

}  // namespace
}  // namespace sorvane::testing
