#pragma once
// The serial link shared by the read, write and power adjustment windows: the
// link state, the frame sender, the reply watchdog with its restarts, the wake-up
// handshake and the identification check. It does no I/O of its own: it acts
// through the port and timer interfaces below, which the window (a QSerialPort and
// four QTimers) or a test (a simulated radio on a virtual clock) provides.
#include <array>
#include <cstdint>
#include <string>

// What the link may do with a serial port.
class SerialPortOps {
 public:
  struct LineSettings {
    int baud = 9600;
    char parity = 'N';
    int dataBits = 8;
    int stopBits = 1;
    int inputBufferSize = 1024;
  };

  virtual ~SerialPortOps() = default;
  // Opens port COMn with these settings; false when any step fails.
  virtual bool Open(int portNumber, const LineSettings& settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual int BytesWaiting() const = 0;
  virtual std::uint8_t ReadByte() = 0;
  virtual void WriteByte(std::uint8_t byte) = 0;
  virtual void ClearInput() = 0;
  virtual void ClearOutput() = 0;
  // Returns once every byte written so far has left the port.
  virtual void DrainOutput() = 0;
};

// A user-interface timer. Start (re)starts the count; the timer then ticks every
// interval until stopped.
class TimerOps {
 public:
  virtual ~TimerOps() = default;
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};

enum class PowerLevel { Low, High };

// What a link window shows. Texts are UTF-8, already in the caption language.
class LinkView {
 public:
  virtual ~LinkView() = default;
  virtual void SetProgress(int value) = 0;  // ProgressBar1, shown
  virtual void HideProgress() = 0;
  virtual void SetStatus(const std::string& text) = 0;  // Label_tr_count
  // A modal message; an empty title is the usual "操作提示" / "Operate prompt".
  virtual void Message(const std::string& text, const std::string& title = {}) = 0;
  virtual void UnloadForm() = 0;
  // Power adjustment only: puts the level's scroll bar at value (which runs the
  // scroll bar's change handler when the position moves) and its label.
  virtual void ShowLevel(PowerLevel /*level*/, int /*value*/) {}
  // Read only: the image now holds the radio's memory. False when the backup of
  // it could not be saved.
  virtual bool ImageRead() { return true; }
  // Write only: the radio now holds the image.
  virtual void ImageWritten() {}
};

enum class LinkKind { Read, Write, PowerAdjust };

// The link state of one window.
struct LinkState {
  std::array<std::uint8_t, 201> SendBuf{};
  int SendLen = 0;
  int SendPos = 0;
  bool FrameSent = false;
  std::array<std::uint8_t, 2001> RecvBuf{};
  bool DataPhase = false;
  bool BusyWrite = false;
  bool BusyRead = false;
  int RetriesLeft = 0;
  int BlockNo = 0;
  int BlockCount = 0;
  bool Done = false;
};

class SerialLink {
 public:
  static constexpr int kSendDelayMs = 15;        // Timer1
  static constexpr int kSendingWatchMs = 2000;   // Timer2 while a frame goes out
  static constexpr int kReplyWatchMs = 1000;     // Timer2 from the end of a frame
  static constexpr int kRestartPauseMs = 5000;   // Timer3
  static constexpr int kAttemptsAfterFirst = 3;  // RetriesLeft at a start
  static constexpr std::uint8_t kAck = 0x06;

  struct Timers {
    TimerOps& Timer1;
    TimerOps& Timer2;
    TimerOps& Timer3;
    TimerOps& Timer4;
  };

  SerialLink(LinkKind kind, SerialPortOps& port, Timers timers, LinkView& view);
  virtual ~SerialLink() = default;
  SerialLink(const SerialLink&) = delete;
  SerialLink& operator=(const SerialLink&) = delete;

  LinkKind Kind() const { return kind_; }
  const LinkState& State() const { return s_; }
  bool Busy() const { return s_.BusyRead || s_.BusyWrite; }

  // Receive notification of MSC: each waiting byte is handled as its own
  // notification would be, so a byte that arrived together with another is not lost.
  void MSC_OnComm();
  // The port reported a fault or went away (cable pulled): handled as a missing reply.
  void MSC_PortLost();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  virtual void Timer4_Timer() = 0;

  // Clears PortError, applies the line settings and opens the port; on failure
  // shows the port message and sets PortError.
  void OpenPort();
  // Starts a transfer from the wake-up frame.
  void StartLink();
  // Hands the queued frame to Timer1.
  void SendFrame();
  // Stops the timers and releases the port, as the window goes.
  virtual void Shutdown();

 protected:
  // One receive notification.
  virtual void OnComm() = 0;
  // The end of the common identification stage.
  virtual void IdentificationAccepted() = 0;
  // What the restart pause shows after the last attempt failed.
  virtual void ShowLinkFailure() = 0;
  // StartLink's step 3 resets this window's own stage flags too.
  virtual void ResetStages() {}

  // The common identification stage; true once the reply carried "RT410".
  bool IdentificationStage();
  void Queue(std::initializer_list<std::uint8_t> bytes);
  void QueueRow(int row);  // image row, columns 0 to 15
  void StopTransferTimers();
  // Sends one byte at once, outside the sender, and makes sure it has left the
  // port before the port is closed.
  void SendLastByteAndClose(std::uint8_t byte);

  LinkKind kind_;
  SerialPortOps& port_;
  Timers t_;
  LinkView& view_;
  LinkState s_;
};

// What the read and write windows share: a start button, Cancel and the close timer.
class TransferLink : public SerialLink {
 public:
  using SerialLink::SerialLink;
  // The close timer runs from the window's load (read) or from the completion (write).
  void Timer4_Timer() override;
  void Command_Cancel_Click();

 protected:
  // Steps common to both start buttons; false when the click must do nothing more.
  bool StartAllowed();
  void ShowLinkFailure() override;
};

// "RT410" standing consecutively in RecvBuf at a start position 1 to 4.
bool ContainsIdentification(const std::array<std::uint8_t, 2001>& recvBuf);
