#include "files/io/read_backup.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <string>
#include <vector>

#include "files/backup_names.h"
#include "files/channel_file.h"

QString BackupFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QStringLiteral("backups"));
}

QString SaveReadBackup(const RadioImage& image, const QString& folder, const QDateTime& when) {
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return {};
  std::vector<std::string> existing;
  for (const QString& name : dir.entryList(QDir::Files)) existing.push_back(name.toStdString());

  const QDate date = when.date();
  const QTime time = when.time();
  const BackupStamp stamp{date.year(), date.month(),  date.day(),
                          time.hour(), time.minute(), time.second()};
  const QString path = dir.filePath(QString::fromStdString(BackupFileName(stamp, existing)));
  const std::string text = ChannelFileText(image);
  const auto size = static_cast<qint64>(text.size());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit())
    return {};

  existing.push_back(QFileInfo(path).fileName().toStdString());
  for (const std::string& old : BackupsToRemove(existing)) dir.remove(QString::fromStdString(old));
  return path;
}
