// The link's Qt adapters without windows: the port scan over a directory of
// devices, and why a port did not open.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "link/io/link_port.h"
#include "link/io/port_scan.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class PortScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("rt410-ports-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(PortScanTest, LinksCountWhenTheyResolveAndSerialNodesWithHardwareOnly) {
  std::ofstream(dir / "target").put('x');
  // No machine has a UART behind ttyS77; a link of that name was made on purpose.
  std::ofstream(dir / "ttyS77").put('x');
  fs::create_symlink(dir / "target", dir / "ttyS78");
  fs::create_symlink(dir / "target", dir / "ttyUSB1");
  fs::create_symlink(dir / "missing", dir / "ttyUSB0");
  const Names devices = ListPortDevices(dir.string());
#if !defined(__APPLE__)
  EXPECT_EQ(devices, (Names{(dir / "ttyUSB1").string(), (dir / "ttyS78").string()}));
#endif
}

// A pseudo-terminal, as the simulator offers one.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) name_ = ptsname(master_);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
  }
  std::string Name() const { return name_; }

 private:
  int master_ = -1;
  std::string name_;
};

TEST_F(PortScanTest, AFailedOpenSaysWhy) {
  PseudoTerminal pty;
  ASSERT_FALSE(pty.Name().empty());
  LinkPort holder(nullptr);
  ASSERT_TRUE(holder.Open({1, pty.Name()}, {}).Opened());
  std::ofstream(dir / "plain-file").put('x');
  struct Case {
    const char* name;
    std::string device;
    PortFault fault;
  };
  const Case cases[] = {
      {"no device for the number", "", PortFault::NotFound},
      {"gone", (dir / "ttyUSB0").string(), PortFault::NotFound},
      {"held by another port", pty.Name(), PortFault::Busy},
      {"not a terminal", (dir / "plain-file").string(), PortFault::Other},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    LinkPort port(nullptr);
    const PortOpenResult result = port.Open({1, tc.device}, {});
    EXPECT_EQ(result.fault, tc.fault) << result.detail;
    EXPECT_FALSE(port.IsOpen());
    if (tc.fault == PortFault::Other) {
      EXPECT_FALSE(result.detail.empty());
    }
  }
}

}  // namespace
