// The CHIRP CSV codec: one export row per tone mode, cross mode, duplex and
// polarity, each read back into the same record; files of other radios; bad rows.
#include "files/chirp_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "codec/channel_record.h"
#include "codec/tones.h"

namespace {

constexpr FreqRange kBand400{Freq10Hz::MHz(400), Freq10Hz::MHz(471)};
const std::string kHeader = std::string(kChirpCsvHeader) + "\r\n";

// Tone list positions.
constexpr int kT670 = 1, kT885 = 9, kT1000 = 13;
constexpr int kD023N = 51, kD025N = 52, kD754N = 155, kD023I = 156, kD025I = 157, kD754I = 260;

RadioImage Blank() {
  RadioImage image;
  image.Fill(0xFF);
  return image;
}

struct Channel {
  const char* rx;
  std::optional<const char*> tx;  // nullopt: no transmit frequency
  int decode = 0;
  int encode = 0;
  std::uint8_t options = kNewChannelOptions;
};

// Channel n as the grid stores typed values.
void Put(RadioImage& image, int n, const Channel& ch) {
  std::string text = ch.rx;
  ASSERT_TRUE(StoreFreqText(image, text, n, kRxFreqCol));
  New_Chann(image, n);
  if (ch.tx) {
    text = *ch.tx;
    ASSERT_TRUE(StoreFreqText(image, text, n, kTxFreqCol));
    SetChannelEncodeTone(image, n, ch.encode);
  } else {
    ClearChannelTx(image, n, kGridToneOff);
  }
  SetChannelDecodeTone(image, n, ch.decode);
  image.at(n, kOptionCol) = ch.options;
}

struct ExportCase {
  const char* what;
  Channel channel;
  const char* line;  // without "1," and the trailing ",,,,"
};

class ChirpCsvExport : public ::testing::TestWithParam<ExportCase> {};

// Every row also comes back through the import as the same record, and exports again
// as the same line.
TEST_P(ChirpCsvExport, LineAndRecordRoundTrip) {
  const ExportCase& c = GetParam();
  RadioImage image = Blank();
  Put(image, 1, c.channel);
  const std::string csv = ChirpCsvText(image);
  EXPECT_EQ(csv, kHeader + "1," + c.line + ",,,,\r\n");

  RadioImage back = Blank();
  const CsvImport result = ImportChirpCsv(csv, kBand400, back);
  ASSERT_TRUE(result.Imported()) << CsvProblemText(result.problems.front(), false);
  EXPECT_EQ(result.channels, 1);
  for (int col = 0; col < 16; ++col) EXPECT_EQ(back.at(1, col), image.at(1, col)) << col;
  EXPECT_EQ(ChirpCsvText(back), csv);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChirpCsvExport,
    ::testing::Values(
        ExportCase{"no tones, TX = RX",
                   {"445", "445"},
                   ",445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"Tone, plus offset",
                   {"445", "450", 0, kT1000},
                   ",445.000000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"TSQL, minus offset",
                   {"445", "440", kT1000, kT1000},
                   ",445.000000,-,5.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"DTCS normal",
                   {"445", "445", kD754N, kD754N},
                   ",445.000000,,0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"DTCS, RX inverted",
                   {"445", "445", kD023I, kD023N},
                   ",445.000000,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"Cross Tone->Tone",
                   {"445", "445", kT1000, kT670},
                   ",445.000000,,0.000000,Cross,67.0,100.0,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"Cross Tone->DTCS, the documented example",
                   {"436.12500", "438.00625", kD023I, kT885, 0x98},
                   ",436.125000,+,1.881250,Cross,88.5,88.5,023,NR,023,Tone->DTCS,NFM,6.25,S,1.0W,"
                   "BCL:QT/DQT"},
        ExportCase{"Cross DTCS->Tone",
                   {"445", "445", kT1000, kD754I},
                   ",445.000000,,0.000000,Cross,88.5,100.0,754,RN,023,DTCS->Tone,FM,5.00,,5.0W,"},
        ExportCase{"Cross ->Tone",
                   {"445", "445", kT1000, 0},
                   ",445.000000,,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,FM,5.00,,5.0W,"},
        ExportCase{"Cross ->DTCS",
                   {"445", "445", kD025N, 0},
                   ",445.000000,,0.000000,Cross,88.5,88.5,023,NN,025,->DTCS,FM,5.00,,5.0W,"},
        ExportCase{"Cross DTCS->",
                   {"445", "445", 0, kD025I},
                   ",445.000000,,0.000000,Cross,88.5,88.5,025,RN,023,DTCS->,FM,5.00,,5.0W,"},
        ExportCase{"Cross DTCS->DTCS",
                   {"445", "445", kD754I, kD025N},
                   ",445.000000,,0.000000,Cross,88.5,88.5,025,NR,754,DTCS->DTCS,FM,5.00,,5.0W,"},
        ExportCase{"no TX: the decode tone alone",
                   {"445", std::nullopt, kT1000},
                   ",445.000000,off,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,FM,5.00,,5.0W,"},
        ExportCase{"70 MHz apart is a split",
                   {"400", "470"},
                   ",400.000000,split,470.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"},
        ExportCase{"just under 70 MHz is an offset",
                   {"400", "469.99375"},
                   ",400.000000,+,69.993750,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,5.0W,"},
        ExportCase{"carrier lock, low, narrow, no scan",
                   {"445", "445", 0, 0, 0x88},
                   ",445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,1.0W,"
                   "BCL:Carrier"},
        ExportCase{"a grid point on both rasters is 5.00",
                   {"445.025", "445.025"},
                   ",445.025000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,"}),
    [](const auto& row) { return "row" + std::to_string(row.index); });

TEST(ChirpCsvExport, TheDocumentedExample) {
  RadioImage image = Blank();
  Put(image, 2, {"136.125", "438.00625", kD023I, kT885, 0x98});
  EXPECT_EQ(ChirpCsvText(image),
            kHeader +
                "2,,136.125000,split,438.006250,Cross,88.5,88.5,023,NR,023,Tone->DTCS,NFM,"
                "6.25,S,1.0W,BCL:QT/DQT,,,,\r\n");
}

TEST(ChirpCsvExport, WhatTheGridShowsAsNothingExportsAsNothing) {
  RadioImage image = Blank();
  Put(image, 3, {"445", "445"});
  image.at(3, kDecodeToneCol + 1) = 200;  // shows table entry 0
  image.at(3, kOptionCol) = 0x70;         // busy bits 10: the grid shows no text
  EXPECT_EQ(
      ChirpCsvText(image),
      kHeader + "3,,445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\r\n");
}

// A CHIRP export of another radio: other columns, other order, quoted fields,
// wattages, locations the radio does not have.
TEST(ChirpCsvImport, AnotherRadiosFile) {
  RadioImage image = Blank();
  Put(image, 9, {"445", "445"});  // not named: cleared
  image.at(0, 0) = 7;             // not a channel: kept
  const std::string csv =
      "\xEF\xBB\xBF"
      "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
      "Power,Skip,Comment\n"
      "0,Call,446.006250,,0.000000,,88.5,88.5,023,NN,FM,5.0W,,\n"
      "2,\"Rep, north\",439.100000,-,7.600000,Tone,88.5,88.5,023,NN,NFM,1.0W,S,\"BCL:Carrier\"\n"
      "\n"
      "5,,445.003000,,0.000000,DTCS,88.5,88.5,025,RN,FM,2W,,\n"
      "200,,145.000000,,0.000000,,88.5,88.5,023,NN,FM,High,,\n";
  const CsvImport result = ImportChirpCsv(csv, kBand400, image);
  ASSERT_TRUE(result.Imported()) << CsvProblemText(result.problems.front(), false);
  EXPECT_EQ(result.channels, 2);
  const std::vector<CsvNote> notes = {
      {2, CsvNoteKind::SkippedLocation, "Location", "0", "", {}},
      {5, CsvNoteKind::Snapped, "Frequency", "445.003000", "445.00000", {}},
      {6, CsvNoteKind::SkippedLocation, "Location", "200", "", {}}};
  EXPECT_EQ(result.notes, notes);

  RadioImage expected = Blank();
  expected.at(0, 0) = 7;
  Put(expected, 2, {"439.1", "431.5", 0, kT885, 0x88});
  Put(expected, 5, {"445", "445", kD025N, kD025I, 0x60});
  EXPECT_EQ(image, expected);
  EXPECT_EQ(CsvNoteText(result.notes[1], false),
            "line 5, Frequency \"445.003000\": stored on the channel raster as 445.00000");
}

TEST(ChirpCsvImport, RoundTripKeepsTheCsv) {
  RadioImage image = Blank();
  Put(image, 1, {"400.00625", "470.5", kD023I, kT885, 0x98});
  Put(image, 7, {"445", std::nullopt, kT1000, 0, 0x28});
  Put(image, 16, {"462.5625", "467.5625", kT670, kT670, 0x40});
  const std::string csv = ChirpCsvText(image);
  RadioImage back = Blank();
  ASSERT_TRUE(ImportChirpCsv(csv, kBand400, back).Imported());
  EXPECT_EQ(ChirpCsvText(back), csv);
}

// Export, import, export gives the same text, for thousands of random channel sets.
TEST(ChirpCsvImport, RoundTripProperty) {
  for (unsigned seed = 1; seed <= 500; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    // A frequency in 400..470 MHz on the 5 kHz or the 6.25 kHz raster.
    const auto frequency = [&] {
      const std::int64_t step = pick(2) ? 500 : 625;
      return FreqText(Freq10Hz{40'000'000 + pick(static_cast<int>(7'000'000 / step)) * step});
    };
    RadioImage image = Blank();
    for (int n = 1; n <= 16; ++n) {
      if (pick(4) == 0) continue;
      const std::string rx = frequency();
      const std::string tx = pick(3) == 0 ? rx : frequency();
      const int kind = pick(3);  // decode and encode: none, CTCSS or DCS
      Put(image, n,
          {rx.c_str(), pick(8) == 0 ? std::nullopt : std::optional(tx.c_str()),
           kind == 0   ? 0
           : kind == 1 ? 1 + pick(50)
                       : 51 + pick(210),
           pick(2) ? 0 : 1 + pick(260), static_cast<std::uint8_t>(random())});
    }
    const std::string csv = ChirpCsvText(image);
    RadioImage back = Blank();
    const CsvImport result = ImportChirpCsv(csv, kBand400, back);
    ASSERT_TRUE(result.Imported() || result.channels == 0) << "seed " << seed;
    EXPECT_EQ(ChirpCsvText(back), csv) << "seed " << seed;
  }
}

// A good row with some columns spoilt: each edit names a column of kBadRowHeader
// and what to put there.
struct BadCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> edits;
  const char* column;
  CsvReason reason;
};

