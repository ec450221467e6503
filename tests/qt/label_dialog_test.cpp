// The label box opens with the label selected, so typing replaces it; Enter keeps the text.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "modal_driver.h"
#include "shells/qt/dialogs.h"

namespace sorvane::qt {
namespace {

TEST(LabelDialog, TypingReplacesTheSelectedLabel) {
  WhenDialogShows([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Label"));
    auto* edit = dialog.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("Tokyo office"));
    QTest::keyClicks(edit, QStringLiteral("Home"));
    QTest::keyClick(edit, Qt::Key_Return);
  });
  QtDialogs dialogs;
  EXPECT_EQ(dialogs.EditLabel("Tokyo office"), "Home");
}

}  // namespace
}  // namespace sorvane::qt
