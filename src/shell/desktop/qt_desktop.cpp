#include "shell/desktop/qt_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tw {

namespace {

QString FromLocal(const std::string& text) {
  return QFile::decodeName(QByteArray::fromStdString(text));
}

std::string ToLocal(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

bool IsAddress(const std::string& text) {
  return text.starts_with("mailto:") || text.starts_with("https:") || text.starts_with("http:");
}

}  // namespace

bool QtDesktop::Open(const std::string& file_or_address) {
  const QUrl url = IsAddress(file_or_address) ? QUrl(QString::fromStdString(file_or_address))
                                              : QUrl::fromLocalFile(FromLocal(file_or_address));
  return QDesktopServices::openUrl(url);
}

std::optional<std::string> QtLauncher::Find(const std::string& program) {
  const QString path = QStandardPaths::findExecutable(FromLocal(program));
  if (path.isEmpty())
    return std::nullopt;
  return ToLocal(path);
}

bool QtLauncher::StartDetached(const std::string& path, const std::vector<std::string>& args) {
  QStringList arguments;
  for (const std::string& arg : args)
    arguments << FromLocal(arg);
  return QProcess::startDetached(FromLocal(path), arguments);
}

std::string QtProgramFolder::Path() const {
  return ToLocal(QCoreApplication::applicationDirPath());
}

}  // namespace tw
