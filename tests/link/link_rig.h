#pragma once
// A link window without the window: the link core wired to a simulated radio on a
// virtual clock, with everything the window would show recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "image/radio_image.h"
#include "link/adjust_txp.h"
#include "link/comm_read.h"
#include "link/comm_write.h"
#include "radio_model.h"
#include "shell/radio_document.h"
#include "virtual_link.h"

// The image the link tests hand the link, as a window hands it the document's.
inline RadioImage& TheImage() {
  static RadioImage image;
  return image;
}
inline std::uint8_t& Image(int row, int col) {
  return TheImage().at(row, col);
}
// The start-up image, as the program starts with.
inline void ResetTestImage() {
  TheImage() = StartupImage();
}

using Bytes = std::vector<std::uint8_t>;

inline const Bytes kWakeUpFrame = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02};

inline Bytes ReadRequest(int b) {
  return {0x52, static_cast<std::uint8_t>(b / 16), static_cast<std::uint8_t>(16 * b % 256), 0x10};
}

// Image row, columns 0 to 15.
inline Bytes Row(int row) {
  Bytes bytes;
  for (int c = 0; c < 16; ++c) bytes.push_back(Image(row, c));
  return bytes;
}

inline Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct ShownMessage {
  std::string text;
  std::string title;
  Nanos time;
  std::string informative;
};

template <class L>
class LinkRig : public LinkView, public LinkInputs {
 public:
  // The link works on image: the process-wide one, as in the windows, or one of its own.
  explicit LinkRig(RadioImage& worked = TheImage())
      : image(worked),
        port(clock, radio),
        link(port, {timer1, timer2, timer3, timer4}, *this, *this, worked) {
    port.onReceive = [this] {
      if (!unloaded) link.MSC_OnComm();
    };
    port.onLost = [this] {
      if (!unloaded) link.MSC_PortLost();
    };
    timer1.onTick = [this] { link.Timer1_Timer(); };
    timer2.onTick = [this] { link.Timer2_Timer(); };
    timer3.onTick = [this] { link.Timer3_Timer(); };
    timer4.onTick = [this] { link.Timer4_Timer(); };
  }

  void SetProgress(int value) override {
    progress = value;
    progressShown = true;
  }
  void HideProgress() override { progressShown = false; }
  void SetStatus(const std::string& text) override {
    statuses.push_back(text);
    progressAtStatus.push_back(progress);
    if (onStatus) onStatus(text);
  }
  void Message(const std::string& text, const std::string& title) override {
    messages.push_back({text, title, clock.Now(), {}});
  }
  void PortOpenOutcome(const PortId& id, const PortOpenResult& result) override {
    portError = !result.Opened();
    if (!portError) return;
    const PortMessage m = PortOpenMessage(id, result, chinese, true);
    messages.push_back({m.text, "", clock.Now(), m.informative});
  }
  PortId Port() override { return portId; }
  bool Chinese() const override { return chinese; }
  int ModelCode() const override { return modelCode; }
  // The password cells of the image, as the windows hand them down.
  std::array<std::uint8_t, 6> Password() const override {
    std::array<std::uint8_t, 6> digits{};
    for (std::size_t k = 0; k < 6; ++k) digits[k] = image.at(61, 6 + static_cast<int>(k));
    return digits;
  }
  bool ImageRead() override {
    ++imageReads;
    return backupSaved;
  }
  void UnloadForm() override {
    if (unloaded) return;
    unloaded = true;
    unloadedAt = clock.Now();
    link.Shutdown();
  }
  // The scroll bars of the power window, drawn: their handlers do not run.
  void ShowLevel(PowerLevel level, int value) override {
    const auto i = static_cast<std::size_t>(level == PowerLevel::Low ? 0 : 1);
    scroll[i] = value;
    levelLabel[i] = std::to_string(value);
  }
  void MoveScroll(PowerLevel level, int value) {
    const auto i = static_cast<std::size_t>(level == PowerLevel::Low ? 0 : 1);
    scroll[i] = value;
    levelLabel[i] = std::to_string(value);
    link.HScroll_Change(level, value);
  }

  std::string Status() const { return statuses.empty() ? std::string() : statuses.back(); }
  bool RunUntil(const std::function<bool()>& done, Nanos limit = Ms(120'000)) {
    return clock.RunUntil(done, limit);
  }
  // The bursts the link handed to the port, bytes only.
  std::vector<Bytes> Frames() const {
    std::vector<Bytes> frames;
    for (const auto& burst : port.Sent()) frames.push_back(burst.bytes);
    return frames;
  }

  // The inputs: English, the start-up model code, COM1 on a simulated cable.
  PortId portId{1, "/dev/ttyUSB0"};
  bool chinese = false;
  int modelCode = 3;
  bool portError = false;

  RadioImage& image;
  VirtualClock clock;
  RadioModel radio;
  SimulatedRadioPort port;
  VirtualTimer timer1{clock}, timer2{clock}, timer3{clock}, timer4{clock};
  L link;

  int progress = -1;
  bool progressShown = true;
  std::vector<std::string> statuses;
  std::vector<int> progressAtStatus;
  std::function<void(const std::string&)> onStatus;
  std::vector<ShownMessage> messages;
  bool unloaded = false;
  Nanos unloadedAt = -1;
  int imageReads = 0;  // completed reads told to the window, which backs each up
  bool backupSaved = true;
  std::array<int, 2> scroll{0, 0};
  std::array<std::string, 2> levelLabel;
};

// Every test starts from the image after start-up.
class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetTestImage(); }
};

// A radio memory that differs in every byte from its neighbours and from 0xFF,
// except the password cells, which stay erased: no password.
inline void FillPattern(RadioModel::Memory& memory, int seed) {
  for (std::size_t i = 0; i < memory.size(); ++i)
    memory[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) % 251);
  std::fill(memory.begin() + 0x3D6, memory.begin() + 0x3DC, std::uint8_t{0xFF});
}
