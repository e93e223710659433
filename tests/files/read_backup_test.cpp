// The file side of read backups: atomic files in the folder, the oldest going.
#include "files/io/read_backup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/backup_names.h"
#include "files/channel_file.h"

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ReadBackup, EachReadAddsOneFileAndTheNewestTwoHundredStay) {
  QTemporaryDir home;
  const QString folder = home.filePath("rt410-cps/backups");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QDateTime when(QDate(2026, 12, 8), QTime(9, 8, 18));
  for (int i = 0; i < kBackupsKept; ++i) {
    QFile old(QDir(folder).filePath(
        QString::fromStdString(BackupFileName({2020, 1, 1, 0, i / 60, i % 60}, {}))));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  }
  QFile mine(QDir(folder).filePath("notes.txt"));
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
  mine.close();

  RadioImage image;
  image.at(5, 3) = 42;
  const QString first = SaveReadBackup(image, folder, when);
  const QString second = SaveReadBackup(image, folder, when);
  EXPECT_EQ(QFileInfo(first).fileName(), "read_2026-12-08_09-08-18.chann");
  EXPECT_EQ(QFileInfo(second).fileName(), "read_2026-12-08_09-08-18_2.chann");
  EXPECT_EQ(Contents(second).toStdString(), ChannelFileText(image));

  const QStringList left = QDir(folder).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(left.size(), kBackupsKept + 1);  // the user's own file stays
  EXPECT_TRUE(left.contains("notes.txt"));
  EXPECT_FALSE(left.contains("read_2020-01-01_00-00-00.chann"));
  EXPECT_FALSE(left.contains("read_2020-01-01_00-00-01.chann"));
  EXPECT_TRUE(left.contains("read_2020-01-01_00-00-02.chann"));
}

TEST(ReadBackup, AFolderThatCannotBeMadeIsAFailureThatRemovesNothing) {
  QTemporaryDir home;
  QFile blocker(home.filePath("backups"));  // a file where the folder should be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_TRUE(SaveReadBackup(RadioImage(), home.filePath("backups")).isEmpty());
  EXPECT_TRUE(SaveReadBackup(RadioImage(), home.filePath("backups/deeper")).isEmpty());
}

}  // namespace
