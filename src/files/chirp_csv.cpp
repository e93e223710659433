#include "files/chirp_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "channels/channel_edit_rules.h"
#include "codec/channel_record.h"
#include "codec/tones.h"

namespace {

constexpr std::int64_t kHzPer10Hz = 10;
// Closer than this, TX is an offset from RX; farther, a split frequency.
constexpr std::int64_t kOffsetLimit10Hz = 70 * Freq10Hz::kPerMHz;

std::string Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return s;
}

// --- Tones ---------------------------------------------------------------------

enum class ToneKind { None, Ctcss, Dcs };

struct CsvTone {
  ToneKind kind = ToneKind::None;
  std::string value;  // "88.5" or "023"
  bool inverted = false;
};

// The tone a stored pair shows as, by its list position; position 0 is no tone.
CsvTone ToneOf(StoredTone stored) {
  const int p = DecodeTone(stored);
  if (p <= 0 || p > kToneLast) return {};
  if (p <= kToneLastCtcss) return {ToneKind::Ctcss, Trimmed(ToneTableEntry(p))};
  const bool inverted = p > kToneLastDcs;
  const std::string normal = Trimmed(ToneTableEntry(inverted ? p - (kToneLast - kToneLastDcs) : p));
  return {ToneKind::Dcs, normal.substr(1, 3), inverted};
}

// A decimal number scaled by 10^decimals, digits past that cut; nullopt when the
// text is not digits with at most one point.
std::optional<std::int64_t> ParseDecimal(std::string_view text, int decimals) {
  const std::string t = Trimmed(text);
  if (t.empty()) return std::nullopt;
  std::int64_t whole = 0;
  std::int64_t fraction = 0;
  int fractionDigits = 0;
  bool point = false;
  bool digits = false;
  for (char c : t) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits = true;
      if (!point) {
        if (whole > 1'000'000'000) return std::nullopt;
        whole = whole * 10 + (c - '0');
      } else if (fractionDigits < decimals) {
        fraction = fraction * 10 + (c - '0');
        ++fractionDigits;
      }
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  for (int d = fractionDigits; d < decimals; ++d) fraction *= 10;
  std::int64_t scale = 1;
  for (int d = 0; d < decimals; ++d) scale *= 10;
  return whole * scale + fraction;
}

// List position of a CTCSS tone given in Hz ("88.5", "88.50"), 0 when the table has none.
int CtcssPosition(std::int64_t hundredths) {
  for (int p = 1; p <= kToneLastCtcss; ++p) {
    if (ParseDecimal(ToneTableEntry(p), 2) == hundredths) return p;
  }
  return 0;
}

// List position of a normal DCS code ("023", "23"), 0 when the table has none.
int DcsPosition(std::int64_t code) {
  for (int p = kToneLastCtcss + 1; p <= kToneLastDcs; ++p) {
    if (ParseDecimal(Trimmed(ToneTableEntry(p)).substr(1, 3), 0) == code) return p;
  }
  return 0;
}

// --- Export --------------------------------------------------------------------

// "136.125000": six decimals, as CHIRP writes frequencies.
std::string Mhz6(std::int64_t units) {
  const std::string five = FreqText(Freq10Hz{units});
  return five + "0";
}

bool OnRaster(Freq10Hz f, std::int64_t step) {
  return f.units % step == 0;
}

bool SixPointTwoFiveOnly(Freq10Hz f) {
  return OnRaster(f, 625) && !OnRaster(f, 500);
}

std::string CsvLine(const RadioImage& image, int n) {
  const Freq10Hz rx = ChannelRx(image, n);
  const bool hasTx = ChannelHasTx(image, n);
  const Freq10Hz tx = hasTx ? ChannelTx(image, n) : rx;

  std::string duplex;
  std::string offset = "0.000000";
  if (!hasTx) {
    duplex = "off";
  } else if (tx != rx) {
    const std::int64_t diff = tx.units - rx.units;
    if (diff > -kOffsetLimit10Hz && diff < kOffsetLimit10Hz) {
      duplex = diff > 0 ? "+" : "-";
      offset = Mhz6(diff > 0 ? diff : -diff);
    } else {
      duplex = "split";
      offset = Mhz6(tx.units);
    }
  }

  const CsvTone txTone = hasTx ? ToneOf(ChannelEncodeTone(image, n)) : CsvTone{};
  const CsvTone rxTone = ToneOf(ChannelDecodeTone(image, n));
  std::string mode;
  std::string rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023";
  std::string cross = "Tone->Tone";
  const auto kindPair = std::pair(txTone.kind, rxTone.kind);
  using K = ToneKind;
  if (kindPair == std::pair(K::None, K::None)) {
  } else if (kindPair == std::pair(K::Ctcss, K::None)) {
    mode = "Tone";
    rTone = txTone.value;
  } else if (kindPair == std::pair(K::Ctcss, K::Ctcss) && txTone.value == rxTone.value) {
    mode = "TSQL";
    cTone = rxTone.value;
  } else if (kindPair == std::pair(K::Dcs, K::Dcs) && txTone.value == rxTone.value) {
    mode = "DTCS";
    dtcs = txTone.value;
  } else {
    mode = "Cross";
    if (txTone.kind == K::Ctcss) rTone = txTone.value;
    if (txTone.kind == K::Dcs) dtcs = txTone.value;
    if (rxTone.kind == K::Ctcss) cTone = rxTone.value;
    if (rxTone.kind == K::Dcs) rxDtcs = rxTone.value;
    auto side = [](ToneKind k) { return k == K::Ctcss ? "Tone" : k == K::Dcs ? "DTCS" : ""; };
    cross = std::string(side(txTone.kind)) + "->" + side(rxTone.kind);
  }
  std::string polarity;
  polarity += txTone.kind == K::Dcs && txTone.inverted ? 'R' : 'N';
  polarity += rxTone.kind == K::Dcs && rxTone.inverted ? 'R' : 'N';

  const bool sixPointTwoFive = SixPointTwoFiveOnly(rx) || (hasTx && SixPointTwoFiveOnly(tx));
  std::string comment;
  if (ChannelBusyLock(image, n) == BusyLock::Carrier) comment = "BCL:Carrier";
  if (ChannelBusyLock(image, n) == BusyLock::Tone) comment = "BCL:QT/DQT";

  const std::string fields[] = {std::to_string(n),
                                "",
                                Mhz6(rx.units),
                                duplex,
                                offset,
                                mode,
                                rTone,
                                cTone,
                                dtcs,
                                polarity,
                                rxDtcs,
                                cross,
                                ChannelWide(image, n) ? "FM" : "NFM",
                                sixPointTwoFive ? "6.25" : "5.00",
                                ChannelScanAdd(image, n) ? "" : "S",
                                ChannelLowPower(image, n) ? "Low" : "High",
                                comment,
                                "",
                                "",
                                "",
                                ""};
  std::string line;
  for (const std::string& f : fields) {
    if (&f != fields) line += ',';
    line += f;
  }
  return line;
}

// --- Import --------------------------------------------------------------------

// One line split at commas; a field in double quotes may hold commas and "" for a quote.
std::vector<std::string> SplitCsvLine(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  // The line end of the last line does not start another one.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

bool BlankFields(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& f) { return Trimmed(f).empty(); });
}

