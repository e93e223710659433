#pragma once
// Rules the channel grid and the channel edit dialog apply to what the user types
// and chooses, on the image and limits they are handed. Plain C++: the windows
// only wire controls to these and show the outcome.
#include <string>
#include <string_view>

#include "channels/channel_texts.h"
#include "codec/channel_record.h"
#include "codec/frequency.h"

class RadioImage;

// True for a text of nothing but blanks.
bool IsBlank(std::string_view text);

enum class FreqField { Rx, Tx };

// Whose rules a typed frequency follows. The grid refuses the upper limit itself
// (low <= v < high), the dialog accepts it (low <= v <= high). They also differ in
// the values a new channel gets, in how an out-of-range transmit entry treats the
// encode tone, and in the spelling of the transmit range message.
enum class RangeRule { Grid, Dialog };

bool InRange(Freq10Hz v, FreqRange limits, RangeRule rule);

enum class EditMessage { None, RxOutOfRange, TxOutOfRange, RxFirst };
// The text of a message as the editor of `rule` shows it; empty for None.
TextPair EditMessageText(EditMessage message, RangeRule rule);

enum class CommitOutcome {
  Stored,      // the typed frequency, or the lower limit after the message, is stored
  Unstorable,  // it does not fit eight BCD digits: nothing was written
  Deleted,     // a blank receive frequency: the channel is erased
  TxRemoved,   // a blank transmit frequency: no transmit frequency, encode tone off
  Refused,     // a transmit frequency for an empty channel: nothing was written
};

// What committing a typed text will do, decided once from the text before anything
// changes, so that an editor can show its message while the image is untouched.
struct FrequencyEdit {
  int channel = 1;
  FreqField field = FreqField::Rx;
  RangeRule rule = RangeRule::Grid;
  std::string typed;
  CommitOutcome outcome = CommitOutcome::Refused;
  Freq10Hz value;  // what is stored (before snapping) when the outcome is Stored
  EditMessage message = EditMessage::None;
};

struct CommitResult {
  CommitOutcome outcome = CommitOutcome::Refused;
  EditMessage message = EditMessage::None;
  TextPair messageText;  // empty without a message
  bool created = false;  // the channel was empty and got the editor's new-channel values
  std::string shown;     // what the field shows afterwards
};

FrequencyEdit PlanFrequency(const RadioImage& image, int channel, FreqField field,
                            std::string_view typed, FreqRange limits, RangeRule rule);
CommitResult ApplyFrequency(RadioImage& image, const FrequencyEdit& edit);
// Both at once: a typed frequency text committed into channel n's receive or
// transmit frequency, as the grid or the dialog commits it.
CommitResult CommitFrequency(RadioImage& image, int channel, FreqField field,
                             std::string_view typed, FreqRange limits, RangeRule rule);

// Enter in the grid's receive cell goes on: a channel that has a receive frequency
// but none to transmit on transmits on its receive frequency. True when it did.
bool TransmitOnReceive(RadioImage& image, int channel);

// A cell of the grid: row n shows channel n.
struct GridPos {
  int row;
  int column;
  friend bool operator==(GridPos, GridPos) = default;
};
// Where Enter moves the grid's current cell from (row, column), once the edit there
// is committed: receive to transmit; transmit to decode, or to the next row's receive
// cell when the channel is empty; decode to encode, or past it to busy lock when the
// channel has no transmit frequency; on to the right up to scan add, and from there
// to the next row's receive cell. Row 16 has no next row and stays. Column 0 stays.
GridPos NextCellOnEnter(const RadioImage& image, int row, int column);
// Where Shift+Tab moves it back to: the nearest cell before (row, column) that an
// editor can be laid over (option cells of an empty channel and the encode cell of
// a channel without a transmit frequency have none), across rows; the first cell
// stays.
GridPos PreviousCell(const RadioImage& image, int row, int column);

// An editor that shows an empty channel (column 0 erased) erases all of its record.
// True when the channel is empty.
bool EraseIfEmpty(RadioImage& image, int channel);
void ClearAllChannels(RadioImage& image);

// The channel's options by what they mean, for the grid, the dialog and the CSV import
// alike (each maps its own list order to these). False, writing nothing, for an empty
// channel, an encode tone without a transmit frequency, or a tone position outside
// the tone list (0 no tone, 1..260).
enum class Power { High, Low };
enum class Bandwidth { Narrow, Wide };
enum class ToneField { Decode, Encode };
bool SetPower(RadioImage& image, int channel, Power power);
bool SetBandwidth(RadioImage& image, int channel, Bandwidth bandwidth);
bool SetScanAdd(RadioImage& image, int channel, bool add);
bool SetBusyLock(RadioImage& image, int channel, BusyLock lock);
bool SetTone(RadioImage& image, int channel, ToneField field, int tonePosition);

// The option fields, numbered as the grid's columns 3..8.
enum class ChannelOption { DecodeTone = 3, EncodeTone, BusyLock, Power, Bandwidth, ScanAdd };

// Stores entry `index` of the grid's drop-down list for column 3..8:
//   3/4 decode/encode tone: 0 off, 1..260 ToneTable positions
//   5 busy lock: 0 off, 1 carrier, 2 QT/DQT
//   6 power: 0 low, 1 high;  7 bandwidth: 0 narrow, 1 wide;  8 scan add: 0 yes, 1 no
// Returns false, writing nothing, for a column without a list, an index outside it,
// an empty channel, or an encode tone for a channel without transmit frequency.
bool StoreGridChoice(RadioImage& image, int channel, int column, int index);
// The same for the dialog's lists, which are the grid's except power: 0 high, 1 low.
bool StoreDialogChoice(RadioImage& image, int channel, ChannelOption option, int index);
// The entry of the dialog's list that shows channel n's value.
int DialogChoiceIndex(const RadioImage& image, int channel, ChannelOption option);
