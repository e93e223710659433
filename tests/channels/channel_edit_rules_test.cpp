#include "channels/channel_edit_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "codec/channel_record.h"
#include "codec/frequency.h"

namespace {

// The state channel 3 starts a case in.
enum class Start {
  Empty,   // all 0xFF
  RxOnly,  // 435 MHz, as the grid creates it, no transmit frequency
  Full,    // 435 / 440 MHz, encode tone (0, 60), options 0x98
};

// What columns 8..15 hold afterwards.
enum class Tail {
  Kept,       // as the start left them
  GridNew,    // tones (0, 0), options 0x60, 0xFF 0xFF 0xFF
  DialogNew,  // tones (FF, FF), options 0, 0xBF 0xB0 0xF8
  Erased,     // the whole record 0xFF
};

constexpr int kN = 3;
using Record = std::array<std::uint8_t, 16>;

class ChannelEditRules : public ::testing::Test {
 protected:
  void Begin(Start start) {
    image.Fill(0xFF);
    image.at(23, 14) = 0;
    if (start == Start::Empty) return;
    Store(kRxFreqCol, "435");
    New_Chann(image, kN);
    if (start == Start::RxOnly) return;
    Store(kTxFreqCol, "440");
    SetChannelEncodeTone(image, kN, 60);
    image.at(kN, kOptionCol) = 0x98;
  }
  void Store(int col, const char* text) {
    std::string t = text;
    ASSERT_TRUE(StoreFreqText(image, t, kN, col));
  }
  Record Tail8(Start start, Tail tail) const {
    Record r;
    r.fill(0xFF);
    const std::array<int, 8> grid = {0, 0, 0, 0, 0x60, 0xFF, 0xFF, 0xFF};
    const std::array<int, 8> dialog = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0xBF, 0xB0, 0xF8};
    const std::array<int, 8> full = {0, 0, 0, 60, 0x98, 0xFF, 0xFF, 0xFF};
    const std::array<int, 8>* src = nullptr;
    if (tail == Tail::GridNew || (tail == Tail::Kept && start == Start::RxOnly)) src = &grid;
    if (tail == Tail::Kept && start == Start::Full) src = &full;
    if (tail == Tail::DialogNew) src = &dialog;
    if (src) {
      for (std::size_t i = 0; i < 8; ++i) r[8 + i] = static_cast<std::uint8_t>((*src)[i]);
    }
    return r;
  }
  RadioImage image;
};

struct CommitCase {
  const char* what;
  RangeRule rule;
  FreqField field;
  Start start;
  const char* typed;
  int low, high;  // MHz
  CommitOutcome outcome;
  EditMessage message;
  bool created;
  const char* shown;
  const char* rx;  // "" empty channel
  const char* tx;  // "" no transmit frequency
  Tail tail;
  int encode = -1;  // (polarity << 8 | code) of the encode tone, or -1: as the tail says
};

constexpr auto Grid = RangeRule::Grid;
constexpr auto Dialog = RangeRule::Dialog;
constexpr auto Rx = FreqField::Rx;
constexpr auto Tx = FreqField::Tx;
using O = CommitOutcome;
using M = EditMessage;

