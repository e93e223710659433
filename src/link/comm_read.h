#pragma once
// Form_Comm_Read's transfer: wake-up, identification, password, then blocks 0 to
// 63, which replace image rows 0 to 63 only once the last one has arrived.
#include <array>
#include <vector>

#include "link/serial_link.h"

class ReadLink : public TransferLink {
 public:
  static constexpr int kStoreRows = 301;
  static constexpr int kStoreCols = 71;

  ReadLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
           RadioImage& image);

  // The close timer runs from the window's load.
  void Form_Load();
  void Command_read_Click();
  // Copies the receive store into image rows 0 to 253, columns 0 to 15.
  void StoreToImage();

  bool PwPhase() const { return pwPhase_; }

 protected:
  void OnComm() override;
  void IdentificationAccepted() override;
  void ResetStages() override { pwPhase_ = false; }

 private:
  void PasswordStage();
  void DataStage();

  bool pwPhase_ = false;
  // Reply to block b in row b + 1, columns 1 to 20; the other cells stay 0.
  std::vector<std::array<std::uint8_t, kStoreCols>> store_;
};
