#include "shells/qt/menu_builder.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QString>
#include <map>

namespace sorvane::qt {

namespace {

QString CaptionOf(const MenuItem& item) {
  return QString::fromStdString(item.caption);
}

// Radio items of one submenu and group exclude each other; Qt draws them as radio buttons
// when they share an exclusive action group.
class RadioGroups {
 public:
  explicit RadioGroups(QMenu& menu) : menu_(menu) {}
  void Join(QAction* action, int32_t group) {
    QActionGroup*& found = groups_[group];
    if (found == nullptr) {
      found = new QActionGroup(&menu_);  // owned by the menu
      found->setExclusive(true);
    }
    found->addAction(action);
  }

 private:
  QMenu& menu_;
  std::map<int32_t, QActionGroup*> groups_;
};

void AddCommand(QMenu& menu, const MenuItem& item, RadioGroups& radios) {
  QAction* action = menu.addAction(CaptionOf(item));
  action->setData(item.id);
  action->setEnabled(item.enabled);
  if (item.checkable || item.radio) {
    action->setCheckable(true);
    action->setChecked(item.checked);
  }
  if (item.radio) radios.Join(action, item.group);
  if (item.kind == MenuItemKind::Title) {
    QFont bold = action->font();
    bold.setBold(true);
    action->setFont(bold);
  }
}

}  // namespace

void BuildMenu(QMenu& menu, const std::vector<MenuItem>& items) {
  RadioGroups radios(menu);
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItemKind::Separator:
        menu.addSeparator();
        break;
      case MenuItemKind::Submenu: {
        QMenu* submenu = menu.addMenu(CaptionOf(item));  // owned by the menu
        submenu->menuAction()->setData(item.id);
        submenu->setEnabled(item.enabled);
        BuildMenu(*submenu, item.children);
        break;
      }
      case MenuItemKind::Title:
      case MenuItemKind::Command:
        AddCommand(menu, item, radios);
        break;
    }
  }
}

void ClearMenu(QMenu& menu) {
  menu.clear();
  for (QMenu* submenu : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) delete submenu;
  for (QActionGroup* group : menu.findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly)) {
    delete group;
  }
}

int32_t ItemIdOf(const QAction* action) {
  if (action == nullptr) return 0;
  return action->data().toInt();
}

}  // namespace sorvane::qt