TEST_F(ChannelEditRules, CommitFrequency) {
  const CommitCase cases[] = {
      // The grid: low <= v < high.
      {"new channel", Grid, Rx, Start::Empty, "435", 400, 470, O::Stored, M::None, true,
       "435.00000", "435.00000", "", Tail::GridNew},
      {"new channel, other band", Grid, Rx, Start::Empty, "145", 136, 174, O::Stored, M::None, true,
       "145.00000", "145.00000", "", Tail::GridNew},
      {"5 kHz point nearer", Grid, Rx, Start::Full, "438.0123", 400, 470, O::Stored, M::None, false,
       "438.01000", "438.01000", "440.00000", Tail::Kept},
      {"6.25 kHz point nearer", Grid, Rx, Start::Full, "438.0066", 400, 470, O::Stored, M::None,
       false, "438.00625", "438.00625", "440.00000", Tail::Kept},
      {"snapped down, never up", Grid, Rx, Start::Full, "469.99999", 400, 470, O::Stored, M::None,
       false, "469.99500", "469.99500", "440.00000", Tail::Kept},
      {"leading zero", Grid, Rx, Start::Full, "0445", 400, 470, O::Stored, M::None, false,
       "445.00000", "445.00000", "440.00000", Tail::Kept},
      {"leading blank", Grid, Rx, Start::Full, " 446.5", 400, 470, O::Stored, M::None, false,
       "446.50000", "446.50000", "440.00000", Tail::Kept},
      {"trailing letters", Grid, Rx, Start::Full, "445abc", 400, 470, O::Stored, M::None, false,
       "445.00000", "445.00000", "440.00000", Tail::Kept},
      {"digits past 10 Hz", Grid, Rx, Start::Full, "445.1234567", 400, 470, O::Stored, M::None,
       false, "445.12000", "445.12000", "440.00000", Tail::Kept},
      {"lower limit is in range", Grid, Rx, Start::Full, "400", 400, 470, O::Stored, M::None, false,
       "400.00000", "400.00000", "440.00000", Tail::Kept},
      {"upper limit refused", Grid, Rx, Start::Full, "470", 400, 470, O::Stored, M::RxOutOfRange,
       false, "400.00000", "400.00000", "440.00000", Tail::Kept},
      {"refused on a new channel: transmits on the limit", Grid, Rx, Start::Empty, "999", 400, 470,
       O::Stored, M::RxOutOfRange, true, "400.00000", "400.00000", "400.00000", Tail::GridNew},
      {"no number at all", Grid, Rx, Start::Full, "abc", 400, 470, O::Stored, M::RxOutOfRange,
       false, "400.00000", "400.00000", "440.00000", Tail::Kept},
      {"limit below 100 MHz", Grid, Rx, Start::Full, "999", 66, 88, O::Stored, M::RxOutOfRange,
       false, "66.00000", "66.00000", "440.00000", Tail::Kept},
      {"blank receive deletes", Grid, Rx, Start::Full, "", 400, 470, O::Deleted, M::None, false, "",
       "", "", Tail::Erased},
      {"transmit", Grid, Tx, Start::Full, "441.0123", 400, 470, O::Stored, M::None, false,
       "441.01000", "435.00000", "441.01000", Tail::Kept},
      {"transmit out of range: encode tone off", Grid, Tx, Start::Full, "470", 400, 470, O::Stored,
       M::TxOutOfRange, false, "400.00000", "435.00000", "400.00000", Tail::Kept, 0x0000},
      {"blank transmit removes it and the encode tone", Grid, Tx, Start::Full, "", 400, 470,
       O::TxRemoved, M::None, false, "", "435.00000", "", Tail::Kept, 0x0000},
      {"transmit before receive", Grid, Tx, Start::Empty, "435", 400, 470, O::Refused, M::RxFirst,
       false, "", "", "", Tail::Erased},
      {"blank transmit of an empty channel", Grid, Tx, Start::Empty, "", 400, 470, O::TxRemoved,
       M::None, false, "", "", "", Tail::Erased},
      // The dialog: low <= v <= high; the box keeps what was typed.
      {"dialog: upper limit accepted", Dialog, Rx, Start::Full, "470", 400, 470, O::Stored, M::None,
       false, "470", "470.00000", "440.00000", Tail::Kept},
      {"dialog: just above", Dialog, Rx, Start::Full, "470.00001", 400, 470, O::Stored,
       M::RxOutOfRange, false, "400.00000", "400.00000", "440.00000", Tail::Kept},
      {"dialog: text kept, image snapped", Dialog, Rx, Start::Full, "438.0123", 400, 470, O::Stored,
       M::None, false, "438.0123", "438.01000", "440.00000", Tail::Kept},
      {"dialog: new channel", Dialog, Rx, Start::Empty, "145", 136, 174, O::Stored, M::None, true,
       "145.00000", "145.00000", "", Tail::DialogNew},
      {"dialog: refused on a new channel, no transmit", Dialog, Rx, Start::Empty, "999", 136, 174,
       O::Stored, M::RxOutOfRange, true, "136.00000", "136.00000", "", Tail::DialogNew},
      {"dialog: blank receive deletes", Dialog, Rx, Start::Full, " ", 400, 470, O::Deleted, M::None,
       false, "", "", "", Tail::Erased},
      {"dialog: transmit upper limit", Dialog, Tx, Start::Full, "470", 400, 470, O::Stored, M::None,
       false, "470", "435.00000", "470.00000", Tail::Kept},
      {"dialog: transmit out of range keeps the encode tone", Dialog, Tx, Start::Full, "999", 400,
       470, O::Stored, M::TxOutOfRange, false, "400.00000", "435.00000", "400.00000", Tail::Kept},
      {"dialog: blank transmit erases the encode tone", Dialog, Tx, Start::Full, "", 400, 470,
       O::TxRemoved, M::None, false, "", "435.00000", "", Tail::Kept, 0xFFFF},
      {"dialog: transmit of an empty channel", Dialog, Tx, Start::Empty, "435", 400, 470,
       O::Refused, M::None, false, "435", "", "", Tail::Erased},
      // Limits beyond what eight BCD digits hold (an erased row 59 reads as 1665 MHz).
      {"unstorable limit writes nothing", Grid, Rx, Start::Empty, "435", 1665, 1665, O::Unstorable,
       M::RxOutOfRange, false, "", "", "", Tail::Erased},
      {"unstorable transmit: tone still off", Grid, Tx, Start::Full, "435", 1665, 1665,
       O::Unstorable, M::TxOutOfRange, false, "440.00000", "435.00000", "440.00000", Tail::Kept,
       0x0000},
      {"dialog: unstorable in range", Dialog, Rx, Start::Full, "1000", 400, 1100, O::Unstorable,
       M::None, false, "435.00000", "435.00000", "440.00000", Tail::Kept},
  };
  for (const CommitCase& c : cases) {
    SCOPED_TRACE(c.what);
    Begin(c.start);
    const CommitResult r = CommitFrequency(image, kN, c.field, c.typed,
                                           {Freq10Hz::MHz(c.low), Freq10Hz::MHz(c.high)}, c.rule);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(static_cast<bool>(r.messageText), c.message != M::None);
    if (r.messageText) {
      EXPECT_STREQ(r.messageText.english, EditMessageText(c.message, c.rule).english);
    }
    EXPECT_EQ(r.created, c.created);
    EXPECT_EQ(r.shown, c.shown);
    EXPECT_EQ(ChannelEmpty(image, kN) ? "" : ChannelRxText(image, kN), c.rx);
    EXPECT_EQ(ChannelHasTx(image, kN) ? ChannelTxText(image, kN) : "", c.tx);
    Record tail = Tail8(c.start, c.tail);
    if (c.encode >= 0) {
      tail[10] = static_cast<std::uint8_t>(c.encode >> 8);
      tail[11] = static_cast<std::uint8_t>(c.encode & 0xFF);
    }
    for (int col = 8; col < 16; ++col) EXPECT_EQ(image.at(kN, col), tail[col]) << "column " << col;
    if (c.tail == Tail::Erased) {
      for (int col = 0; col < 8; ++col) EXPECT_EQ(image.at(kN, col), 0xFF) << "column " << col;
    }
    // Only a dialog-made channel marks its bit in row 23; nothing else leaves the record.
    EXPECT_EQ(image.at(23, 14), c.tail == Tail::DialogNew ? 0x04 : 0);
    for (int n : {2, 4}) EXPECT_TRUE(ChannelEmpty(image, n)) << n;
  }
}

