#pragma once
// Backups of reads from the radio: channel files named by the date and time of
// the read, of which the newest kBackupsKept stay. Names only; the caller does
// the file I/O.
#include <string>
#include <vector>

inline constexpr int kBackupsKept = 200;

// Local date and time of a read.
struct BackupStamp {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

// "read_2026-12-08_09-08-18.chann"; a second read in the same second, whose name
// is among existing, gets "read_2026-12-08_09-08-18_2.chann", and so on.
std::string BackupFileName(const BackupStamp& stamp, const std::vector<std::string>& existing);

// The backups among names beyond the newest keep, oldest first. Names that are
// not backups are never among them.
std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names,
                                         int keep = kBackupsKept);
