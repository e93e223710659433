#pragma once
// Form_Comm_Write's transfer: wake-up, identification, then image rows 0 to 62 as
// blocks 0 to 62, each acknowledged, and the end byte "E". Block 63 is never sent.
#include "link/serial_link.h"

// What every write sends: the channel rows brought up to date (spot-frequency flags)
// and the identification and model code stamped into the image.
void PrepareForWrite(RadioImage& image, int modelCode);

class WriteLink : public TransferLink {
 public:
  WriteLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
            RadioImage& image);

  void Command_Write_Click();

 protected:
  void OnComm() override;
  void IdentificationAccepted() override;
};
