// The port scan over a directory of devices.
#include "link/io/port_scan.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

using Names = std::vector<std::string>;

TEST(PortScanTest, SymbolicLinksCountOnlyWhenTheyResolve) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("rt410-ports-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "target").put('x');
  std::ofstream(dir / "ttyS0").put('x');
  fs::create_symlink(dir / "target", dir / "ttyUSB1");
  fs::create_symlink(dir / "missing", dir / "ttyUSB0");
  const Names devices = ListPortDevices(dir.string());
#if !defined(__APPLE__)
  EXPECT_EQ(devices, (Names{(dir / "ttyUSB1").string(), (dir / "ttyS0").string()}));
#endif
  fs::remove_all(dir);
}

}  // namespace
