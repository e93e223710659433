#pragma once
// Every successful read leaves a channel file of what the radio held in the
// user's data folder, so that a read over unsaved work can always be taken back.
#include <QDateTime>
#include <QString>

#include "image/radio_image.h"

// <AppDataLocation>/backups: on Linux ~/.local/share/rt410-cps/backups.
QString BackupFolder();

// Writes image as a new backup in folder, atomically, then removes the oldest
// beyond the newest 200. Returns the file's path, or an empty text when the
// backup could not be written (then nothing is removed).
QString SaveReadBackup(const RadioImage& image, const QString& folder,
                       const QDateTime& when = QDateTime::currentDateTime());
