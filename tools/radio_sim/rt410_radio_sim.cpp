// rt410-radio-sim: an RT410 radio on a pseudo-terminal, for trying the program's
// read, write and power adjustment without a radio. Bytes in both directions take
// their wire time at the chosen baud rate, so a transfer lasts as long as on a cable.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#if defined(__linux__)
#include <sys/prctl.h>
#endif
#include <sys/stat.h>

#include "files/channel_file.h"
#include "radio_model.h"

namespace {

volatile sig_atomic_t g_stop = 0;

void OnSignal(int) {
  g_stop = 1;
}

struct Options {
  std::string image;
  std::string save;
  std::string link;
  long baud = 9600;
  bool quiet = false;
  RadioFaults faults;
  std::string password;
};

void Usage(FILE* out) {
  std::fputs(
      "usage: rt410-radio-sim [options]\n"
      "Serves an RT410 radio on a pseudo-terminal and prints the terminal's path.\n"
      "\n"
      "  --image FILE.chann     memory from rows 0-63 of a channel file (default: blank,\n"
      "                         every byte 255)\n"
      "  --save FILE.chann      after every write, save the radio's memory as a channel file\n"
      "  --link PATH            also make PATH a symbolic link to the terminal\n"
      "  --baud N               pace bytes at N baud, 10 bits a byte (default 9600; 0: no pacing)\n"
      "  --quiet                do not log the frames\n"
      "  --password DDDDDD      the radio's six-digit data password\n"
      "misbehaviour:\n"
      "  --silent               never answer\n"
      "  --wrong-id             answer \"RT400\" instead of \"RT410\"\n"
      "  --stop-after K         stop answering once block K has been read or written\n"
      "  --short-reply WHAT     send the reply one byte short: id, password or block\n"
      "  --garbage N            send N stray bytes (0xAA) before every reply\n"
      "  --stray-id N           send N stray bytes (0xAA) before the identification only\n"
      "  --extra-bytes N        make every reply N bytes (0x55) longer\n"
      "  --late-tail MS[:R]     hand those bytes (without them: the last byte) on MS ms\n"
      "                         after the rest, as a USB adapter's latency timer may; with\n"
      "                         R, of reply R only\n"
      "  --dup R:B              send byte B (0: the first) of reply R twice\n"
      "  --flip R:B             send byte B of reply R with its lowest bit flipped\n"
      "  --drop R:B             leave byte B of reply R out\n"
      "                         (replies count from each wake-up: 1 is the identification,\n"
      "                         then the password or the first acknowledge, and so on)\n"
      "  --early-ack K          acknowledge block K before it was sent, then not at all\n"
      "  --faulty-sessions N    misbehave for the first N wake-ups only (default: always)\n",
      out);
}

bool ParseInt(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return errno == 0 && end != text && *end == '\0' && value >= low && value <= high;
}

// "N" or "N:M", N from low1 and M from low2 up to 1000; second stays as it was without ":M".
bool ParsePair(const char* text, long low1, long low2, long& first, long& second) {
  const std::string t = text ? text : "";
  const std::size_t colon = t.find(':');
  if (colon == std::string::npos) return ParseInt(t.c_str(), low1, 1000, first);
  return ParseInt(t.substr(0, colon).c_str(), low1, 1000, first) &&
         ParseInt(t.substr(colon + 1).c_str(), low2, 1000, second);
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    auto number = [&](long low, long high, long& value) {
      const char* text = next();
      if (text && ParseInt(text, low, high, value)) return true;
      std::fprintf(stderr, "rt410-radio-sim: %s needs a number from %ld to %ld\n", arg.c_str(), low,
                   high);
      return false;
    };
    auto text = [&](std::string& value) {
      const char* t = next();
      if (t) value = t;
      if (!t) std::fprintf(stderr, "rt410-radio-sim: %s needs a value\n", arg.c_str());
      return t != nullptr;
    };
    long n = 0;
    if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      std::exit(0);
    } else if (arg == "--image") {
      if (!text(o.image)) return false;
    } else if (arg == "--save") {
      if (!text(o.save)) return false;
    } else if (arg == "--link") {
      if (!text(o.link)) return false;
    } else if (arg == "--baud") {
      if (!number(0, 4'000'000, o.baud)) return false;
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (arg == "--password") {
      if (!text(o.password)) return false;
      bool digits = o.password.size() == 6;
      for (char ch : o.password) digits = digits && ch >= '0' && ch <= '9';
      if (!digits) {
        std::fputs("rt410-radio-sim: --password needs six digits\n", stderr);
        return false;
      }
    } else if (arg == "--silent") {
      o.faults.silent = true;
    } else if (arg == "--wrong-id") {
      o.faults.wrongIdentification = true;
    } else if (arg == "--stop-after") {
      if (!number(0, 63, n)) return false;
      o.faults.stopAfterBlock = static_cast<int>(n);
    } else if (arg == "--short-reply") {
      std::string what;
      if (!text(what)) return false;
      if (what == "id") {
        o.faults.shortReply = RadioFaults::Short::Identification;
      } else if (what == "password") {
        o.faults.shortReply = RadioFaults::Short::Password;
      } else if (what == "block") {
        o.faults.shortReply = RadioFaults::Short::Block;
      } else {
        std::fputs("rt410-radio-sim: --short-reply takes id, password or block\n", stderr);
        return false;
      }
    } else if (arg == "--garbage") {
      if (!number(0, 64, n)) return false;
      o.faults.garbageBytes = static_cast<int>(n);
    } else if (arg == "--stray-id") {
      if (!number(0, 64, n)) return false;
      o.faults.strayBeforeId = static_cast<int>(n);
    } else if (arg == "--extra-bytes") {
      if (!number(0, 64, n)) return false;
      o.faults.extraBytes = static_cast<int>(n);
    } else if (arg == "--late-tail") {
      long ms = 0, reply = 0;
      if (!ParsePair(next(), 0, 1, ms, reply)) {
        std::fputs("rt410-radio-sim: --late-tail takes MS (0 to 1000) or MS:R\n", stderr);
        return false;
      }
      o.faults.lateTailNs = ms * 1'000'000;
      o.faults.lateTailReply = static_cast<int>(reply);
    } else if (arg == "--dup" || arg == "--flip" || arg == "--drop") {
      long reply = 0, byte = -1;
      if (!ParsePair(next(), 1, 0, reply, byte) || byte < 0) {
        std::fprintf(stderr, "rt410-radio-sim: %s takes R:B, reply 1 to 1000, byte 0 to 1000\n",
                     arg.c_str());
        return false;
      }
      o.faults.damage = arg == "--dup"    ? RadioFaults::Damage::Dup
                        : arg == "--flip" ? RadioFaults::Damage::Flip
                                          : RadioFaults::Damage::Drop;
      o.faults.damageReply = static_cast<int>(reply);
      o.faults.damageByte = static_cast<int>(byte);
    } else if (arg == "--early-ack") {
      if (!number(1, 62, n)) return false;
      o.faults.earlyAckBlock = static_cast<int>(n);
    } else if (arg == "--faulty-sessions") {
      if (!number(0, 1'000'000, n)) return false;
      o.faults.faultySessions = static_cast<int>(n);
    } else {
      std::fprintf(stderr, "rt410-radio-sim: unknown option %s\n", arg.c_str());
      Usage(stderr);
      return false;
    }
  }
  return true;
}