// One row being read: its fields by header name, and what it finds wrong.
class Row {
 public:
  Row(int line, const std::map<std::string, std::size_t>& columns, std::vector<std::string> fields,
      CsvImport& result)
      : line_(line), columns_(columns), fields_(std::move(fields)), result_(result) {}

  // The trimmed field, or fallback when the file has no such column.
  std::string Get(const std::string& column, const std::string& fallback = {}) const {
    const auto it = columns_.find(column);
    if (it == columns_.end()) return fallback;
    return it->second < fields_.size() ? Trimmed(fields_[it->second]) : std::string();
  }
  bool Has(const std::string& column) const { return columns_.count(column) != 0; }

  void Problem(const std::string& column, CsvReason reason) {
    result_.problems.push_back({line_, column, Get(column), reason});
  }
  void Note(CsvNoteKind kind, const std::string& column = {}, std::string value = {},
            std::string result = {}) {
    result_.notes.push_back({line_, kind, column, std::move(value), std::move(result)});
  }
  int Line() const { return line_; }

 private:
  int line_;
  const std::map<std::string, std::size_t>& columns_;
  std::vector<std::string> fields_;
  CsvImport& result_;
};

// A frequency in Hz as read from a column, checked and snapped as the grid does with
// a typed one, or nullopt after a problem.
std::optional<Freq10Hz> TypedFrequency(Row& row, const std::string& column, std::int64_t hz,
                                       FreqRange limits) {
  const Freq10Hz typed{hz / kHzPer10Hz};
  if (hz < 0 || !InRange(typed, limits, RangeRule::Grid)) {
    row.Problem(column, CsvReason::OutOfBand);
    return std::nullopt;
  }
  const Freq10Hz snapped = SnapToRaster(typed);
  if (snapped.units * kHzPer10Hz != hz)
    row.Note(CsvNoteKind::Snapped, column, row.Get(column), FreqText(snapped));
  return typed;
}

