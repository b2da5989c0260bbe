// File > Recent Files: the submenu after Import Points.., kept in the
// settings file's [RECENT] section.
#pragma once

#include <QObject>
#include <string>
#include <vector>

class QMenu;

namespace tw {

class MainWindow;

class RecentFilesMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the submenu to the window's File menu; a child of the window.
  explicit RecentFilesMenu(MainWindow& window);

  const std::vector<std::string>& Paths() const { return paths_; }
  void Remember(const std::string& path);
  void Forget(const std::string& path);

 signals:
  void chosen(const std::string& path);

 private:
  void Keep(std::vector<std::string> paths);
  void Rebuild();

  std::string settings_file_;
  std::vector<std::string> paths_;
  QMenu* menu_;
};

}  // namespace tw
