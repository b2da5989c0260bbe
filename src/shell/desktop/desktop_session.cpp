#include "shell/desktop/desktop_session.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSessionManager>
#include <QShortcut>
#include <QUrl>
#include <filesystem>

#include "ports/message_box.h"
#include "session/file_arguments.h"
#include "session/recent_files.h"
#include "session/recovery_file.h"
#include "shell/desktop/file_commands.h"
#include "shell/desktop/recent_files_menu.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data)
    return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile())
      files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  return files;
}

}  // namespace

DesktopSession::DesktopSession(MainWindow& window, FileCommands& commands, QuestionBox& questions,
                               SessionOptions options)
    : QObject(&window),
      window_(window),
      commands_(commands),
      questions_(questions),
      options_(std::move(options)),
      recent_(new RecentFilesMenu(window)),
      keeper_(options_.settings_folder, options_.disk ? *options_.disk : own_disk_),
      start_(keeper_.Start()) {
  changes_.MarkClean(window.program().entries, window.program().state);
  recovery_timer_.setSingleShot(true);
  connect(&recovery_timer_, &QTimer::timeout, this, &DesktopSession::WriteRecoveryNow);
  connect(&window, &MainWindow::commandFinished, this, &DesktopSession::CommandFinished);
  connect(&commands, &FileCommands::projectOpened, this, &DesktopSession::Opened);
  connect(&commands, &FileCommands::projectSaved, this, &DesktopSession::Saved);
  connect(&commands, &FileCommands::pointsImported, this, [this] { window_.SetCurrentFile({}); });
  connect(recent_, &RecentFilesMenu::chosen, this, &DesktopSession::OpenRecentFile);
  window.SetDiscardCheck([this] { return MayDiscardBoundary(); });
  window.setAcceptDrops(true);
  window.installEventFilter(this);
  // A window shortcut rather than a key on File > Close: the File menu shows
  // no shortcut keys.
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window);
  connect(quit, &QShortcut::activated, &window, &MainWindow::mnuFileClose_Click);
  connect(qApp, &QGuiApplication::commitDataRequest, this, &DesktopSession::CommitData);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &DesktopSession::AboutToQuit);
}

// Runs while the window is being destroyed: its list is gone. The keeper
// finishes what was asked of it.
DesktopSession::~DesktopSession() {
  recovery_timer_.stop();
}

void DesktopSession::Start(const std::vector<std::string>& files) {
  OfferRecovery();
  OpenFiles(files);
}

// Newest first, one question each. Only an explicit No deletes a file; a
// dismissed question, and every offer after the one opened, leave theirs for
// the next start.
void DesktopSession::OfferRecovery() {
  RecoveryStart start = std::move(start_);
  for (const std::string& notice : start.notices)
    window_.messages().Show(notice, kProgramTitle, MessageIcon::None);
  for (RecoveryOffer& offer : start.offers) {
    const YesNoAnswer answer = questions_.AskYesNo(kRecoveryOffer, kProgramTitle);
    if (answer == YesNoAnswer::No)
      keeper_.Discard(std::move(offer));
    else if (answer == YesNoAnswer::Yes && OpenRecovered(std::move(offer)))
      break;
  }
}

bool DesktopSession::OpenRecovered(RecoveryOffer offer) {
  if (!MayDiscardBoundary())
    return false;
  opening_copy_ = true;
  const bool opened = commands_.OpenPath(offer.path);
  opening_copy_ = false;
  if (!opened)
    return false;
  keeper_.Adopt(std::move(offer));
  // The file holds exactly the opened boundary: nothing to write yet.
  recovery_timer_.stop();
  const Program& program = window_.program();
  written_ = MarkOf(program.entries, program.state);
  FollowBoundary();
  return true;
}

void DesktopSession::OpenFiles(const std::vector<std::string>& files) {
  if (files.empty())
    return;
  if (OpenFile(files[0]) && files.size() > 1) {
    window_.messages().Show(OnlyFirstOpenedMessage(files[0], files.size() - 1), kProgramTitle,
                            MessageIcon::None);
  }
}

bool DesktopSession::OpenFile(const std::string& path) {
  // A point file asks when the import dialog's Import is pressed.
  if (!IsProjectFileName(path))
    return commands_.ShowImportDialog(path);
  return MayDiscardBoundary() && commands_.OpenPath(path);
}

