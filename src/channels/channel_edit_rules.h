#pragma once
// Rules the channel grid and the channel edit dialog apply to what the user types
// and chooses. Plain C++: the windows only wire controls to these.
#include <string>
#include <string_view>

#include "codec/frequency.h"

// True for a text of nothing but blanks.
bool IsBlank(std::string_view text);

// The typed number as the grid shows it once accepted: five decimals, whatever
// blanks, leading zeros or trailing characters came with it ("145" gives
// "145.00000", " 0088.5" gives "88.50000").
std::string NormalisedFreqText(std::string_view typed);

// The lower limit an out-of-range entry is replaced by: "400.00000".
std::string LowerLimitText();

// The grid refuses the upper limit itself, the edit dialog accepts it.
bool InGridRange(Freq10Hz v);
bool InDialogRange(Freq10Hz v);

// The grid's option columns 3..8 and the entry chosen in their drop-down list:
//   3/4 decode/encode tone: 0 off, 1..260 ToneTable positions
//   5 busy lock: 0 off, 1 carrier, 2 QT/DQT
//   6 power: 0 low, 1 high;  7 bandwidth: 0 narrow, 1 wide;  8 scan add: 0 yes, 1 no
// Writes the choice into channel n. Anything else (a column without a list, an
// index outside it) writes nothing and returns false.
bool StoreGridChoice(int n, int column, int index);