TEST_F(ChannelEditRules, MessagesAsEachEditorSpellsThem) {
  const std::tuple<EditMessage, RangeRule, const char*, const char*> cases[] = {
      {M::RxOutOfRange, Grid, "接收频率超出范围 ！", "Over the range of receive frequency ."},
      {M::RxOutOfRange, Dialog, "接收频率超出范围 ！", "Over the range of receive frequency ."},
      {M::TxOutOfRange, Grid, "发射频率超出范围 ！", "Over the range of transmit frequency ."},
      {M::TxOutOfRange, Dialog, "发射频率超出范围 ！", "Over the range of Transmit frequency ."},
      {M::RxFirst, Grid, "请先输入接收频率 ！", "Please input the receive frequency in advance."},
  };
  for (const auto& [message, rule, chinese, english] : cases) {
    const TextPair text = EditMessageText(message, rule);
    ASSERT_TRUE(text);
    EXPECT_STREQ(text.In(true), chinese);
    EXPECT_STREQ(text.In(false), english);
  }
  EXPECT_FALSE(EditMessageText(M::None, Grid));
}

TEST_F(ChannelEditRules, PlanningChangesNothingAndParsesOnce) {
  Begin(Start::Empty);
  const RadioImage before = image;
  const FrequencyEdit edit =
      PlanFrequency(image, kN, Rx, "999", {Freq10Hz::MHz(400), Freq10Hz::MHz(470)}, Grid);
  EXPECT_EQ(image, before);
  EXPECT_EQ(edit.message, M::RxOutOfRange);
  EXPECT_EQ(edit.value, Freq10Hz::MHz(400));
  // Applied later, it stores what was decided, whatever the limits are by then.
  EXPECT_EQ(ApplyFrequency(image, edit).shown, "400.00000");
  EXPECT_EQ(ChannelRxText(image, kN), "400.00000");
}

