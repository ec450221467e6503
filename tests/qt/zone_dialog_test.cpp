// The zone chooser driven from the keyboard as a user would, through QtDialogs: the filter
// box keeps the focus while it filters, moves the selection and chooses.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "modal_driver.h"
#include "shells/qt/dialogs.h"

namespace sorvane::qt {
namespace {

const std::vector<ports::ChoiceRow> kRows{
    {"America/New_York", "America/New_York  UTC-05:00"},
    {"Asia/Kathmandu", "Asia/Kathmandu  UTC+05:45"},
    {"Asia/Kolkata", "Asia/Kolkata  UTC+05:30"},
    {"Europe/Berlin", "Europe/Berlin  UTC+01:00"},
};

struct Typing {
  const char* text;
  std::vector<Qt::Key> keys;  // pressed after the text
  std::optional<std::string> chosen;
};

TEST(ZoneDialog, TypedFilterMovesAndChooses) {
  const Typing cases[] = {
      {"kol", {Qt::Key_Return}, "Asia/Kolkata"},
      {"", {Qt::Key_Enter}, "Europe/Berlin"},  // the current row, as it opened
      {"asia", {Qt::Key_Down, Qt::Key_Return}, "Asia/Kolkata"},
      {"", {Qt::Key_Up, Qt::Key_Up, Qt::Key_Return}, "Asia/Kathmandu"},
      {"kol", {Qt::Key_Escape}, std::nullopt},
      {"xyz", {Qt::Key_Return, Qt::Key_Escape}, std::nullopt},  // no row left: Enter waits
  };
  for (const Typing& typing : cases) {
    SCOPED_TRACE(testing::Message()
                 << '"' << typing.text << "\" then " << typing.keys.size() << " keys");
    WhenDialogShows([&](QDialog& dialog) {
      auto* filter = dialog.findChild<QLineEdit*>();
      ASSERT_NE(filter, nullptr);
      QTest::keyClicks(filter, QString::fromLatin1(typing.text));
      for (const Qt::Key key : typing.keys) QTest::keyClick(filter, key);
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.ChooseZone(kRows, "Europe/Berlin"), typing.chosen);
  }
}

// Many rows, the current one far down: shown at open, mid-list, the focus in the filter box;
// Page Down there moves the list; a double click chooses.
TEST(ZoneDialog, OpensAtTheCurrentRowAndTakesADoubleClick) {
  std::vector<ports::ChoiceRow> rows;
  for (int i = 0; i < 300; ++i) {
    const std::string key = "Zone/Number_" + std::to_string(i);
    rows.push_back({key, key + " caption"});
  }
  std::string double_clicked;
  WhenDialogShows([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Time Zone"));
    auto* filter = dialog.findChild<QLineEdit*>();
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_TRUE(filter != nullptr && list != nullptr);
    EXPECT_EQ(dialog.focusWidget(), filter);
    ASSERT_EQ(list->currentRow(), 250);
    // In the middle half of the list, its neighbours shown around it.
    const int height = list->viewport()->height();
    const int middle = list->visualItemRect(list->currentItem()).center().y();
    EXPECT_TRUE(middle > height / 4 && middle < height * 3 / 4) << middle << " of " << height;

    QTest::keyClick(filter, Qt::Key_PageDown);
    EXPECT_GT(list->currentRow(), 251);
    const int target_row = list->currentRow() - 1;
    double_clicked = "Zone/Number_" + std::to_string(target_row);
    QListWidgetItem* target = list->item(target_row);
    // As the system sends one: a click, then the double click (QTest's alone has no press).
    const QPoint centre = list->visualItemRect(target).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  });
  QtDialogs dialogs;
  EXPECT_EQ(dialogs.ChooseZone(rows, "Zone/Number_250"), double_clicked);
}

}  // namespace
}  // namespace sorvane::qt
