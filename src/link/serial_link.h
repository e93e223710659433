#pragma once
// The serial link shared by the read, write and power adjustment windows: the
// link state, the frame sender, the reply watchdog with its restarts, the wake-up
// handshake and the identification check. It does no I/O of its own and reads no
// global: it acts through the port and timer interfaces of port_ops.h and is told
// everything else by its caller (LinkInputs) and the image it is given.
#include <array>
#include <cstdint>
#include <string>

#include "image/radio_image.h"
#include "link/frames.h"
#include "link/port_ops.h"

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
  // The outcome of every attempt to open the port. The window keeps PortError by it
  // and, when the port did not open, shows the port message (PortOpenMessage).
  virtual void PortOpenOutcome(const PortId& port, const PortOpenResult& result) = 0;
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

// What the link is told by the program around it, asked at the moment it is needed.
// The windows hand down the shell's process-wide values; a tool or a test its own.
class LinkInputs {
 public:
  virtual ~LinkInputs() = default;
  // The port to open; asked at every open, the automatic restarts included.
  virtual PortId Port() = 0;
  // The language of every text the link shows: true Chinese, false English.
  virtual bool Chinese() const = 0;
  // The model and band code a write stamps into the image.
  virtual int ModelCode() const = 0;
  // The six password digits (255: no digit) a read compares with the radio's.
  virtual std::array<std::uint8_t, 6> Password() const = 0;
};

// Inputs set once, for a caller that has no process-wide state to hand down.
struct FixedLinkInputs : LinkInputs {
  PortId port;
  bool chinese = false;
  int modelCode = 0;
  std::array<std::uint8_t, 6> password{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

  PortId Port() override { return port; }
  bool Chinese() const override { return chinese; }
  int ModelCode() const override { return modelCode; }
  std::array<std::uint8_t, 6> Password() const override { return password; }
};

// The port message: the fixed main text, and the device and reason as its second part.
struct PortMessage {
  std::string text;
  std::string informative;
};
// dialoutHint: name the Linux dialout group when permission was denied.
PortMessage PortOpenMessage(const PortId& port, const PortOpenResult& result, bool chinese,
                            bool dialoutHint);

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
  // A frame leaves at the first tick of Timer1 that ends a quiet stretch of the line
  // this many ticks long; whatever is heard meanwhile is emptied. A USB adapter may
  // hand on the end of a reply a latency timer (16 ms) after the rest, so a radio once
  // heard talking past a reply is listened to longer for the window's life, and so is
  // the frame a window asks it for (ListenLonger).
  static constexpr int kQuietTicks = 1;
  static constexpr int kQuietTicksListening = 2;
  static constexpr int kQuietTicksTalkative = 3;
  // A line that never goes quiet: the frame leaves anyway, and the watchdog judges.
  static constexpr int kMostTicksWaited = 12;

  struct Timers {
    TimerOps& Timer1;
    TimerOps& Timer2;
    TimerOps& Timer3;
    TimerOps& Timer4;
  };

  SerialLink(LinkKind kind, SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
             RadioImage& image);
  virtual ~SerialLink() = default;
  SerialLink(const SerialLink&) = delete;
  SerialLink& operator=(const SerialLink&) = delete;

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

  // Applies the line settings and opens the port; says whether it opened and why not.
  PortOpenResult OpenPort(const PortId& port);
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
  // How many bytes of the identification reply, from "RT410" on, the window uses.
  virtual int IdentificationBytesUsed() const { return 5; }

  // The common identification stage; true once the reply carried "RT410" and the
  // bytes the window uses after it.
  bool IdentificationStage();
  // A read or a write begins at its button: a full count of attempts, the wake-up
  // frame, and "Connecting" once the port opened.
  void StartTransfer();
  // A receive notification of a window that expects one acknowledgement a frame:
  // the identification stage first; after it, takes the byte and says whether it
  // acknowledges a frame that went out.
  bool FrameAcknowledged();
  // The identification's start position in RecvBuf (1..4) once found.
  int IdentificationAt() const { return idAt_; }
  void Queue(const frames::Frame& frame);
  // The next frame waits for a longer quiet stretch, unless the line is known talkative.
  void ListenLonger() { listenLonger_ = true; }
  // The next frame waits for exactly this many quiet ticks, talkative line or not.
  void ListenFor(int ticks) { listenFor_ = ticks; }
  // Bytes heard while the queued frame waited for a quiet line; they have been emptied.
  // By default they say the radio talks past its replies.
  virtual void HeardBeforeFrame(int bytes);
  // The queued frame is about to leave: the line was quiet long enough. False: it
  // stays, another frame was queued in its place or the attempt ended.
  virtual bool FrameLeaving() { return true; }
  // Empties the input once a reply has been taken and says how many bytes it emptied.
  // A reply of the least length leaves one byte; more say the radio talks past its replies.
  int EmptyAfterReply();
  // The bytes of the identification reply that were in when it was taken.
  int IdentificationReplyBytes() const { return idBytes_; }
  // A frame is queued and its first byte has not left yet.
  bool FrameWaiting() const { return t_.Timer1.IsActive() && s_.SendPos == 0 && !s_.FrameSent; }
  void StopTransferTimers();
  // Sends one byte at once, outside the sender, and makes sure it has left the
  // port before the port is closed.
  void SendLastByteAndClose(std::uint8_t byte);
  // The text of a Chinese/English pair in the inputs' language.
  const char* Text(const char* chinese, const char* english) const {
    return inputs_.Chinese() ? chinese : english;
  }

  LinkKind kind_;
  SerialPortOps& port_;
  Timers t_;
  LinkView& view_;
  LinkInputs& inputs_;
  RadioImage& image_;
  LinkState s_;

 private:
  int idAt_ = 0;   // where "RT410" starts in RecvBuf; 0 until found
  int taken_ = 0;  // bytes of the identification reply in RecvBuf
  int idBytes_ = 0;
  // The line before the queued frame leaves.
  bool LineQuietForFrame();
  bool inReply_ = false;       // a receive notification is being handled
  bool followsReply_ = false;  // the queued frame answers a reply just taken
  bool listenLonger_ = false;
  int listenFor_ = 0;
  bool talkative_ = false;  // the radio sent more than a reply's length
  int quietNeeded_ = kQuietTicks;
  int quietTicks_ = 0;
  int ticksWaited_ = 0;
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