TEST_F(ChannelEditRules, EnterInTheReceiveCellGivesATransmitFrequency) {
  const std::tuple<Start, const char*, bool, const char*> cases[] = {
      {Start::Empty, nullptr, false, ""},
      {Start::RxOnly, nullptr, true, "435.00000"},
      {Start::RxOnly, "438.00625", true, "438.00625"},
      {Start::Full, nullptr, false, "440.00000"},
  };
  for (const auto& [start, rx, done, tx] : cases) {
    Begin(start);
    if (rx) Store(kRxFreqCol, rx);
    EXPECT_EQ(TransmitOnReceive(image, kN), done);
    EXPECT_EQ(ChannelHasTx(image, kN) ? ChannelTxText(image, kN) : "", tx);
  }
  // Typed into an empty channel and entered: the record the grid has always made.
  Begin(Start::Empty);
  CommitFrequency(image, kN, Rx, "145", {Freq10Hz::MHz(136), Freq10Hz::MHz(174)}, Grid);
  TransmitOnReceive(image, kN);
  const Record expected = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14,
                           0,    0,    0,    0,    0x60, 0xFF, 0xFF, 0xFF};
  for (int col = 0; col < 16; ++col) EXPECT_EQ(image.at(kN, col), expected[col]) << col;
}

TEST_F(ChannelEditRules, ClearingAndShowingAnEmptyChannel) {
  Begin(Start::Full);
  EXPECT_FALSE(EraseIfEmpty(image, kN));
  EXPECT_EQ(image.at(kN, kOptionCol), 0x98);
  image.at(kN, 0) = 0xFF;  // empty, whatever the rest holds
  EXPECT_TRUE(EraseIfEmpty(image, kN));
  for (int col = 0; col < 16; ++col) EXPECT_EQ(image.at(kN, col), 0xFF) << col;
  for (int n = 1; n <= 16; ++n) {
    std::string text = "435";
    ASSERT_TRUE(StoreFreqText(image, text, n, kRxFreqCol));
  }
  image.at(17, 0) = 0x12;
  ClearAllChannels(image);
  for (int n = 1; n <= 16; ++n) EXPECT_TRUE(ChannelEmpty(image, n)) << n;
  EXPECT_EQ(image.at(17, 0), 0x12);
}

TEST_F(ChannelEditRules, WhereEnterMovesTo) {
  // {start of channel 3, from column, to row, to column}; row 16 is an empty channel.
  const std::tuple<Start, int, int, int, int> cases[] = {
      {Start::Full, 3, 1, 3, 2},   {Start::Empty, 3, 1, 3, 2},   {Start::Full, 3, 2, 3, 3},
      {Start::Empty, 3, 2, 4, 1},  {Start::Empty, 16, 2, 16, 1}, {Start::Full, 3, 3, 3, 4},
      {Start::RxOnly, 3, 3, 3, 5}, {Start::Full, 3, 4, 3, 5},    {Start::Full, 3, 7, 3, 8},
      {Start::Full, 3, 8, 4, 1},   {Start::Full, 16, 8, 16, 1},  {Start::Full, 3, 0, 3, 0},
  };
  for (const auto& [start, row, column, toRow, toColumn] : cases) {
    Begin(start);
    EXPECT_EQ(NextCellOnEnter(image, row, column), (GridPos{toRow, toColumn}))
        << row << "/" << column;
  }
}

TEST_F(ChannelEditRules, WhereShiftTabMovesBackTo) {
  // {start of channel 3, from row, from column, to row, to column}; the others are empty.
  const std::tuple<Start, int, int, int, int> cases[] = {
      {Start::Full, 3, 2, 3, 1},   {Start::Full, 3, 3, 3, 2}, {Start::Full, 3, 5, 3, 4},
      {Start::RxOnly, 3, 5, 3, 3}, {Start::Full, 3, 1, 2, 2}, {Start::Full, 4, 1, 3, 8},
      {Start::Empty, 4, 1, 3, 2},  {Start::Full, 1, 1, 1, 1}, {Start::Full, 1, 2, 1, 1},
  };
  for (const auto& [start, row, column, toRow, toColumn] : cases) {
    Begin(start);
    EXPECT_EQ(PreviousCell(image, row, column), (GridPos{toRow, toColumn})) << row << "/" << column;
  }
}

struct ChoiceCase {
  int column;  // the grid's column; the dialog's list of the same option
  int entry;
  bool dialog;
  int cell;  // the record cell to check
  int value;
};

