// The CHIRP CSV codec: one export row per tone mode, cross mode, duplex and
// polarity, each read back into the same record; files of other radios; bad rows.
#include "files/chirp_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
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
                   ",445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"Tone, plus offset",
                   {"445", "450", 0, kT1000},
                   ",445.000000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"TSQL, minus offset",
                   {"445", "440", kT1000, kT1000},
                   ",445.000000,-,5.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"DTCS normal",
                   {"445", "445", kD754N, kD754N},
                   ",445.000000,,0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"DTCS, RX inverted",
                   {"445", "445", kD023I, kD023N},
                   ",445.000000,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"Cross Tone->Tone",
                   {"445", "445", kT1000, kT670},
                   ",445.000000,,0.000000,Cross,67.0,100.0,023,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"Cross Tone->DTCS, the documented example",
                   {"436.12500", "438.00625", kD023I, kT885, 0x98},
                   ",436.125000,+,1.881250,Cross,88.5,88.5,023,NR,023,Tone->DTCS,NFM,6.25,S,Low,"
                   "BCL:QT/DQT"},
        ExportCase{"Cross DTCS->Tone",
                   {"445", "445", kT1000, kD754I},
                   ",445.000000,,0.000000,Cross,88.5,100.0,754,RN,023,DTCS->Tone,FM,5.00,,High,"},
        ExportCase{"Cross ->Tone",
                   {"445", "445", kT1000, 0},
                   ",445.000000,,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,FM,5.00,,High,"},
        ExportCase{"Cross ->DTCS",
                   {"445", "445", kD025N, 0},
                   ",445.000000,,0.000000,Cross,88.5,88.5,023,NN,025,->DTCS,FM,5.00,,High,"},
        ExportCase{"Cross DTCS->",
                   {"445", "445", 0, kD025I},
                   ",445.000000,,0.000000,Cross,88.5,88.5,025,RN,023,DTCS->,FM,5.00,,High,"},
        ExportCase{"Cross DTCS->DTCS",
                   {"445", "445", kD754I, kD025N},
                   ",445.000000,,0.000000,Cross,88.5,88.5,025,NR,754,DTCS->DTCS,FM,5.00,,High,"},
        ExportCase{"no TX: the decode tone alone",
                   {"445", std::nullopt, kT1000},
                   ",445.000000,off,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,FM,5.00,,High,"},
        ExportCase{"70 MHz apart is a split",
                   {"400", "470"},
                   ",400.000000,split,470.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"},
        ExportCase{"just under 70 MHz is an offset",
                   {"400", "469.99375"},
                   ",400.000000,+,69.993750,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,"},
        ExportCase{"carrier lock, low, narrow, no scan",
                   {"445", "445", 0, 0, 0x88},
                   ",445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,"
                   "BCL:Carrier"},
        ExportCase{"a grid point on both rasters is 5.00",
                   {"445.025", "445.025"},
                   ",445.025000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"}),
    [](const auto& row) { return "row" + std::to_string(row.index); });

TEST(ChirpCsvExport, TheDocumentedExample) {
  RadioImage image = Blank();
  Put(image, 2, {"136.125", "438.00625", kD023I, kT885, 0x98});
  EXPECT_EQ(ChirpCsvText(image),
            kHeader +
                "2,,136.125000,split,438.006250,Cross,88.5,88.5,023,NR,023,Tone->DTCS,NFM,"
                "6.25,S,Low,BCL:QT/DQT,,,,\r\n");
}

TEST(ChirpCsvExport, WhatTheGridShowsAsNothingExportsAsNothing) {
  RadioImage image = Blank();
  Put(image, 3, {"445", "445"});
  image.at(3, kDecodeToneCol + 1) = 200;  // shows table entry 0
  image.at(3, kOptionCol) = 0x70;         // busy bits 10: the grid shows no text
  EXPECT_EQ(
      ChirpCsvText(image),
      kHeader + "3,,445.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n");
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
      {2, CsvNoteKind::SkippedLocation, "Location", "0", ""},
      {4, CsvNoteKind::EmptyLine, "", "", ""},
      {5, CsvNoteKind::Snapped, "Frequency", "445.003000", "445.00000"},
      {6, CsvNoteKind::SkippedLocation, "Location", "200", ""}};
  EXPECT_EQ(result.notes, notes);

  RadioImage expected = Blank();
  expected.at(0, 0) = 7;
  Put(expected, 2, {"439.1", "431.5", 0, kT885, 0x88});
  Put(expected, 5, {"445", "445", kD025N, kD025I, 0x60});
  EXPECT_EQ(image, expected);
  EXPECT_EQ(CsvNoteText(result.notes[2], false),
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
                          "\n1,,445.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM\n" + BadRow(c) +
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
                CsvReason::OutOfBand},
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
  EXPECT_EQ(missing.problems[0], (CsvProblem{1, "Frequency", "", CsvReason::MissingColumn}));

  const CsvImport two =
      ImportChirpCsv("Location,Frequency,Mode\n1,300,FM\n2,445,AM\n", kBand400, image);
  ASSERT_EQ(two.problems.size(), 2u);
  EXPECT_EQ(CsvProblemText(two.problems[0], false),
            "line 2, Frequency \"300\": frequency outside the band");
  EXPECT_EQ(CsvProblemText(two.problems[1], true), "第 3 行，Mode “AM”：模式只能是 FM 或 NFM");
  EXPECT_EQ(two.channels, 0);
}

}  // namespace
