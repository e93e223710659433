#include "files/backup_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct NameCase {
  BackupStamp stamp;
  std::vector<std::string> existing;
  std::string name;
};

TEST(BackupNames, NamedByDateAndTimeAndNeverTaken) {
  const BackupStamp t{2026, 12, 8, 9, 8, 18};
  const NameCase cases[] = {
      {t, {}, "read_2026-12-08_09-08-18.chann"},
      {{2027, 1, 31, 23, 59, 5}, {}, "read_2027-01-31_23-59-05.chann"},
      {t, {"read_2026-12-08_09-08-17.chann"}, "read_2026-12-08_09-08-18.chann"},
      {t, {"read_2026-12-08_09-08-18.chann"}, "read_2026-12-08_09-08-18_2.chann"},
      {t,
       {"read_2026-12-08_09-08-18.chann", "read_2026-12-08_09-08-18_2.chann"},
       "read_2026-12-08_09-08-18_3.chann"},
  };
  for (const NameCase& c : cases) EXPECT_EQ(BackupFileName(c.stamp, c.existing), c.name);
}

struct RotationCase {
  const char* what;
  std::vector<std::string> names;
  int keep;
  std::vector<std::string> removed;
};

TEST(BackupNames, OnlyTheOldestBackupsBeyondTheKeptNumberGo) {
  const std::string a = "read_2025-12-31_23-59-59.chann";
  const std::string b = "read_2026-01-01_00-00-00.chann";
  const std::string b2 = "read_2026-01-01_00-00-00_2.chann";
  const std::string b10 = "read_2026-01-01_00-00-00_10.chann";
  const std::string c = "read_2026-01-01_00-00-01.chann";
  const RotationCase cases[] = {
      {"fewer than kept", {c, a}, 2, {}},
      {"oldest first, by time not by listing", {c, b, a}, 1, {a, b}},
      {"same second: plain, then _2, then _10", {b10, c, b2, b}, 1, {b, b2, b10}},
      {"other files are never removed",
       {"notes.txt", "my.chann", "read_2026-01-01_00-00-0x.chann",
        "read_2026-01-01_00-00-00_0.chann", "read_2026-01-01_00-00-00.chann.tmp", a, b},
       1,
       {a}},
  };
  for (const RotationCase& r : cases)
    EXPECT_EQ(BackupsToRemove(r.names, r.keep), r.removed) << r.what;
}

TEST(BackupNames, TwoHundredAreKept) {
  std::vector<std::string> names;
  for (int s = 0; s < 201; ++s) {
    names.push_back(BackupFileName({2026, 1, 1, s / 3600, s / 60 % 60, s % 60}, names));
  }
  EXPECT_EQ(BackupsToRemove(names), std::vector<std::string>{names.front()});
}

}  // namespace