// The list position a tone column names: CTCSS in Hz or a DCS code.
std::optional<int> TonePosition(Row& row, const std::string& column, ToneKind kind, bool inverted) {
  const std::string fallback = kind == ToneKind::Ctcss ? "88.5" : "023";
  const std::string value = row.Get(column, fallback);
  const auto number = ParseDecimal(value, kind == ToneKind::Ctcss ? 2 : 0);
  if (!number || (kind == ToneKind::Dcs && value.find('.') != std::string::npos)) {
    row.Problem(column, CsvReason::BadNumber);
    return std::nullopt;
  }
  const int p = kind == ToneKind::Ctcss ? CtcssPosition(*number) : DcsPosition(*number);
  if (p == 0) {
    row.Problem(column, CsvReason::ToneNotInTable);
    return std::nullopt;
  }
  return inverted ? p + (kToneLast - kToneLastDcs) : p;
}

struct TonePlan {
  ToneKind tx = ToneKind::None;
  ToneKind rx = ToneKind::None;
  std::string txColumn, rxColumn;
};

// Which tone each side carries and which column holds it, as CHIRP means the mode.
std::optional<TonePlan> PlanTones(Row& row) {
  using K = ToneKind;
  const std::string mode = row.Get("Tone");
  if (mode.empty()) return TonePlan{};
  if (mode == "Tone") return TonePlan{K::Ctcss, K::None, "rToneFreq", ""};
  if (mode == "TSQL") return TonePlan{K::Ctcss, K::Ctcss, "cToneFreq", "cToneFreq"};
  if (mode == "DTCS") return TonePlan{K::Dcs, K::Dcs, "DtcsCode", "DtcsCode"};
  if (mode != "Cross") {
    row.Problem("Tone", CsvReason::BadToneMode);
    return std::nullopt;
  }
  const std::string cross = row.Get("CrossMode", "Tone->Tone");
  const struct {
    const char* name;
    TonePlan plan;
  } kCross[] = {
      {"Tone->Tone", {K::Ctcss, K::Ctcss, "rToneFreq", "cToneFreq"}},
      {"Tone->DTCS", {K::Ctcss, K::Dcs, "rToneFreq", "RxDtcsCode"}},
      {"DTCS->Tone", {K::Dcs, K::Ctcss, "DtcsCode", "cToneFreq"}},
      {"->Tone", {K::None, K::Ctcss, "", "cToneFreq"}},
      {"->DTCS", {K::None, K::Dcs, "", "RxDtcsCode"}},
      {"DTCS->", {K::Dcs, K::None, "DtcsCode", ""}},
      {"DTCS->DTCS", {K::Dcs, K::Dcs, "DtcsCode", "RxDtcsCode"}},
  };
  for (const auto& entry : kCross) {
    if (cross == entry.name) return entry.plan;
  }
  row.Problem("CrossMode", CsvReason::BadCrossMode);
  return std::nullopt;
}

