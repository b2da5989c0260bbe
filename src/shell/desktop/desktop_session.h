// What makes the window behave as a desktop program: the question before
// unsaved work is thrown away (New, Clear, Open, Import, recent files, drops,
// closing), Ctrl+Q, dropped files, the command-line file, recent files and
// the recovery file with its offer at the next start.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ports/question_box.h"
#include "session/recovery_keeper.h"
#include "session/unsaved_changes.h"

class QSessionManager;

namespace tw {

class FileCommands;
class MainWindow;
class RecentFilesMenu;

struct SessionOptions {
  std::string settings_folder;   // holds the recovery folder
  RecoveryDisk* disk = nullptr;  // the file system's own when null; must outlive the session
  std::function<RecoveryThrottle::Clock::time_point()> clock = RecoveryThrottle::Clock::now;
};

class DesktopSession : public QObject {
  Q_OBJECT

 public:
  // A child of the window, living as long as it; the commands and the
  // question port must outlive it.
  DesktopSession(MainWindow& window, FileCommands& commands, QuestionBox& questions,
                 SessionOptions options);
  ~DesktopSession() override;

  // Once the window is shown: offers the recovery file, then opens the first
  // of the files (the command line's).
  void Start(const std::vector<std::string>& files);
  // The first file as File > Open or Import Points.. would; a word about the
  // others.
  void OpenFiles(const std::vector<std::string>& files);
  void OpenRecentFile(const std::string& path);
  // Asks, if there is unsaved work, whether it may go.
  bool MayDiscardBoundary();

  // Writes a pending recovery snapshot now, without waiting for the throttle,
  // and returns once the disk has it.
  void FlushRecovery();
  // The file this copy keeps its unsaved work in; empty when it cannot.
  const std::string& RecoveryPath() const { return keeper_.path(); }
  RecentFilesMenu& recent() { return *recent_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OfferRecovery();
  bool OpenRecovered(RecoveryOffer offer);
  void ShowRecoveryWarning();
  bool OpenFile(const std::string& path);
  void CommandFinished();
  void Opened(const std::string& path);
  void Saved(const std::string& path);
  void FollowBoundary();
  void WriteRecoveryNow();
  void RemoveRecovery();
  void CommitData(QSessionManager& manager);
  void AboutToQuit();
  bool Closing();
  void TakeDrop(QEvent* event);

  MainWindow& window_;
  FileCommands& commands_;
  QuestionBox& questions_;
  SessionOptions options_;
  RecentFilesMenu* recent_;
  ChangeTracker changes_;
  RecoveryDisk own_disk_;
  RecoveryKeeper keeper_;
  RecoveryStart start_;  // taken at construction, offered by Start
  RecoveryThrottle throttle_;
  QTimer recovery_timer_;
  // What this copy's recovery file holds; unset while there is none.
  std::optional<ProjectMark> written_;
  bool ending_ = false;
  bool opening_copy_ = false;
  bool logging_out_ = false;
};

}  // namespace tw