constexpr const char* kBadRowHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,Power";

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> fields{""};
  for (char ch : text) {
    if (ch == ',') {
      fields.emplace_back();
    } else {
      fields.back().push_back(ch);
    }
  }
  return fields;
}

// Channel 2 at 445 with no tones, then the case's edits; a column past the last
// one written is added with empty ones before it.
std::string BadRow(const BadCase& c) {
  const std::vector<std::string> header = SplitCommas(kBadRowHeader);
  std::vector<std::string> fields = SplitCommas("2,,445,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM");
  for (const auto& [column, value] : c.edits) {
    const auto at =
        static_cast<std::size_t>(std::find(header.begin(), header.end(), column) - header.begin());
    if (at >= fields.size()) fields.resize(at + 1);
    fields[at] = value;
  }
  fields.resize(header.size());
  std::string row;
  for (const std::string& field : fields) row += (row.empty() ? "" : ",") + field;
  return row;
}

class ChirpCsvBadRow : public ::testing::TestWithParam<BadCase> {};

// A bad row fails the whole import and leaves the image as it was.
TEST_P(ChirpCsvBadRow, NamesLineColumnAndReason) {
  const BadCase& c = GetParam();
  RadioImage image = Blank();
  Put(image, 4, {"445", "445"});
  const RadioImage before = image;
  const std::string csv = std::string(kBadRowHeader) +
                          "\n1,,445.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,\n" + BadRow(c) +
                          "\n";
  const CsvImport result = ImportChirpCsv(csv, kBand400, image);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].line, 3);
  EXPECT_EQ(result.problems[0].column, c.column);
  EXPECT_EQ(result.problems[0].reason, c.reason);
  EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChirpCsvBadRow,
    ::testing::Values(
        BadCase{"malformed frequency", {{"Frequency", "44x.5"}}, "Frequency", CsvReason::BadNumber},
        BadCase{"below the band", {{"Frequency", "399.995"}}, "Frequency", CsvReason::OutOfBand},
        BadCase{"the grid refuses the upper limit itself",
                {{"Frequency", "471.000000"}},
                "Frequency",
                CsvReason::OutOfBand},
        BadCase{"offset takes TX out of the band",
                {{"Duplex", "+"}, {"Offset", "30"}},
                "Offset",
                CsvReason::TxOutOfBand},
        BadCase{"malformed offset",
                {{"Duplex", "split"}, {"Offset", "abc"}},
                "Offset",
                CsvReason::BadNumber},
        BadCase{"unknown duplex", {{"Duplex", "x"}}, "Duplex", CsvReason::BadDuplex},
        BadCase{"CTCSS not in the table",
                {{"Tone", "Tone"}, {"rToneFreq", "69.4"}},
                "rToneFreq",
                CsvReason::ToneNotInTable},
        BadCase{"DCS not in the table",
                {{"Tone", "DTCS"}, {"DtcsCode", "024"}},
                "DtcsCode",
                CsvReason::ToneNotInTable},
        BadCase{"malformed DCS",
                {{"Tone", "Cross"}, {"RxDtcsCode", "2x3"}, {"CrossMode", "->DTCS"}},
                "RxDtcsCode",
                CsvReason::BadNumber},
        BadCase{"unknown tone mode", {{"Tone", "DTCS-R"}}, "Tone", CsvReason::BadToneMode},
        BadCase{"unknown cross mode",
                {{"Tone", "Cross"}, {"CrossMode", "Tone->X"}},
                "CrossMode",
                CsvReason::BadCrossMode},
        BadCase{"bad polarity",
                {{"Tone", "DTCS"}, {"DtcsPolarity", "NX"}},
                "DtcsPolarity",
                CsvReason::BadPolarity},
        BadCase{"AM", {{"Mode", "AM"}}, "Mode", CsvReason::BadMode},
        BadCase{"power nobody can read", {{"Power", "lots"}}, "Power", CsvReason::BadPower},
        BadCase{"malformed location", {{"Location", "x"}}, "Location", CsvReason::BadNumber},
        BadCase{"location twice", {{"Location", "1"}}, "Location", CsvReason::DoubleLocation}),
    [](const auto& row) { return "row" + std::to_string(row.index); });

