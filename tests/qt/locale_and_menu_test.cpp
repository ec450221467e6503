// Dates formatted by the clock from QLocale's data read as Qt formats them itself, and the
// menu built into a QMenu is the model, item by item.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QDate>
#include <QLocale>
#include <QMenu>

#include "app/clock/menu_tree.h"
#include "shells/qt/locale_reader.h"
#include "shells/qt/menu_builder.h"
#include "shells/qt/menu_view.h"
#include "timefmt/date_format.h"

namespace sorvane::qt {
namespace {

TEST(LocaleReader, DatesReadAsQtWritesThem) {
  const QDate date(2026, 12, 9);  // a Wednesday
  const DateTime when{2026, 12, 9, 0, 0, 0, 0};
  for (const char* name : {"en_US", "de_DE", "fr_FR", "ru_RU", "pl_PL", "ja_JP", "en_GB"}) {
    SCOPED_TRACE(name);
    const QLocale locale(QString::fromLatin1(name));
    const LocaleData data = ReadLocale(locale);
    for (const auto format : {QLocale::ShortFormat, QLocale::LongFormat}) {
      const std::string picture = ToDatePicture(locale.dateFormat(format));
      EXPECT_EQ(FormatDate(picture, when, data, data.date_separator),
                locale.toString(date, format).toStdString())
          << "picture " << picture;
    }
  }
}

TEST(LocaleReader, SeparatorsAndOrder) {
  EXPECT_EQ(SeparatorOf(QStringLiteral("dd.MM.yyyy")), ".");
  EXPECT_EQ(SeparatorOf(QStringLiteral("'le' d/M")), "/");
  EXPECT_EQ(SeparatorOf(QStringLiteral("HH:mm")), ":");
  EXPECT_EQ(DateOrderOf(QStringLiteral("M/d/yy")), "0");
  EXPECT_EQ(DateOrderOf(QStringLiteral("dd.MM.yyyy")), "1");
  EXPECT_EQ(DateOrderOf(QStringLiteral("yyyy-MM-dd")), "2");
  EXPECT_EQ(ToDatePicture(QStringLiteral("h:mm AP")), "h:mm tt");
}

// Every action stands for its item: caption, id, separator, enabled, check and radio state,
// submenu; radio items of one submenu and group share one exclusive group.
void ExpectMenuIsModel(const QMenu& menu, const std::vector<MenuItem>& items) {
  const QList<QAction*> actions = menu.actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
  std::map<int32_t, QActionGroup*> groups;
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    const QAction& action = *actions[static_cast<qsizetype>(i)];
    SCOPED_TRACE(item.name);
    EXPECT_EQ(action.isSeparator(), item.kind == MenuItemKind::Separator);
    if (item.kind == MenuItemKind::Separator) continue;
    EXPECT_EQ(action.text().toStdString(), item.caption);
    EXPECT_EQ(ItemIdOf(&action), item.id);
    EXPECT_EQ(action.isEnabled(), item.enabled);
    EXPECT_EQ(action.isCheckable(), item.checkable || item.radio);
    EXPECT_EQ(action.isChecked(), item.checked);
    EXPECT_EQ(action.actionGroup() != nullptr, item.radio);
    if (item.radio) {
      EXPECT_TRUE(action.actionGroup()->isExclusive());
      QActionGroup*& group = groups[item.group];
      if (group == nullptr) group = action.actionGroup();
      EXPECT_EQ(action.actionGroup(), group);
    }
    EXPECT_EQ(action.menu() != nullptr, item.kind == MenuItemKind::Submenu);
    if (action.menu() != nullptr) ExpectMenuIsModel(*action.menu(), item.children);
  }
}

MenuModel ModelWithSkinsAndStates() {
  MenuModel model = BuildClockMenu();
  AddSkinItem(model, "Ring", 0);
  AddSkinItem(model, "Square", 1);
  model.SetChecked(menu_id::SkinItem(1), true);
  model.SetChecked(menu_id::SizeItem(5), true);
  model.SetChecked(menu_id::DigitalSeconds, true);
  model.SetEnabled(menu_id::AnalogSeconds, false);
  return model;
}

TEST(MenuBuilder, TheQMenuIsTheModelItemByItem) {
  const MenuModel model = ModelWithSkinsAndStates();
  QMenu menu;
  BuildMenu(menu, model.Items());
  ExpectMenuIsModel(menu, model.Items());
}

// The tray's menu is the program's, filled when it is about to show, and an item chosen in
// a submenu reaches the program with its id.
TEST(MenuBuilder, TrayMenuFillsOnShowAndReportsTheChosenId) {
  struct Program final : ports::ProgramEvents {
    void Tick() override {}
    void TimeChanged() override {}
    void SessionEnding() override {}
    void SessionEnded() override {}
    void ScreensChanged() override {}
    void SecondStart(bool) override {}
    void SmoothEdgesAvailabilityChanged() override {}
    const MenuModel* TrayMenu() override { return &model; }
    void TrayMenuItemChosen(int32_t id) override { chosen.push_back(id); }
    MenuModel model = ModelWithSkinsAndStates();
    std::vector<int32_t> chosen;
  } program;
  QtMenuView view;
  view.SetTraySource(&program);
  emit view.TrayMenu().aboutToShow();
  emit view.TrayMenu().aboutToShow();  // filled afresh, not twice over
  ExpectMenuIsModel(view.TrayMenu(), program.model.Items());
  EXPECT_EQ(view.TrayMenu().findChildren<QMenu*>().size(), 7);  // the model's seven submenus
  QAction* tiny = nullptr;
  for (QAction* action : view.TrayMenu().findChildren<QAction*>()) {
    if (ItemIdOf(action) == menu_id::SizeItem(5) && !action->menu()) tiny = action;
  }
  ASSERT_NE(tiny, nullptr);
  tiny->trigger();
  EXPECT_EQ(program.chosen, std::vector<int32_t>{menu_id::SizeItem(5)});
}

}  // namespace
}  // namespace sorvane::qt
