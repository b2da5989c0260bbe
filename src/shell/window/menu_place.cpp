#include "shell/window/menu_place.h"

#include <QAction>
#include <QMenu>

namespace tw {

QAction* MenuPlace::AddItem(const char* name, const QString& caption) const {
  auto* item = new QAction(caption, menu);
  item->setObjectName(name);
  menu->insertAction(before, item);
  return item;
}

QAction* MenuPlace::AddSeparator(const char* name) const {
  QAction* separator = menu->insertSeparator(before);
  separator->setObjectName(name);
  return separator;
}

void MenuPlace::AddMenu(QMenu* submenu) const {
  menu->insertMenu(before, submenu);
}

}  // namespace tw
