// A place in one of the main window's menus that a command set attached to
// the window fills with its items.
#pragma once

class QAction;
class QMenu;
class QString;

namespace tw {

// Items go in before `before`, in the order they are put there, or at the
// menu's end while it is null. They are children of the menu.
struct MenuPlace {
  QMenu* menu = nullptr;
  QAction* before = nullptr;

  QAction* AddItem(const char* name, const QString& caption) const;
  QAction* AddSeparator(const char* name) const;
  void AddMenu(QMenu* submenu) const;
};

}  // namespace tw