TEST_F(ChannelEditRules, ChoosingAnEntry) {
  const ChoiceCase cases[] = {
      {3, 156, false, 8, 1},
      {3, 156, false, 9, 51},
      {3, 0, false, 9, 0},
      {3, 0, false, 8, 0},
      {4, 13, false, 10, 0},
      {4, 13, false, 11, 13},
      {4, 260, false, 10, 1},
      {4, 260, false, 11, 155},
      {5, 1, false, 12, 0x0D},
      {5, 2, false, 12, 0x1D},
      {5, 0, false, 12, 0x05},
      {6, 0, false, 12, 0x85},
      {6, 1, false, 12, 0x05},
      {7, 1, false, 12, 0x45},
      {7, 0, false, 12, 0x05},
      {8, 0, false, 12, 0x25},
      {8, 1, false, 12, 0x05},
      // The dialog lists power the other way round; nothing lands in column 13.
      {6, 0, true, 12, 0x05},
      {6, 1, true, 12, 0x85},
      {7, 1, true, 12, 0x45},
      {3, 13, true, 9, 13},
      {4, 260, true, 11, 155},
      {4, 260, true, 13, 0xFF},
  };
  for (const ChoiceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "column " << c.column << " entry " << c.entry
                                    << (c.dialog ? " dialog" : " grid"));
    Begin(Start::Full);
    image.at(kN, kOptionCol) = 0x05;  // bits 2-0 belong to nobody here and must survive
    const bool stored =
        c.dialog ? StoreDialogChoice(image, kN, static_cast<ChannelOption>(c.column), c.entry)
                 : StoreGridChoice(image, kN, c.column, c.entry);
    EXPECT_TRUE(stored);
    EXPECT_EQ(image.at(kN, c.cell), c.value);
    if (c.dialog) {
      EXPECT_EQ(DialogChoiceIndex(image, kN, static_cast<ChannelOption>(c.column)), c.entry);
    }
  }
}

TEST_F(ChannelEditRules, ChoicesThatWriteNothing) {
  const std::tuple<Start, int, int> refused[] = {
      {Start::Full, 2, 0},  {Start::Full, 9, 0},  {Start::Full, 3, 261},
      {Start::Full, 5, 3},  {Start::Full, 6, 2},  {Start::Full, 8, -1},
      {Start::Empty, 6, 0}, {Start::Empty, 3, 1}, {Start::RxOnly, 4, 13},
  };
  for (const auto& [start, column, index] : refused) {
    Begin(start);
    const RadioImage before = image;
    EXPECT_FALSE(StoreGridChoice(image, kN, column, index)) << column << "/" << index;
    if (column >= 3 && column <= 8) {
      EXPECT_FALSE(StoreDialogChoice(image, kN, static_cast<ChannelOption>(column), index));
    }
    EXPECT_EQ(image, before) << column << "/" << index;
  }
  EXPECT_FALSE(StoreGridChoice(image, 0, 6, 0));
  EXPECT_FALSE(StoreGridChoice(image, 17, 6, 0));
  // The dialog shows the first encode entry for a channel without transmit frequency.
  Begin(Start::RxOnly);
  image.at(kN, kEncodeToneCol + 1) = 13;
  EXPECT_EQ(DialogChoiceIndex(image, kN, ChannelOption::EncodeTone), 0);
}

// The grid lists power Low first, the dialog High first: both reach the same setter.
TEST(ChannelSetters, EveryListOrderMeansTheSameAndAnEmptyChannelTakesNothing) {
  RadioImage image;
  image.Fill(0xFF);
  std::string text = "145";
  StoreFreqText(image, text, 1, kRxFreqCol);
  New_Chann(image, 1);
  ASSERT_TRUE(StoreGridChoice(image, 1, kPowerColumn, 0));
  EXPECT_TRUE(ChannelLowPower(image, 1));
  ASSERT_TRUE(StoreDialogChoice(image, 1, ChannelOption::Power, 0));
  EXPECT_FALSE(ChannelLowPower(image, 1));
  ASSERT_TRUE(SetPower(image, 1, Power::Low));
  EXPECT_EQ(DialogChoiceIndex(image, 1, ChannelOption::Power), 1);
  EXPECT_FALSE(SetTone(image, 1, ToneField::Encode, 9));  // no transmit frequency
  EXPECT_FALSE(SetTone(image, 1, ToneField::Decode, 261));
  EXPECT_FALSE(SetBusyLock(image, 1, BusyLock::Unknown));
  const RadioImage before = image;
  EXPECT_FALSE(SetPower(image, 2, Power::High));
  EXPECT_FALSE(SetBandwidth(image, 2, Bandwidth::Wide));
  EXPECT_FALSE(SetScanAdd(image, 2, true));
  EXPECT_FALSE(SetBusyLock(image, 2, BusyLock::Carrier));
  EXPECT_FALSE(SetTone(image, 2, ToneField::Decode, 1));
  EXPECT_TRUE(image == before);
}

}  // namespace