std::int64_t NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

struct Timed {
  std::int64_t at;
  std::uint8_t byte;
};

// Rows 0 to 63 of a channel parameter file become the radio's memory.
bool LoadMemory(const std::string& path, RadioModel::Memory& memory, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  std::string text(kChannelFileMaxBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  RadioImage image;
  const ChannelFileCheck check = LoadChannelFileText(text, image);
  if (!check.Loaded()) {
    std::ostringstream why;
    why << path << ": not a channel file";
    if (check.fault == ChannelFileFault::TooLarge) why << " (too large)";
    if (check.fault == ChannelFileFault::TooFewNumbers)
      why << " (" << check.numbers << " of 4096 numbers)";
    if (check.line > 0)
      why << " (line " << check.line << ", position " << check.position << ": " << check.item
          << ")";
    error = why.str();
    return false;
  }
  for (int r = 0; r < RadioImage::kRadioBlocks; ++r) {
    for (int c = 0; c < RadioImage::kBlockBytes; ++c)
      memory[static_cast<std::size_t>(r * 16 + c)] = image.at(r, c);
  }
  return true;
}

// The radio's memory as rows 0 to 63 of a channel parameter file; the rest is 0.
bool SaveMemory(const std::string& path, const RadioModel::Memory& memory, std::string& error) {
  RadioImage image;
  for (int r = 0; r < RadioImage::kRadioBlocks; ++r) {
    for (int c = 0; c < RadioImage::kBlockBytes; ++c)
      image.at(r, c) = memory[static_cast<std::size_t>(r * 16 + c)];
  }
  // Written beside it and renamed, so a reader never sees half a file.
  const std::string part = path + ".part";
  std::ofstream out(part, std::ios::binary | std::ios::trunc);
  out << ChannelFileText(image);
  out.close();
  if (!out || std::rename(part.c_str(), path.c_str()) != 0) {
    error = path + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace

// How long before the last byte of an answer is due the simulator stops sleeping:
// more than the kernel is late to wake it.
constexpr std::int64_t kLastByteSpinNs = 300'000;

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) return 2;

  RadioModel radio;
  radio.faults = o.faults;
  if (!o.image.empty()) {
    std::string error;
    if (!LoadMemory(o.image, radio.memory(), error)) {
      std::fprintf(stderr, "rt410-radio-sim: %s\n", error.c_str());
      return 1;
    }
  }
  if (!o.password.empty()) {
    std::array<std::uint8_t, 6> digits{};
    for (std::size_t i = 0; i < 6; ++i) digits[i] = static_cast<std::uint8_t>(o.password[i] - '0');
    radio.SetPassword(digits);
  }

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::fprintf(stderr, "rt410-radio-sim: no pseudo-terminal: %s\n", std::strerror(errno));
    return 1;
  }
  const char* name = ptsname(master);
  const std::string slaveName = name ? name : "";
  // Held open so the terminal stays up between the program's opens, and set raw so
  // nothing is echoed or translated before the program opens it.
  const int slave = open(slaveName.c_str(), O_RDWR | O_NOCTTY);
  if (slave < 0) {
    std::fprintf(stderr, "rt410-radio-sim: %s: %s\n", slaveName.c_str(), std::strerror(errno));
    return 1;
  }
  termios raw{};
  tcgetattr(slave, &raw);
  cfmakeraw(&raw);
  cfsetispeed(&raw, B9600);
  cfsetospeed(&raw, B9600);
  tcsetattr(slave, TCSANOW, &raw);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

  if (!o.link.empty()) {
    struct stat st {};
    if (lstat(o.link.c_str(), &st) == 0) {
      if (!S_ISLNK(st.st_mode)) {
        std::fprintf(stderr, "rt410-radio-sim: %s exists and is not a symbolic link\n",
                     o.link.c_str());
        return 1;
      }
      unlink(o.link.c_str());
    }
    if (symlink(slaveName.c_str(), o.link.c_str()) != 0) {
      std::fprintf(stderr, "rt410-radio-sim: %s: %s\n", o.link.c_str(), std::strerror(errno));
      return 1;
    }
  }

#if defined(__linux__)
  // Wake-ups to the microsecond: the pacing is the point of the exercise.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);

  std::printf("%s\n", slaveName.c_str());
  std::fflush(stdout);

  const std::int64_t start = NowNs();
  const std::int64_t byteNs = o.baud > 0 ? 10'000'000'000LL / o.baud : 0;
  if (!o.quiet) {
    radio.onLog = [start](const RadioModel::LogEntry& e) {
      const char* dir = e.direction == RadioModel::Direction::ToRadio     ? "PC->radio"
                        : e.direction == RadioModel::Direction::FromRadio ? "radio->PC"
                                                                          : "         ";
      std::fprintf(stderr, "%11.3f ms  %s  %-30s %s\n", static_cast<double>(e.timeNs - start) / 1e6,
                   dir, e.what.c_str(), HexBytes(e.bytes).c_str());
    };
  }
  radio.onWritten = [&radio, &o] {
    if (o.save.empty()) return;
    std::string error;
    if (SaveMemory(o.save, radio.memory(), error)) {
      std::fprintf(stderr, "saved %s\n", o.save.c_str());
    } else {
      std::fprintf(stderr, "rt410-radio-sim: %s\n", error.c_str());
    }
  };

  std::deque<Timed> incoming;  // read from the terminal, still on the wire
  std::deque<Timed> outgoing;  // the radio's answer, still to go onto the wire
  std::int64_t inFree = 0;
  std::int64_t outFree = 0;

  while (!g_stop) {
    std::int64_t next = -1;
    if (!incoming.empty()) next = incoming.front().at;
    if (!outgoing.empty() && (next < 0 || outgoing.front().at < next)) next = outgoing.front().at;
    timespec timeout{};
    timespec* wait = nullptr;
    if (next >= 0) {
      std::int64_t left = std::max<std::int64_t>(0, next - NowNs());
      // A radio's UART ends a reply on time; a process woken by the kernel does not.
      // The last byte of an answer is waited for without sleeping, as its end is what
      // the program on the other side acts on.
      if (outgoing.size() == 1 && next == outgoing.front().at)
        left = std::max<std::int64_t>(0, left - kLastByteSpinNs);
      timeout.tv_sec = static_cast<time_t>(left / 1'000'000'000);
      timeout.tv_nsec = static_cast<long>(left % 1'000'000'000);
      wait = &timeout;
    }
    pollfd pfd{master, POLLIN, 0};
    const int ready = ppoll(&pfd, 1, wait, nullptr);
    if (ready < 0 && errno != EINTR) {
      std::fprintf(stderr, "rt410-radio-sim: poll: %s\n", std::strerror(errno));
      break;
    }
    if (ready > 0 && (pfd.revents & POLLIN)) {
      std::uint8_t buffer[256];
      const ssize_t n = read(master, buffer, sizeof buffer);
      const std::int64_t now = NowNs();
      for (ssize_t i = 0; i < n; ++i) {
        inFree = std::max(inFree, now) + byteNs;
        incoming.push_back({inFree, buffer[i]});
      }
    }
    const std::int64_t now = NowNs();
    while (!incoming.empty() && incoming.front().at <= now) {
      const Timed in = incoming.front();
      incoming.pop_front();
      const std::vector<std::uint8_t> reply = radio.Receive(in.byte, in.at);
      const std::vector<std::int64_t>& delays = radio.ReplyDelays();
      for (std::size_t i = 0; i < reply.size(); ++i) {
        // The answer starts when the last byte of the command is in, whatever our
        // own scheduling delay was.
        outFree = std::max(outFree, in.at) + byteNs + (i < delays.size() ? delays[i] : 0);
        outgoing.push_back({outFree, reply[i]});
      }
    }
    while (!outgoing.empty() && outgoing.front().at <= NowNs()) {
      const std::uint8_t b = outgoing.front().byte;
      // A full terminal buffer (nobody has the port open) loses the byte, as a line would.
      const ssize_t written = write(master, &b, 1);
      (void)written;
      outgoing.pop_front();
    }
  }

  if (!o.link.empty()) unlink(o.link.c_str());
  close(slave);
  close(master);
  return 0;
}
