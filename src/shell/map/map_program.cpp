#include "shell/map/map_program.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "files/text_encoding.h"

namespace tw {

QString MapProgramPath() {
  const QString folder = QCoreApplication::applicationDirPath();
  for (const QString& path : {folder + "/quadrell-batch-map", folder + "/" + TW_MAP_PROGRAM,
                              QStringLiteral(TW_MAP_PROGRAM_BUILT)}) {
    if (QFileInfo(path).isExecutable())
      return path;
  }
  return folder + "/quadrell-batch-map";
}

MapRun RunMapProgram(const QStringList& arguments) {
  QProcess process;
  process.start(MapProgramPath(), arguments);
  MapRun run;
  // A 100,000-corner boundary takes about a second; anything past a minute
  // has gone wrong.
  if (!process.waitForStarted() || !process.waitForFinished(60000)) {
    process.kill();
    run.err = "The map program could not be run: " + process.errorString().toStdString();
    return run;
  }
  run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().trimmed().toStdString();
  return run;
}

std::optional<CrsReply> DescribeCrs(int code, std::string& reason) {
  const MapRun run = RunMapProgram({"crs", QString::number(code)});
  std::optional<CrsReply> reply = run.exit_code == 0 ? ReadCrsReply(run.out) : std::nullopt;
  if (!reply)
    reason = run.err;
  return reply;
}

Result<CrsReply> AskAboutCrs(int code) {
  std::string reason;
  std::optional<CrsReply> reply = DescribeCrs(code, reason);
  if (!reply)
    return Error{Utf8ToCp1252(reason)};
  return std::move(*reply);
}

}  // namespace tw
