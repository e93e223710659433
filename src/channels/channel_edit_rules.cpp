#include "channels/channel_edit_rules.h"

#include "codec/channel_record.h"

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

bool InRange(Freq10Hz v, FreqRange limits, RangeRule rule) {
  if (v < limits.low) return false;
  return rule == RangeRule::Grid ? v < limits.high : v <= limits.high;
}

TextPair EditMessageText(EditMessage message, RangeRule rule) {
  switch (message) {
    case EditMessage::RxOutOfRange:
      return {"接收频率超出范围 ！", "Over the range of receive frequency ."};
    case EditMessage::TxOutOfRange:
      // The dialog has always spelt it with a capital T.
      return rule == RangeRule::Grid
                 ? TextPair{"发射频率超出范围 ！", "Over the range of transmit frequency ."}
                 : TextPair{"发射频率超出范围 ！", "Over the range of Transmit frequency ."};
    case EditMessage::RxFirst:
      return {"请先输入接收频率 ！", "Please input the receive frequency in advance."};
    case EditMessage::None:
      break;
  }
  return {};
}

FrequencyEdit PlanFrequency(const RadioImage& image, int channel, FreqField field,
                            std::string_view typed, FreqRange limits, RangeRule rule) {
  FrequencyEdit edit{channel, field, rule, std::string(typed), CommitOutcome::Stored, {}, {}};
  const bool blank = IsBlank(typed);
  if (field == FreqField::Tx && ChannelEmpty(image, channel)) {
    // The grid tells the user why; the dialog never offers the box for an empty channel.
    if (rule == RangeRule::Dialog || !blank) {
      edit.outcome = CommitOutcome::Refused;
      if (rule == RangeRule::Grid) edit.message = EditMessage::RxFirst;
      return edit;
    }
  }
  if (blank) {
    edit.outcome = field == FreqField::Rx ? CommitOutcome::Deleted : CommitOutcome::TxRemoved;
    return edit;
  }
  // Parsed once, to the exact 10 Hz count; only the limits replace it.
  edit.value = TextValue10Hz(typed);
  if (!InRange(edit.value, limits, rule)) {
    edit.value = limits.low;
    edit.message = field == FreqField::Rx ? EditMessage::RxOutOfRange : EditMessage::TxOutOfRange;
  }
  return edit;
}

namespace {

std::string FieldText(const RadioImage& image, int n, FreqField field) {
  return ChannelCellText(image, n, field == FreqField::Rx ? kRxColumn : kTxColumn, false);
}

// What the field shows once the edit is in the image. The grid redraws its cell
// from the image; the dialog keeps the text as typed (or the lower limit after the
// message) unless it shows the channel afresh.
std::string ShownText(const RadioImage& image, const FrequencyEdit& edit,
                      const CommitResult& result) {
  if (edit.rule == RangeRule::Grid || result.created ||
      result.outcome == CommitOutcome::Unstorable) {
    return FieldText(image, edit.channel, edit.field);
  }
  switch (result.outcome) {
    case CommitOutcome::Stored:
      return edit.message != EditMessage::None ? FreqText(edit.value) : edit.typed;
    case CommitOutcome::Refused:
      return edit.typed;
    default:
      return {};
  }
}

CommitOutcome StoreRx(RadioImage& image, const FrequencyEdit& edit, bool& created) {
  const int n = edit.channel;
  const bool wasEmpty = ChannelEmpty(image, n);
  if (!StoreFreq(image, n, kRxFreqCol, edit.value)) return CommitOutcome::Unstorable;
  if (!wasEmpty) return CommitOutcome::Stored;
  created = true;
  if (edit.rule == RangeRule::Dialog) {
    NewDialogChannel(image, n);
    return CommitOutcome::Stored;
  }
  New_Chann(image, n);
  // A new channel given the lower limit in place of what was typed transmits on it too.
  if (edit.message != EditMessage::None) StoreFreq(image, n, kTxFreqCol, ChannelRx(image, n));
  return CommitOutcome::Stored;
}

CommitOutcome StoreTx(RadioImage& image, const FrequencyEdit& edit) {
  const int n = edit.channel;
  const bool stored = StoreFreq(image, n, kTxFreqCol, edit.value).has_value();
  // The grid does not keep an encode tone on a frequency the user did not choose.
  if (edit.rule == RangeRule::Grid && edit.message != EditMessage::None) {
    SetChannelEncodeTone(image, n, 0);
  }
  return stored ? CommitOutcome::Stored : CommitOutcome::Unstorable;
}

}  // namespace

