#include "channels/channel_edit_rules.h"

#include "codec/channel_record.h"
#include "shell/state.h"

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string NormalisedFreqText(std::string_view typed) {
  // Built from the number read, not by padding the raw text: padding " 145" or
  // "0145" would shift the digits and store a frequency nobody typed.
  return FreqText(TextValue10Hz(typed));
}

std::string LowerLimitText() {
  return FreqText(FreqLow);
}

bool InGridRange(Freq10Hz v) {
  return FreqLow <= v && v < FreqHigh;
}

bool InDialogRange(Freq10Hz v) {
  return FreqLow <= v && v <= FreqHigh;
}

bool StoreGridChoice(int n, int column, int index) {
  if (n < 1 || n > kChannelCount || index < 0) return false;
  switch (column) {
    case 3:
    case 4:
      if (index > ToneLast) return false;
      if (column == 3) {
        SetChannelDecodeTone(n, index);
      } else {
        SetChannelEncodeTone(n, index);
      }
      return true;
    case 5: {
      constexpr BusyLock kLocks[] = {BusyLock::Off, BusyLock::Carrier, BusyLock::Tone};
      if (index > 2) return false;
      SetChannelBusyLock(n, kLocks[index]);
      return true;
    }
    case 6:
      if (index > 1) return false;
      SetChannelLowPower(n, index == 0);
      return true;
    case 7:
      if (index > 1) return false;
      SetChannelWide(n, index == 1);
      return true;
    case 8:
      if (index > 1) return false;
      SetChannelScanAdd(n, index == 0);
      return true;
    default:
      return false;
  }
}
