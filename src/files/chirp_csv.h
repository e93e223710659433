#pragma once
// Channels 1..16 as CSV in the layout CHIRP reads and writes, so that channel plans
// move between this program and other radio tools. Plain C++: text in, text out.
#include <string>
#include <string_view>
#include <vector>

#include "codec/frequency.h"
#include "image/radio_image.h"

inline constexpr std::string_view kChirpCsvHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// The header and one line per non-empty channel, in channel order, each ending in CR LF.
std::string ChirpCsvText(const RadioImage& image);

enum class CsvReason {
  MissingColumn,   // a column without which no channel can be read
  BadNumber,       // not a decimal number
  OutOfBand,       // a frequency outside the limits
  ToneNotInTable,  // a CTCSS tone or DCS code the radio does not have
  BadToneMode,     // Tone other than "", Tone, TSQL, DTCS, Cross
  BadCrossMode,
  BadPolarity,  // DtcsPolarity other than two letters N or R
  BadDuplex,    // Duplex other than "", +, -, split, off
  BadMode,      // Mode other than FM, NFM
  BadPower,     // Power neither High, Low nor a wattage
  DoubleLocation,
};

// One row that cannot be represented: its 1-based line, column name and value.
struct CsvProblem {
  int line = 0;
  std::string column;
  std::string value;
  CsvReason reason = CsvReason::BadNumber;
  friend bool operator==(const CsvProblem&, const CsvProblem&) = default;
};

enum class CsvNoteKind {
  EmptyLine,        // skipped
  SkippedLocation,  // a location outside 1..16, skipped
  Snapped,  // moved down onto the 5/6.25 kHz raster: the column's value -> the frequency stored
  TxToneWithoutTx,  // Duplex off: the transmit tone has nowhere to go and is dropped
};

struct CsvNote {
  int line = 0;
  CsvNoteKind kind = CsvNoteKind::EmptyLine;
  std::string column;
  std::string value;
  std::string result;
  friend bool operator==(const CsvNote&, const CsvNote&) = default;
};

struct CsvImport {
  std::vector<CsvProblem> problems;
  std::vector<CsvNote> notes;
  int channels = 0;  // channels imported
  bool Imported() const { return problems.empty(); }
};

// Reads the CSV into channels 1..16 of image: every named channel is built as the
// grid would store the same typed values, the channels the CSV does not name are
// cleared, and nothing else changes. All or nothing: with any problem the image is
// left exactly as it was.
// Frequencies are checked against limits by the grid's rule (low <= f < high; high is
// the band's upper edge + 1 MHz once a band is applied).
CsvImport ImportChirpCsv(std::string_view text, FreqRange limits, RadioImage& image);

// "line 3, Frequency "136.1x": not a number", in the chosen language.
std::string CsvProblemText(const CsvProblem& problem, bool chinese);
std::string CsvNoteText(const CsvNote& note, bool chinese);
