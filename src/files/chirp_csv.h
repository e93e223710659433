#pragma once
// Channels 1..16 as CSV in the layout CHIRP reads and writes, so that channel plans
// move between this program and other radio tools. Plain C++: text in, text out.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/channel_record.h"
#include "codec/frequency.h"
#include "image/radio_image.h"

inline constexpr std::string_view kChirpCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// A CSV is read whole up to this size; a bigger file is refused, never cut.
inline constexpr std::size_t kCsvMaxBytes = 64 * 1024 * 1024;

// The header and one line per non-empty channel, in channel order, each ending in CR LF.
std::string ChirpCsvText(const RadioImage& image);

enum class CsvReason {
  MissingColumn,   // a column without which no channel can be read
  BadNumber,       // not a decimal number
  OutOfBand,       // a frequency outside the limits
  TxOutOfBand,     // the transmit frequency Duplex and Offset give (detail) is outside
  ToneNotInTable,  // a CTCSS tone or DCS code the radio does not have
  BadToneMode,     // Tone other than "", Tone, TSQL, DTCS, Cross
  BadCrossMode,
  BadPolarity,  // DtcsPolarity other than two letters N or R
  BadDuplex,    // Duplex other than "", +, -, split, off
  BadMode,      // Mode other than FM, NFM
  BadPower,     // Power neither High, Low nor a wattage
  DoubleLocation,
  ShortRow,      // fewer fields (value) than the header has (detail)
  NoChannel,     // nothing in the file could be stored
  OutsideRadio,  // a location outside 1..16
  PastSixteen,   // numbered in order, after the 16th
};

// One row that cannot be represented: its 1-based line, column name and value.
struct CsvProblem {
  int line = 0;
  std::string column;
  std::string value;
  CsvReason reason = CsvReason::BadNumber;
  std::string detail;
  friend bool operator==(const CsvProblem&, const CsvProblem&) = default;
};

enum class CsvNoteKind {
  SkippedLocation,  // a location outside 1..16, skipped
  Snapped,  // moved down onto the 5/6.25 kHz raster: the column's value -> the frequency stored
  TxToneWithoutTx,  // Duplex off: the transmit tone has nowhere to go and is dropped
  LeftOut,          // a row that does not fit, left out: why in reason and detail
};

struct CsvNote {
  int line = 0;
  CsvNoteKind kind = CsvNoteKind::SkippedLocation;
  std::string column;
  std::string value;
  std::string result;
  std::optional<CsvReason> reason;  // of a row left out
  friend bool operator==(const CsvNote&, const CsvNote&) = default;
};

// One channel row of a file, read but not yet placed. Comments, blank lines and rows
// of frequency 0 are no rows.
struct CsvRow {
  int line = 0;
  std::string location;               // as written
  std::optional<int> locationNumber;  // when a whole number
  std::string frequency;              // as written
  std::vector<CsvProblem> problems;   // why it cannot be stored; none: it fits
  std::vector<CsvNote> notes;
  // The channel, when it fits.
  Freq10Hz rx;
  std::optional<Freq10Hz> tx;  // none: Duplex off
  int decode = 0;              // tone list positions
  int encode = 0;
  BusyLock busyLock = BusyLock::Off;
  bool wide = true;
  bool low = false;
  bool scanAdd = true;

  bool Fits() const { return problems.empty(); }
};

// Reads every row of the CSV in file order, each handed to row; the problems of the
// file itself (a missing column) come back, and then no row is read.
std::vector<CsvProblem> ReadChirpCsv(std::string_view text, FreqRange limits,
                                     const std::function<void(CsvRow&&)>& row);

// Stores a row that fits into channel n as the grid stores the same typed values.
void StoreCsvRow(const CsvRow& row, int n, FreqRange limits, RadioImage& image);

struct CsvImportOptions {
  bool skipUnfit = false;  // leave out, with a note, the rows that cannot be stored
  bool renumber = false;   // channels 1, 2, ... in file order, Location ignored
};

struct CsvImport {
  std::vector<CsvProblem> problems;
  std::vector<CsvNote> notes;
  int channels = 0;  // channels imported
  bool Imported() const { return problems.empty(); }
};

// Reads the CSV into channels 1..16 of image: every named channel is built as the
// grid would store the same typed values, the channels the CSV does not name are
// cleared, and nothing else changes. All or nothing: with any problem, or when no
// channel would be stored, the image is left exactly as it was.
// Frequencies are checked against limits by the grid's rule (low <= f < high; high is
// the band's upper edge + 1 MHz once a band is applied).
CsvImport ImportChirpCsv(std::string_view text, FreqRange limits, RadioImage& image,
                         CsvImportOptions options = {});

// The rows of a file as the import dialog offers them: which are checked, the channel
// each goes to, and which checked rows share a channel.
class CsvImportChoice {
 public:
  explicit CsvImportChoice(std::vector<CsvRow> rows);

  int Size() const { return static_cast<int>(rows_.size()); }
  const CsvRow& Row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
  bool Checked(int i) const { return picks_[static_cast<std::size_t>(i)].checked; }
  int Target(int i) const { return picks_[static_cast<std::size_t>(i)].target; }  // 0: none
  // Checked, and another checked row goes to the same channel.
  bool Duplicate(int i) const;
  // A row that cannot be stored stays unchecked; one checked without a channel
  // gets the first channel no checked row takes.
  void SetChecked(int i, bool checked);
  void SetTarget(int i, int channel);
  // On: the fitting rows take channels 1..16 in file order and are checked, the rest
  // not. Off: each row its Location, the first fitting row for each checked.
  void SetRenumbered(bool renumbered);
  bool Renumbered() const { return renumbered_; }
  int CheckedCount() const;
  // Something is checked and no two checked rows share a channel.
  bool CanStore() const;
  // The checked rows into their channels; the other channels keep what they hold.
  void Store(FreqRange limits, RadioImage& image) const;

 private:
  struct Pick {
    bool checked = false;
    int target = 0;
  };
  void Count(const Pick& pick, int delta);

  std::vector<CsvRow> rows_;
  std::vector<Pick> picks_;
  std::array<int, 17> perChannel_{};  // checked rows per channel
  bool renumbered_ = false;
};

// What the dialog shows of a row, in the grid's texts.
struct CsvRowTexts {
  std::string rx, tx, decode, encode, bandwidth, power, fit;
};
CsvRowTexts CsvRowText(const CsvRow& row, FreqRange limits, bool chinese);

// "line 3, Frequency "136.1x": not a number", in the chosen language.
std::string CsvProblemText(const CsvProblem& problem, bool chinese);
std::string CsvNoteText(const CsvNote& note, bool chinese);
// Why a row cannot be stored, without its line: "frequency outside the band".
std::string CsvReasonText(const CsvProblem& problem, bool chinese);
// A file over kCsvMaxBytes: its name and size (0 when unknown, as for a pipe).
std::string CsvTooBigText(const std::string& file, std::size_t bytes, bool chinese);
