#include "shell/desktop/recent_files_menu.h"

#include <QMenu>

#include "session/recent_files.h"
#include "settings/recent_section.h"
#include "shell/window/main_window.h"

namespace tw {

RecentFilesMenu::RecentFilesMenu(MainWindow& window)
    : QObject(&window),
      settings_file_(window.settingsFile()),
      paths_(UsableRecentFiles(LoadRecentFiles(settings_file_))) {
  const MenuPlace& place = window.menuPlaces().recent_files;
  menu_ = new QMenu("Recent Files", place.menu);
  menu_->setObjectName("mnuFileRecent");
  place.AddMenu(menu_);
  Rebuild();
}

void RecentFilesMenu::Remember(const std::string& path) {
  Keep(RememberFile(paths_, path));
}

void RecentFilesMenu::Forget(const std::string& path) {
  Keep(ForgetFile(paths_, path));
}

void RecentFilesMenu::Keep(std::vector<std::string> paths) {
  if (paths == paths_)
    return;
  paths_ = std::move(paths);
  // A settings file that cannot be written loses the list at the next start
  // only; the menu goes on with it.
  (void)SaveRecentFiles(settings_file_, paths_);
  Rebuild();
}

void RecentFilesMenu::Rebuild() {
  menu_->clear();
  for (const std::string& path : paths_) {
    QAction* item = menu_->addAction(QString::fromUtf8(RecentMenuText(path)));
    item->setToolTip(QString::fromUtf8(path));
    connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
  }
  menu_->setEnabled(!paths_.empty());
}

}  // namespace tw
