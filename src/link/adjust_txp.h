#pragma once
// Form_Adjust_Txp's link: wake-up and identification, which carries the radio's two
// power levels, then the power block (block 63, image row 63) at every movement of
// a level, and the end byte "b" when the window closes.
#include <array>

#include "link/serial_link.h"

class PowerAdjustLink : public SerialLink {
 public:
  PowerAdjustLink(SerialPortOps& port, Timers timers, LinkView& view, LinkInputs& inputs,
                  RadioImage& image);

  // Window load: step 1 links, ShowLevels and StartCloseTimer come later.
  void StartAdjust();
  // Draws the image's two levels; the view shows them without running its handlers.
  void ShowLevels();
  void StartCloseTimer();
  // A scroll bar moved to position: store the level and send the power block.
  void HScroll_Change(PowerLevel level, int position);
  void Command_Close_Click() { EndAdjust(); }
  void Timer4_Timer() override;
  // However the window goes, a linked radio is told the adjustment has ended.
  void Shutdown() override;

 protected:
  void OnComm() override;
  void IdentificationAccepted() override;
  void ShowLinkFailure() override { view_.HideProgress(); }
  // "RT410", one further byte, the low and the high level.
  int IdentificationBytesUsed() const override { return 8; }

 private:
  void SendPowerBlock();
  void EndAdjust();

  // The positions the scroll bars show: they start at 0.
  std::array<int, 2> shown_{0, 0};
};