// Builds channel n of image from row; false after a problem.
bool ImportRow(Row& row, int n, FreqRange limits, RadioImage& image) {
  bool good = true;
  std::optional<Freq10Hz> rx;
  const auto rxHz = ParseDecimal(row.Get("Frequency"), 6);
  if (!rxHz) {
    row.Problem("Frequency", CsvReason::BadNumber);
    good = false;
  } else {
    rx = TypedFrequency(row, "Frequency", *rxHz, limits);
    good = good && rx.has_value();
  }

  // Transmit frequency from Duplex and Offset.
  const std::string duplex = row.Get("Duplex");
  std::optional<Freq10Hz> tx;
  bool hasTx = true;
  if (duplex == "off") {
    hasTx = false;
  } else if (duplex.empty()) {
    tx = rx;
  } else if (duplex == "+" || duplex == "-" || duplex == "split") {
    const auto offsetHz = ParseDecimal(row.Get("Offset"), 6);
    if (!offsetHz) {
      row.Problem("Offset", CsvReason::BadNumber);
      good = false;
    } else if (rxHz) {
      const std::int64_t txHz = duplex == "split" ? *offsetHz
                                : duplex == "+"   ? *rxHz + *offsetHz
                                                  : *rxHz - *offsetHz;
      tx = TypedFrequency(row, "Offset", txHz, limits);
      good = good && tx.has_value();
    }
  } else {
    row.Problem("Duplex", CsvReason::BadDuplex);
    good = false;
  }

  // Tones.
  int encode = 0;
  int decode = 0;
  if (const auto plan = PlanTones(row)) {
    std::string polarity = Upper(row.Get("DtcsPolarity", "NN"));
    if (polarity.empty()) polarity = "NN";
    const bool usesDcs = plan->tx == ToneKind::Dcs || plan->rx == ToneKind::Dcs;
    const bool polarityGood = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                              (polarity[1] == 'N' || polarity[1] == 'R');
    if (usesDcs && !polarityGood) {
      row.Problem("DtcsPolarity", CsvReason::BadPolarity);
      good = false;
    } else {
      if (plan->tx != ToneKind::None) {
        const auto p = TonePosition(row, plan->txColumn, plan->tx, polarity[0] == 'R');
        good = good && p.has_value();
        encode = p.value_or(0);
      }
      // TSQL and DTCS read one column for both sides: one problem is enough.
      const bool sameColumnFailed = plan->rxColumn == plan->txColumn && !good;
      if (plan->rx != ToneKind::None && !sameColumnFailed) {
        const auto p = TonePosition(row, plan->rxColumn, plan->rx, polarity[1] == 'R');
        good = good && p.has_value();
        decode = p.value_or(0);
      }
    }
  } else {
    good = false;
  }

  bool wide = true;
  if (row.Has("Mode")) {
    const std::string mode = row.Get("Mode");
    if (mode == "FM" || mode == "NFM") {
      wide = mode == "FM";
    } else {
      row.Problem("Mode", CsvReason::BadMode);
      good = false;
    }
  }

  bool low = false;
  const std::string power = Upper(row.Get("Power"));
  if (power == "LOW") {
    low = true;
  } else if (!power.empty() && power != "HIGH") {
    std::string watts = power;
    if (!watts.empty() && watts.back() == 'W') watts.pop_back();
    const auto milliwatts = ParseDecimal(watts, 3);
    if (!milliwatts) {
      row.Problem("Power", CsvReason::BadPower);
      good = false;
    } else {
      low = *milliwatts < 2000;
    }
  }

  if (!good) return false;

  // The frequencies by the grid's rule (the receive frequency gives the empty channel
  // the new-channel values), then each option by what it means.
  ClearChannel(image, n);
  CommitFrequency(image, n, FreqField::Rx, FreqText(*rx), limits, RangeRule::Grid);
  CommitFrequency(image, n, FreqField::Tx, hasTx ? FreqText(*tx) : std::string(), limits,
                  RangeRule::Grid);
  SetTone(image, n, ToneField::Decode, decode);
  // No encode tone without a transmit frequency.
  if (!SetTone(image, n, ToneField::Encode, encode) && encode != 0)
    row.Note(CsvNoteKind::TxToneWithoutTx, "Tone", row.Get("Tone"));
  const std::string comment = row.Get("Comment");
  SetBusyLock(image, n,
              comment.find("BCL:QT/DQT") != std::string::npos    ? BusyLock::Tone
              : comment.find("BCL:Carrier") != std::string::npos ? BusyLock::Carrier
                                                                 : BusyLock::Off);
  SetPower(image, n, low ? Power::Low : Power::High);
  SetBandwidth(image, n, wide ? Bandwidth::Wide : Bandwidth::Narrow);
  SetScanAdd(image, n, row.Get("Skip") != "S");
  return true;
}

}  // namespace

std::string ChirpCsvText(const RadioImage& image) {
  std::string text(kChirpCsvHeader);
  text += "\r\n";
  for (int n = 1; n <= kChannelCount; ++n) {
    if (ChannelEmpty(image, n)) continue;
    text += CsvLine(image, n);
    text += "\r\n";
  }
  return text;
}