CommitResult ApplyFrequency(RadioImage& image, const FrequencyEdit& edit) {
  CommitResult result;
  result.message = edit.message;
  result.messageText = EditMessageText(edit.message, edit.rule);
  result.outcome = edit.outcome;
  const int n = edit.channel;
  switch (edit.outcome) {
    case CommitOutcome::Deleted:
      ClearChannel(image, n);
      break;
    case CommitOutcome::TxRemoved:
      if (ChannelEmpty(image, n)) {
        ClearChannel(image, n);  // an empty channel stays wholly erased
      } else {
        ClearChannelTx(image, n, edit.rule == RangeRule::Grid ? kGridToneOff : kErasedTone);
      }
      break;
    case CommitOutcome::Stored:
      result.outcome =
          edit.field == FreqField::Rx ? StoreRx(image, edit, result.created) : StoreTx(image, edit);
      break;
    case CommitOutcome::Unstorable:
    case CommitOutcome::Refused:
      break;
  }
  result.shown = ShownText(image, edit, result);
  return result;
}

CommitResult CommitFrequency(RadioImage& image, int channel, FreqField field,
                             std::string_view typed, FreqRange limits, RangeRule rule) {
  return ApplyFrequency(image, PlanFrequency(image, channel, field, typed, limits, rule));
}

bool TransmitOnReceive(RadioImage& image, int channel) {
  if (ChannelEmpty(image, channel) || ChannelHasTx(image, channel)) return false;
  return StoreFreq(image, channel, kTxFreqCol, ChannelRx(image, channel)).has_value();
}

GridPos NextCellOnEnter(const RadioImage& image, int row, int column) {
  const GridPos nextRow{row < kChannelCount ? row + 1 : row, kRxColumn};
  switch (column) {
    case kRxColumn:
      return {row, kTxColumn};
    case kTxColumn:
      return ChannelEmpty(image, row) ? nextRow : GridPos{row, kDecodeColumn};
    case kDecodeColumn:
      return {row, ChannelHasTx(image, row) ? kEncodeColumn : kBusyLockColumn};
    case kScanAddColumn:
      return nextRow;
    default:
      return {row, column > kDecodeColumn && column < kScanAddColumn ? column + 1 : column};
  }
}

GridPos PreviousCell(const RadioImage& image, int row, int column) {
  auto hasEditor = [&](GridPos p) {
    if (p.column == kRxColumn || p.column == kTxColumn) return true;
    if (ChannelEmpty(image, p.row)) return false;
    return p.column != kEncodeColumn || ChannelHasTx(image, p.row);
  };
  GridPos p{row, column};
  do {
    if (p.column > kRxColumn) {
      --p.column;
    } else if (p.row > 1) {
      p = {p.row - 1, kScanAddColumn};
    } else {
      return {row, column};
    }
  } while (!hasEditor(p));
  return p;
}

bool EraseIfEmpty(RadioImage& image, int channel) {
  if (!ChannelEmpty(image, channel)) return false;
  ClearChannel(image, channel);
  return true;
}

void ClearAllChannels(RadioImage& image) {
  for (int n = 1; n <= kChannelCount; ++n) ClearChannel(image, n);
}

bool SetPower(RadioImage& image, int channel, Power power) {
  if (ChannelEmpty(image, channel)) return false;
  SetChannelLowPower(image, channel, power == Power::Low);
  return true;
}

