#pragma once
// Form_Comm_Read's transfer: wake-up, identification, password, then blocks 0 to
// 63, which replace image rows 0 to 63 only once the last one has arrived.
//
// A block reply is taken by what this radio has shown, not by the clock alone: the
// length of its replies and the pattern of their four header bytes. A reply that
// departs from them is not stored and its block is asked for again; so is the block
// before it, whose reply may have run into it.
#include <array>
#include <deque>
#include <optional>
#include <vector>

#include "link/serial_link.h"

class ReadLink : public TransferLink {
 public:
  static constexpr int kStoreRows = 301;
  static constexpr int kStoreCols = 71;
  static constexpr int kLeastBlockReply = 21;
  static constexpr int kPasswordReply = 7;
  // Departing replies of one block asked for again; one more ends the attempt as a
  // watchdog expiry does.
  static constexpr int kRepeats = 3;
  // Quiet ticks before a block is asked for again, and before the password request
  // of an attempt that is to confirm a refusal: longer than a USB adapter or a loaded
  // machine holds back the end of a reply.
  static constexpr int kQuietTicksAfterDeparture = 8;
  // A verified read asks for a block whose two copies differ at most this often more.
  static constexpr int kVerifyTries = 3;

  ReadLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
           RadioImage& image);

  // The close timer runs from the window's load.
  void Form_Load();
  void Command_read_Click();
  // Reads the whole memory a second time in the same session and takes only blocks
  // of which two copies agree.
  void VerifyAfterReading(bool on) { verify_ = on; }
  // Copies the receive store into image rows 0 to 253, columns 0 to 15.
  void StoreToImage();

  bool PwPhase() const { return pwPhase_; }

 protected:
  void OnComm() override;
  void IdentificationAccepted() override;
  void ResetStages() override;
  void HeardBeforeFrame(int bytes) override;
  bool FrameLeaving() override;

 private:
  using Reply = std::array<std::uint8_t, 20>;  // header and data, as the store keeps them
  using Data = std::array<std::uint8_t, 16>;
  // What one header byte has shown: the same value, the address's high or low byte
  // (any of them while the replies seen fit more than one), or anything.
  struct HeaderRule {
    enum : std::uint8_t { kSame = 1, kHigh = 2, kLow = 4, kAny = 8 };
    std::uint8_t kinds = 0;
    std::uint8_t value = 0;
  };

  void PasswordStage();
  // The password request queued again after a refusing reply is about to leave: true
  // when that reply was longer than the identification showed, so it goes.
  bool PasswordJudged();
  // Six bytes that are not the password: a restart, or the message when the attempt
  // before heard the same.
  void Refused(const std::array<std::uint8_t, 6>& heard);
  void DataStage();
  void ReplyComplete(int length);
  // Header byte i of the reply in hand fits what the radio has shown for block.
  bool Fits(std::size_t i, int block) const;
  bool HeaderFits(int block) const;
  void LearnHeader(int block);
  // The reply in hand, or the one before it, departed from what the radio has shown.
  void Departure();
  void Request(int block, int quietTicks);
  void TakePending();
  void Keep(int block, const Reply& reply);
  void Finish();

  bool pwPhase_ = false;
  bool verify_ = false;
  // Reply to block b in row b + 1, columns 1 to 20; the other cells stay 0.
  std::vector<std::array<std::uint8_t, kStoreCols>> store_;

  // One transfer: a refused password counts only when the next attempt, listening
  // longer first, hears the same six bytes.
  std::optional<std::array<std::uint8_t, 6>> refused_;

  // One attempt.
  bool pwJudging_ = false;     // a refusing reply waits for the line to go quiet
  bool pwAskedAgain_ = false;  // the password was asked for again
  int pwBytes_ = 0;            // of the refusing reply, heard until the line went quiet
  std::array<std::uint8_t, 6> pwHeard_{};
  int replyLength_ = 0;         // of a block reply, once learned
  bool relearning_ = false;     // learned again after a departure
  bool lengthChecked_ = false;  // the first length learned agreed with the replies before it
  int idExtras_ = 0;            // bytes the identification and the password reply had
  int pwExtras_ = 0;            // beyond their least length
  bool lengthOpen_ = false;     // the reply just taken may still grow until the next frame leaves
  int takenLength_ = 0;         // its bytes so far
  std::array<HeaderRule, 4> header_{};
  int headerSamples_ = 0;  // replies the header rules were learned from
  Reply reply_{};          // the reply in hand
  int asked_ = -1;         // the block it answers
  int pending_ = -1;       // the block taken last, kept once the next reply starts clean
  Reply pendingReply_{};
  std::optional<Reply> departed_;  // the last departing reply, of block departedBlock_
  int departedBlock_ = -1;
  std::array<int, 64> repeats_{};
  std::deque<int> plan_;  // blocks still to ask for in this pass, the one asked first
  int pass_ = 1;          // 1: the read; 2: the verifying read; 3: blocks whose copies differ
  std::array<std::vector<Data>, 64> copies_;
  std::array<std::optional<Data>, 64> agreed_;
};