void DesktopSession::OpenRecentFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    recent_->Forget(path);
    window_.messages().Show(VanishedRecentFileMessage(path), kProgramTitle, MessageIcon::None);
    return;
  }
  OpenFile(path);
}

bool DesktopSession::MayDiscardBoundary() {
  const Program& program = window_.program();
  return MayThrowAwayBoundary(changes_.HasUnsavedWork(program.entries, program.state), questions_,
                              [this] { return commands_.SaveProjectFile(); });
}

void DesktopSession::CommandFinished() {
  // An emptied boundary belongs to no file; an opened empty file is named
  // again by its open, which is told after this.
  if (window_.program().entries.Empty())
    window_.SetCurrentFile({});
  FollowBoundary();
}

void DesktopSession::Opened(const std::string& path) {
  if (!opening_copy_ && !IsInRecoveryFolder(path, options_.settings_folder)) {
    Saved(path);  // the list and the file agree, as after a save
    return;
  }
  // A recovery file is opened as a copy: its work exists in no file the user
  // chose, and the file stays where it is.
  changes_.MarkChanged();
  window_.SetCurrentFile({});
  FollowBoundary();
}

void DesktopSession::Saved(const std::string& path) {
  const Program& program = window_.program();
  changes_.MarkClean(program.entries, program.state);
  window_.SetCurrentFile(path);
  recent_->Remember(AbsolutePath(path));
  FollowBoundary();
}

// The recovery file holds the boundary exactly while it has unsaved work.
void DesktopSession::FollowBoundary() {
  const Program& program = window_.program();
  const bool unsaved = changes_.HasUnsavedWork(program.entries, program.state);
  if (unsaved)
    ShowRecoveryWarning();
  if (keeper_.state() != RecoveryState::Keeping || ending_)
    return;
  if (!unsaved) {
    recovery_timer_.stop();
    if (written_)
      RemoveRecovery();
    return;
  }
  if (written_ == MarkOf(program.entries, program.state) || recovery_timer_.isActive())
    return;
  recovery_timer_.start(throttle_.DelayAt(options_.clock()));
}

// Never in the log, whose texts are fixed; once a session.
void DesktopSession::ShowRecoveryWarning() {
  if (std::optional<std::string> warning = keeper_.TakeWarning())
    window_.messages().Show(*warning, kProgramTitle, MessageIcon::None);
}

void DesktopSession::WriteRecoveryNow() {
  recovery_timer_.stop();
  const Program& program = window_.program();
  if (!changes_.HasUnsavedWork(program.entries, program.state))
    return;
  keeper_.Write({program.state, program.entries.Entries()});
  throttle_.WroteAt(options_.clock());
  written_ = MarkOf(program.entries, program.state);
}

void DesktopSession::FlushRecovery() {
  if (recovery_timer_.isActive())
    WriteRecoveryNow();
  keeper_.Wait();
}

void DesktopSession::RemoveRecovery() {
  recovery_timer_.stop();
  written_.reset();
  keeper_.Remove();
  keeper_.Wait();
}

// The session ends: nothing may be asked, so the work goes to the recovery
// file, offered at the next start.
void DesktopSession::CommitData(QSessionManager&) {
  logging_out_ = true;
  WriteRecoveryNow();
  FlushRecovery();
}

void DesktopSession::AboutToQuit() {
  if (!ending_)
    FlushRecovery();
}

bool DesktopSession::Closing() {
  if (logging_out_)
    return true;
  if (!MayDiscardBoundary())
    return false;
  // Saved, discarded or never changed: nothing to recover.
  RemoveRecovery();
  ending_ = true;
  return true;
}

bool DesktopSession::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_)
    return false;
  switch (event->type()) {
    case QEvent::Close:
      if (Closing())
        return false;
      event->ignore();
      return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (LocalFiles(drag->mimeData()).empty())
        return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop:
      TakeDrop(event);
      return true;
    default:
      return false;
  }
}

void DesktopSession::TakeDrop(QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  std::vector<std::string> files = LocalFiles(drop->mimeData());
  if (files.empty())
    return;
  drop->acceptProposedAction();
  // Not inside the drop: the dragging program waits until it is over, and
  // the question or the import dialog would keep it waiting.
  QMetaObject::invokeMethod(
      this, [this, files = std::move(files)] { OpenFiles(files); }, Qt::QueuedConnection);
}

}  // namespace tw
