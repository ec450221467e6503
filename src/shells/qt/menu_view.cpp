#include "shells/qt/menu_view.h"

#include <QCursor>
#include <QPoint>

#include "shells/qt/menu_builder.h"

namespace sorvane::qt {

QtMenuView::QtMenuView() {
  QObject::connect(&tray_menu_, &QMenu::aboutToShow, &tray_menu_, [this] {
    ClearMenu(tray_menu_);
    Fill(tray_menu_);
  });
  QObject::connect(&tray_menu_, &QMenu::triggered, &tray_menu_,
                   [this](QAction* chosen) { Run(chosen); });
}

void QtMenuView::Fill(QMenu& menu) const {
  const MenuModel* model = model_ ? model_() : nullptr;
  if (model != nullptr) BuildMenu(menu, model->Items());
}

void QtMenuView::Run(const QAction* chosen) const {
  const int32_t id = ItemIdOf(chosen);
  if (id != 0 && on_command_) on_command_(id);
}

void QtMenuView::PopupAt(int32_t screen_x, int32_t screen_y) {
  QMenu menu;
  Fill(menu);
  Run(menu.exec(QPoint(screen_x, screen_y)));
}

void QtMenuView::PopupAtPointer() {
  const QPoint pointer = QCursor::pos();
  PopupAt(pointer.x(), pointer.y());
}

}  // namespace sorvane::qt