TEST(ChirpCsvImport, EveryBadRowIsListedAndMessagesReadInBothLanguages) {
  RadioImage image = Blank();
  const CsvImport missing = ImportChirpCsv("Location,Name,Freq\n1,,445\n", kBand400, image);
  ASSERT_EQ(missing.problems.size(), 1u);
  EXPECT_EQ(missing.problems[0], (CsvProblem{1, "Frequency", "", CsvReason::MissingColumn, {}}));

  const CsvImport two =
      ImportChirpCsv("Location,Frequency,Mode\n1,300,FM\n2,445,AM\n", kBand400, image);
  ASSERT_EQ(two.problems.size(), 2u);
  EXPECT_EQ(CsvProblemText(two.problems[0], false),
            "line 2, Frequency \"300\": frequency outside the band");
  EXPECT_EQ(CsvProblemText(two.problems[1], true), "第 3 行，Mode “AM”：模式只能是 FM 或 NFM");
  EXPECT_EQ(two.channels, 0);
}

// CHIRP's reading of a file, rule by rule: what the import stores, shown as the
// export of it (the row after "n,," up to the Power column), and what it says.
struct RuleCase {
  const char* what;
  const char* csv;
  CsvImportOptions options;
  std::vector<std::string> rows;      // "1,446.000000,...,5.0W" per channel stored
  std::vector<std::string> messages;  // problems, then notes, in English
};

class ChirpCsvRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ChirpCsvRule, StoresAndSays) {
  const RuleCase& c = GetParam();
  RadioImage image = Blank();
  Put(image, 9, {"445", "445"});
  const RadioImage before = image;
  const CsvImport result = ImportChirpCsv(c.csv, kBand400, image, c.options);
  std::vector<std::string> messages;
  for (const CsvProblem& problem : result.problems)
    messages.push_back(CsvProblemText(problem, false));
  for (const CsvNote& note : result.notes) messages.push_back(CsvNoteText(note, false));
  EXPECT_EQ(messages, c.messages);
  std::vector<std::string> rows;
  const std::string csv = ChirpCsvText(image);
  for (std::size_t at = kHeader.size(); at < csv.size();) {
    const std::size_t end = csv.find("\r\n", at);
    const std::vector<std::string> f = SplitCommas(csv.substr(at, end - at));
    std::string row = f[0];
    for (std::size_t k : {2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 15u}) row += "," + f[k];
    rows.push_back(row);
    at = end + 2;
  }
  if (!result.Imported()) {
    EXPECT_EQ(image, before);
    EXPECT_TRUE(c.rows.empty());
  } else {
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(result.channels, static_cast<int>(c.rows.size()));
  }
}

#define HEAD "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
INSTANTIATE_TEST_SUITE_P(
    Rules, ChirpCsvRule,
    ::testing::Values(
        RuleCase{"watts: up to 1.5 W low, above high, empty high, High and Low as words",
                 HEAD "Power\n1,,446,,0,,,,,,5.0W\n2,,446,,0,,,,,,1.5W\n3,,446,,0,,,,,,2\n"
                      "4,,446,,0,,,,,,\n5,,446,,0,,,,,,low\n6,,446,,0,,,,,,0.5\n",
                 {},
                 {"1,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,1.0W",
                  "3,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "4,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "5,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,1.0W",
                  "6,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,1.0W"},
                 {}},
        RuleCase{"polarity R leaves CTCSS alone and inverts DCS only",
                 HEAD "CrossMode\n1,,446.0,,,TSQL,88.5,100.0,,NR,\n"
                      "2,,446.0,,,Cross,100.0,,754,RR,Tone->DTCS\n",
                 {},
                 {"1,446.000000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,446.000000,,0.000000,Cross,100.0,88.5,023,NR,754,Tone->DTCS,FM,5.0W"},
                 {}},
        RuleCase{"one tone column serves both; no RxDtcsCode: DtcsCode serves",
                 "Location,Frequency,Tone,rToneFreq,DtcsCode,CrossMode\n1,446,TSQL,100.0,,\n"
                 "2,446,Cross,100.0,025,Tone->DTCS\n",
                 {},
                 {"1,446.000000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,446.000000,,0.000000,Cross,100.0,88.5,023,NN,025,Tone->DTCS,FM,5.0W"},
                 {}},
        RuleCase{"comments, blank lines and frequency 0 are no rows; CR line ends",
                 "# CHIRP\rLocation,Frequency\r\r# 1,400\r1,0.000000\r\r\n2,446\r#3,447\r",
                 {},
                 {"2,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {}},
        RuleCase{"a quoted field may hold line ends; lines are counted as written",
                 "Location,Frequency,Comment\r\n1,446,\"two\r\nlines\"\r\n2,300,\"a\rb\"\r\n",
                 {true, false},
                 {"1,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {"line 4, Frequency \"300\": frequency outside the band; row left out"}},
        RuleCase{"Tone-> sends a tone and opens on carrier; DTCS-> and ->Tone too",
                 "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,CrossMode\n"
                 "1,446,Cross,100.0,88.5,023,Tone->\n2,446,Cross,88.5,67.0,754,DTCS->\n"
                 "3,446,Cross,88.5,67.0,023,->Tone\n",
                 {},
                 {"1,446.000000,,0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,446.000000,,0.000000,Cross,88.5,88.5,754,NN,023,DTCS->,FM,5.0W",
                  "3,446.000000,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.0W"},
                 {}},
        RuleCase{"MHz and kHz after the number, any column order, a BOM, unknown columns",
                 "\xEF\xBB\xBFOffset,Duplex,Frequency,Extra,Location\n"
                 "600 kHz,+,446.00625 MHz,x,1\n7.6MHz,-,439.1,y,2\n",
                 {},
                 {"1,446.006250,+,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,439.100000,-,7.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {}},
        RuleCase{"a short row says both counts",
                 "Location,Frequency,Duplex,Mode\n1,446,,FM\n2,446,\n",
                 {},
                 {},
                 {"line 3: only 3 fields, the header has 4"}},
        RuleCase{"an out-of-band TX names the frequency duplex and offset give",
                 "Location,Frequency,Duplex,Offset\n1,446,+,30\n",
                 {},
                 {},
                 {"line 2, Offset \"30\": the transmit frequency 476.00000 that Duplex and "
                  "Offset give is outside the band"}},
        RuleCase{"a header alone stores nothing and fails",
                 HEAD "Power\n",
                 {},
                 {},
                 {"the file holds no channel that can be imported"}},
        RuleCase{"rows all outside 1-16 fail as well",
                 "Location,Frequency\n0,446\n17,446\n",
                 {},
                 {},
                 {"the file holds no channel that can be imported",
                  "line 2, Location \"0\": skipped, the radio has channels 1 to 16",
                  "line 3, Location \"17\": skipped, the radio has channels 1 to 16"}},
        RuleCase{"skip-unfit leaves out what cannot be stored, with line and reason",
                 "Location,Frequency,Tone,rToneFreq\n1,146.52,,\n2,446,Tone,69.4\n3,446,,\n"
                 "0,446,,\n3,447,,\n",
                 {true, false},
                 {"3,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {"line 2, Frequency \"146.52\": frequency outside the band; row left out",
                  "line 3, rToneFreq \"69.4\": tone not in the table; row left out",
                  "line 5, Location \"0\": the radio has channels 1 to 16; row left out",
                  "line 6, Location \"3\": location given twice; row left out"}},
        RuleCase{"renumber places rows in file order, Location ignored",
                 "Location,Frequency\n0,446\n99,446.1\nx,446.2\n",
                 {false, true},
                 {"1,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "2,446.100000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W",
                  "3,446.200000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {}},
        RuleCase{"both: the first rows that fit",
                 "Location,Frequency\n40,146.52\n41,446\n",
                 {true, true},
                 {"1,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.0W"},
                 {"line 2, Frequency \"146.52\": frequency outside the band; row left out"}}),
    [](const auto& row) { return "rule" + std::to_string(row.index); });
#undef HEAD

// The dialog's choice: the fitting rows checked at their Location, the first of two
// for one channel; duplicates marked; numbered in order; only the checked stored.
TEST(ChirpCsvChoice, ChecksMarksRenumbersAndStores) {
  std::vector<CsvRow> rows;
  ASSERT_TRUE(
      ReadChirpCsv("Location,Frequency\n3,446\n3,447\n0,146\n0,448\n", kBand400, [&](CsvRow&& row) {
        rows.push_back(std::move(row));
      }).empty());
  CsvImportChoice choice(rows);
  EXPECT_EQ(
      std::vector<int>({choice.Target(0), choice.Target(1), choice.Target(2), choice.Target(3)}),
      std::vector<int>({3, 3, 0, 0}));
  EXPECT_TRUE(choice.Checked(0) && !choice.Checked(1) && !choice.Checked(3));
  choice.SetChecked(1, true);
  EXPECT_TRUE(choice.Duplicate(0) && choice.Duplicate(1));
  EXPECT_FALSE(choice.CanStore());
  choice.SetChecked(2, true);  // does not fit
  EXPECT_FALSE(choice.Checked(2));
  choice.SetChecked(3, true);  // no Location in 1..16: the first free channel
  EXPECT_EQ(choice.Target(3), 1);
  choice.SetTarget(1, 16);
  EXPECT_TRUE(choice.CanStore());
  EXPECT_EQ(CsvRowText(choice.Row(2), kBand400, false).fit, "frequency outside the band");
  EXPECT_EQ(CsvRowText(choice.Row(1), kBand400, true).fit, "可导入");

  choice.SetRenumbered(true);
  EXPECT_EQ(
      std::vector<int>({choice.Target(0), choice.Target(1), choice.Target(2), choice.Target(3)}),
      std::vector<int>({1, 2, 0, 3}));
  EXPECT_EQ(choice.CheckedCount(), 3);
  choice.SetChecked(1, false);
  RadioImage image = Blank();
  Put(image, 2, {"445", "445"});
  RadioImage expected = image;
  choice.Store(kBand400, image);
  StoreCsvRow(choice.Row(0), 1, kBand400, expected);
  StoreCsvRow(choice.Row(3), 3, kBand400, expected);
  EXPECT_EQ(image, expected);
}

}  // namespace