CsvImport ImportChirpCsv(std::string_view text, FreqRange limits, RadioImage& image) {
  CsvImport result;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's BOM
  const std::vector<std::string_view> lines = Lines(text);

  std::size_t headerLine = 0;
  while (headerLine < lines.size() && Trimmed(lines[headerLine]).empty()) ++headerLine;
  std::map<std::string, std::size_t> columns;
  if (headerLine < lines.size()) {
    const auto names = SplitCsvLine(lines[headerLine]);
    for (std::size_t i = 0; i < names.size(); ++i) columns.emplace(Trimmed(names[i]), i);
  }
  for (const char* required : {"Location", "Frequency"}) {
    if (columns.count(required) == 0)
      result.problems.push_back(
          {static_cast<int>(headerLine) + 1, required, "", CsvReason::MissingColumn});
  }
  if (!result.problems.empty()) return result;

  RadioImage work = image;
  std::array<bool, kChannelCount + 1> named{};
  for (std::size_t i = headerLine + 1; i < lines.size(); ++i) {
    std::vector<std::string> fields = SplitCsvLine(lines[i]);
    const bool blank = BlankFields(fields);
    Row row(static_cast<int>(i) + 1, columns, std::move(fields), result);
    if (blank) {
      row.Note(CsvNoteKind::EmptyLine);
      continue;
    }
    const auto location = ParseDecimal(row.Get("Location"), 0);
    if (!location || row.Get("Location").find('.') != std::string::npos) {
      row.Problem("Location", CsvReason::BadNumber);
      continue;
    }
    if (*location < 1 || *location > kChannelCount) {
      row.Note(CsvNoteKind::SkippedLocation, "Location", row.Get("Location"));
      continue;
    }
    const int n = static_cast<int>(*location);
    if (named[static_cast<std::size_t>(n)]) {
      row.Problem("Location", CsvReason::DoubleLocation);
      continue;
    }
    named[static_cast<std::size_t>(n)] = true;
    if (ImportRow(row, n, limits, work)) ++result.channels;
  }
  if (!result.problems.empty()) {
    result.channels = 0;
    return result;
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!named[static_cast<std::size_t>(n)]) ClearChannel(work, n);
  }
  image = work;
  return result;
}

namespace {

const char* ReasonText(CsvReason reason, bool chinese) {
  switch (reason) {
    case CsvReason::MissingColumn:
      return chinese ? "缺少此列" : "column missing";
    case CsvReason::BadNumber:
      return chinese ? "不是有效的数字" : "not a number";
    case CsvReason::OutOfBand:
      return chinese ? "频率超出频段范围" : "frequency outside the band";
    case CsvReason::ToneNotInTable:
      return chinese ? "亚音不在本机的亚音表中" : "tone not in the table";
    case CsvReason::BadToneMode:
      return chinese ? "亚音模式应为 空、Tone、TSQL、DTCS 或 Cross"
                     : "tone mode must be empty, Tone, TSQL, DTCS or Cross";
    case CsvReason::BadCrossMode:
      return chinese ? "不支持的交叉亚音模式" : "cross mode not supported";
    case CsvReason::BadPolarity:
      return chinese ? "极性应为两个字母 N 或 R" : "polarity must be two letters N or R";
    case CsvReason::BadDuplex:
      return chinese ? "差频方式应为 空、+、-、split 或 off"
                     : "duplex must be empty, +, -, split or off";
    case CsvReason::BadMode:
      return chinese ? "模式只能是 FM 或 NFM" : "mode other than FM or NFM";
    case CsvReason::BadPower:
      return chinese ? "功率应为 High、Low 或瓦数" : "power must be High, Low or a wattage";
    case CsvReason::DoubleLocation:
      return chinese ? "信道号重复" : "location given twice";
  }
  return "";
}

std::string Where(int line, const std::string& column, const std::string& value, bool chinese) {
  std::string text =
      chinese ? "第 " + std::to_string(line) + " 行" : "line " + std::to_string(line);
  if (!column.empty()) text += (chinese ? "，" : ", ") + column;
  if (!column.empty()) text += chinese ? " “" + value + "”" : " \"" + value + "\"";
  return text;
}

}  // namespace

std::string CsvProblemText(const CsvProblem& problem, bool chinese) {
  return Where(problem.line, problem.column, problem.value, chinese) + (chinese ? "：" : ": ") +
         ReasonText(problem.reason, chinese);
}

std::string CsvNoteText(const CsvNote& note, bool chinese) {
  switch (note.kind) {
    case CsvNoteKind::EmptyLine:
      return Where(note.line, {}, {}, chinese) +
             (chinese ? "：空行，已跳过" : ": empty line skipped");
    case CsvNoteKind::SkippedLocation:
      return Where(note.line, note.column, note.value, chinese) +
             (chinese ? "：本机只有信道 1 至 16，已跳过"
                      : ": skipped, the radio has channels 1 to 16");
    case CsvNoteKind::Snapped:
      return Where(note.line, note.column, note.value, chinese) +
             (chinese ? "：按频率步进存为 " : ": stored on the channel raster as ") + note.result;
    case CsvNoteKind::TxToneWithoutTx:
      return Where(note.line, note.column, note.value, chinese) +
             (chinese ? "：没有发射频率，发射亚音已舍去"
                      : ": no transmit frequency, transmit tone dropped");
  }
  return {};
}