bool SetBandwidth(RadioImage& image, int channel, Bandwidth bandwidth) {
  if (ChannelEmpty(image, channel)) return false;
  SetChannelWide(image, channel, bandwidth == Bandwidth::Wide);
  return true;
}

bool SetScanAdd(RadioImage& image, int channel, bool add) {
  if (ChannelEmpty(image, channel)) return false;
  SetChannelScanAdd(image, channel, add);
  return true;
}

bool SetBusyLock(RadioImage& image, int channel, BusyLock lock) {
  if (ChannelEmpty(image, channel) || lock == BusyLock::Unknown) return false;
  SetChannelBusyLock(image, channel, lock);
  return true;
}

bool SetTone(RadioImage& image, int channel, ToneField field, int tonePosition) {
  if (ChannelEmpty(image, channel) || tonePosition < 0 || tonePosition > kToneLast) return false;
  if (field == ToneField::Decode) {
    SetChannelDecodeTone(image, channel, tonePosition);
    return true;
  }
  // No encode tone without a transmit frequency.
  if (!ChannelHasTx(image, channel)) return false;
  SetChannelEncodeTone(image, channel, tonePosition);
  return true;
}

namespace {

// Index `index` of the option's list into channel n; `lowFirst` is the order of
// the power list (the grid's "Low", "High" or the dialog's "High", "Low").
bool StoreChoice(RadioImage& image, int n, ChannelOption option, int index, bool lowFirst) {
  if (index < 0) return false;
  switch (option) {
    case ChannelOption::DecodeTone:
      return SetTone(image, n, ToneField::Decode, index);
    case ChannelOption::EncodeTone:
      return SetTone(image, n, ToneField::Encode, index);
    case ChannelOption::BusyLock: {
      constexpr BusyLock kLocks[] = {BusyLock::Off, BusyLock::Carrier, BusyLock::Tone};
      return index <= 2 && SetBusyLock(image, n, kLocks[index]);
    }
    case ChannelOption::Power:
      return index <= 1 && SetPower(image, n, (index == 0) == lowFirst ? Power::Low : Power::High);
    case ChannelOption::Bandwidth:
      return index <= 1 && SetBandwidth(image, n, index == 1 ? Bandwidth::Wide : Bandwidth::Narrow);
    case ChannelOption::ScanAdd:
      return index <= 1 && SetScanAdd(image, n, index == 0);
  }
  return false;
}

}  // namespace

bool StoreGridChoice(RadioImage& image, int channel, int column, int index) {
  if (column < kDecodeColumn || column > kScanAddColumn) return false;
  if (channel < 1 || channel > kChannelCount) return false;
  return StoreChoice(image, channel, static_cast<ChannelOption>(column), index, true);
}

bool StoreDialogChoice(RadioImage& image, int channel, ChannelOption option, int index) {
  return StoreChoice(image, channel, option, index, false);
}

int DialogChoiceIndex(const RadioImage& image, int channel, ChannelOption option) {
  switch (option) {
    case ChannelOption::DecodeTone:
      return DecodeTone(ChannelDecodeTone(image, channel));
    case ChannelOption::EncodeTone:
      return ChannelHasTx(image, channel) ? DecodeTone(ChannelEncodeTone(image, channel)) : 0;
    case ChannelOption::BusyLock:
      switch (ChannelBusyLock(image, channel)) {
        case BusyLock::Carrier:
          return 1;
        case BusyLock::Tone:
          return 2;
        default:
          return 0;
      }
    case ChannelOption::Power:
      return ChannelLowPower(image, channel) ? 1 : 0;
    case ChannelOption::Bandwidth:
      return ChannelWide(image, channel) ? 1 : 0;
    case ChannelOption::ScanAdd:
      return ChannelScanAdd(image, channel) ? 0 : 1;
  }
  return 0;
}
