#include "shells/qt/menu_view.h"

#include <QCursor>
#include <QPoint>

#include "shells/qt/menu_builder.h"

namespace sorvane::qt {

QtMenuView::QtMenuView() {
  QObject::connect(&tray_menu_, &QMenu::aboutToShow, &tray_menu_, [this] {
    ClearMenu(tray_menu_);
    const MenuModel* model = program_ != nullptr ? program_->TrayMenu() : nullptr;
    if (model != nullptr) BuildMenu(tray_menu_, model->Items());
  });
  QObject::connect(&tray_menu_, &QMenu::triggered, &tray_menu_, [this](QAction* chosen) {
    const int32_t id = ItemIdOf(chosen);
    if (id != 0 && program_ != nullptr) program_->TrayMenuItemChosen(id);
  });
}

int32_t QtMenuView::PopupAt(const MenuModel& model, Point screen) {
  QMenu menu;
  BuildMenu(menu, model.Items());
  return ItemIdOf(menu.exec(QPoint(screen.x, screen.y)));
}

int32_t QtMenuView::PopupAtPointer(const MenuModel& model) {
  const QPoint pointer = QCursor::pos();
  return PopupAt(model, {pointer.x(), pointer.y()});
}

}  // namespace sorvane::qt
