#include "files/chirp_csv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "channels/channel_edit_rules.h"
#include "channels/channel_texts.h"
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
                                ChannelLowPower(image, n) ? "1.0W" : "5.0W",
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

// Calls record(line, text) for each record, numbered by the line it starts on. LF,
// CR LF and a lone CR all end one, except inside a quoted field, which may hold them.
template <class F>
void ForEachRecord(std::string_view text, F record) {
  int line = 1;
  int first = 1;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : '\n';
    if (c == '"') quoted = !quoted;
    if (c != '\r' && c != '\n') continue;
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    if (!quoted || i == text.size()) {
      if (i > start || i < text.size()) record(first, text.substr(start, i - start));
      start = i + (crlf ? 2 : 1);
      first = line + 1;
    }
    if (crlf) ++i;
    ++line;
  }
}

// Blank, or a comment: CHIRP writes and skips lines whose first field starts with "#".
bool NoRow(const std::vector<std::string>& fields) {
  if (Trimmed(fields.front()).starts_with('#')) return true;
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& f) { return Trimmed(f).empty(); });
}

// A frequency or offset in Hz: plain MHz, or a number followed by "MHz" or "kHz".
std::optional<std::int64_t> ParseHz(std::string_view text) {
  std::string t = Trimmed(text);
  int decimals = 6;
  const std::string unit = t.size() >= 3 ? Upper(t.substr(t.size() - 3)) : "";
  if (unit == "MHZ" || unit == "KHZ") {
    t.resize(t.size() - 3);
    if (unit == "KHZ") decimals = 3;
  }
  return ParseDecimal(t, decimals);
}

using Columns = std::map<std::string, std::size_t>;

// One row being read: its fields by header name, and what it finds wrong.
class Row {
 public:
  Row(const Columns& columns, std::vector<std::string> fields, CsvRow& row)
      : columns_(columns), fields_(std::move(fields)), row_(row) {}

  // The trimmed field, or fallback when the file has no such column.
  std::string Get(const std::string& column, const std::string& fallback = {}) const {
    const auto it = columns_.find(column);
    if (it == columns_.end()) return fallback;
    return it->second < fields_.size() ? Trimmed(fields_[it->second]) : std::string();
  }
  bool Has(const std::string& column) const { return columns_.count(column) != 0; }

  void Problem(const std::string& column, CsvReason reason, std::string detail = {}) {
    row_.problems.push_back({row_.line, column, Get(column), reason, std::move(detail)});
  }
  void Note(CsvNoteKind kind, const std::string& column = {}, std::string value = {},
            std::string result = {}) {
    row_.notes.push_back({row_.line, kind, column, std::move(value), std::move(result), {}});
  }

 private:
  const Columns& columns_;
  std::vector<std::string> fields_;
  CsvRow& row_;
};

// A frequency in Hz as read from a column, checked against the limits; a typed one
// off the raster is noted with what the grid stores.
std::optional<Freq10Hz> TypedFrequency(Row& row, const std::string& column, std::int64_t hz,
                                       FreqRange limits, CsvReason outside) {
  const Freq10Hz typed{hz / kHzPer10Hz};
  if (hz < 0 || !InRange(typed, limits, RangeRule::Grid)) {
    row.Problem(column, outside, outside == CsvReason::TxOutOfBand ? FreqText(typed) : "");
    return std::nullopt;
  }
  const Freq10Hz snapped = SnapToRaster(typed);
  if (snapped.units * kHzPer10Hz != hz)
    row.Note(CsvNoteKind::Snapped, column, row.Get(column), FreqText(snapped));
  return typed;
}

// The list position a tone column names: CTCSS in Hz or a DCS code. The polarity
// belongs to DCS codes only.
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
  return kind == ToneKind::Dcs && inverted ? p + (kToneLast - kToneLastDcs) : p;
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
      {"Tone->", {K::Ctcss, K::None, "rToneFreq", ""}},
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

void ReadFrequencies(Row& row, std::int64_t rxHz, FreqRange limits, CsvRow& out) {
  const auto rx = TypedFrequency(row, "Frequency", rxHz, limits, CsvReason::OutOfBand);
  if (rx) out.rx = *rx;
  const std::string duplex = row.Get("Duplex");
  if (duplex == "off") {
    out.tx.reset();
  } else if (duplex.empty()) {
    out.tx = rx;
  } else if (duplex == "+" || duplex == "-" || duplex == "split") {
    const auto offsetHz = ParseHz(row.Get("Offset"));
    if (!offsetHz) {
      row.Problem("Offset", CsvReason::BadNumber);
      return;
    }
    const std::int64_t txHz = duplex == "split" ? *offsetHz
                              : duplex == "+"   ? rxHz + *offsetHz
                                                : rxHz - *offsetHz;
    out.tx = TypedFrequency(row, "Offset", txHz, limits, CsvReason::TxOutOfBand);
  } else {
    row.Problem("Duplex", CsvReason::BadDuplex);
  }
}

void ReadTones(Row& row, CsvRow& out) {
  const auto plan = PlanTones(row);
  if (!plan) return;
  std::string polarity = Upper(row.Get("DtcsPolarity", "NN"));
  if (polarity.empty()) polarity = "NN";
  const bool usesDcs = plan->tx == ToneKind::Dcs || plan->rx == ToneKind::Dcs;
  const auto letter = [](char c) { return c == 'N' || c == 'R'; };
  if (usesDcs && !(polarity.size() == 2 && letter(polarity[0]) && letter(polarity[1]))) {
    row.Problem("DtcsPolarity", CsvReason::BadPolarity);
    return;
  }
  const std::size_t before = out.problems.size();
  if (plan->tx != ToneKind::None)
    out.encode = TonePosition(row, plan->txColumn, plan->tx, polarity[0] == 'R').value_or(0);
  // TSQL and DTCS read one column for both sides: one problem is enough.
  const bool sameColumnFailed = plan->rxColumn == plan->txColumn && out.problems.size() > before;
  if (plan->rx != ToneKind::None && !sameColumnFailed)
    out.decode = TonePosition(row, plan->rxColumn, plan->rx, polarity[1] == 'R').value_or(0);
  // The grid offers no encode tone without a transmit frequency.
  if (!out.tx && out.encode != 0) {
    row.Note(CsvNoteKind::TxToneWithoutTx, "Tone", row.Get("Tone"));
    out.encode = 0;
  }
}

void ReadOptions(Row& row, CsvRow& out) {
  if (row.Has("Mode")) {
    const std::string mode = row.Get("Mode");
    if (mode == "FM" || mode == "NFM") {
      out.wide = mode == "FM";
    } else {
      row.Problem("Mode", CsvReason::BadMode);
    }
  }
  // Watts as CHIRP writes them ("5.0W", "0.5W", "5"): up to 1.5 W is low.
  const std::string power = Upper(row.Get("Power"));
  if (power == "LOW") {
    out.low = true;
  } else if (!power.empty() && power != "HIGH") {
    std::string watts = power;
    if (watts.back() == 'W') watts.pop_back();
    const auto milliwatts = ParseDecimal(watts, 3);
    if (!milliwatts) {
      row.Problem("Power", CsvReason::BadPower);
    } else {
      out.low = *milliwatts <= 1500;
    }
  }
  const std::string comment = row.Get("Comment");
  out.busyLock = comment.find("BCL:QT/DQT") != std::string::npos    ? BusyLock::Tone
                 : comment.find("BCL:Carrier") != std::string::npos ? BusyLock::Carrier
                                                                    : BusyLock::Off;
  out.scanAdd = row.Get("Skip") != "S";
}

// The header's columns by name. Where only one of a pair is present it serves both,
// as CHIRP reads such a file.
Columns HeaderColumns(std::string_view header) {
  Columns columns;
  const auto names = SplitCsvLine(header);
  for (std::size_t i = 0; i < names.size(); ++i) columns.emplace(Trimmed(names[i]), i);
  for (const auto& [a, b] : {std::pair("rToneFreq", "cToneFreq"), {"DtcsCode", "RxDtcsCode"}}) {
    if (columns.count(a) && !columns.count(b)) columns.emplace(b, columns.at(a));
    if (columns.count(b) && !columns.count(a)) columns.emplace(a, columns.at(b));
  }
  return columns;
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

std::vector<CsvProblem> ReadChirpCsv(std::string_view text, FreqRange limits,
                                     const std::function<void(CsvRow&&)>& take) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's BOM
  std::optional<Columns> columns;
  std::size_t headerFields = 0;
  int headerLine = 1;
  std::vector<CsvProblem> problems;
  ForEachRecord(text, [&](int number, std::string_view line) {
    if (!problems.empty()) return;
    std::vector<std::string> fields = SplitCsvLine(line);
    if (NoRow(fields)) return;
    if (!columns) {
      headerLine = number;
      headerFields = fields.size();
      columns = HeaderColumns(line);
      for (const char* required : {"Location", "Frequency"}) {
        if (columns->count(required) == 0)
          problems.push_back({number, required, "", CsvReason::MissingColumn, {}});
      }
      return;
    }
    CsvRow out;
    out.line = number;
    const std::size_t count = fields.size();
    Row row(*columns, std::move(fields), out);
    out.frequency = row.Get("Frequency");
    const auto rxHz = ParseHz(out.frequency);
    if (rxHz == 0) return;  // CHIRP's empty memory
    out.location = row.Get("Location");
    const auto location = ParseDecimal(out.location, 0);
    if (location && out.location.find('.') == std::string::npos && *location <= 1'000'000)
      out.locationNumber = static_cast<int>(*location);
    if (count < headerFields) {
      out.problems.push_back(
          {number, "", std::to_string(count), CsvReason::ShortRow, std::to_string(headerFields)});
    } else if (!rxHz) {
      row.Problem("Frequency", CsvReason::BadNumber);
    } else {
      ReadFrequencies(row, *rxHz, limits, out);
      ReadTones(row, out);
      ReadOptions(row, out);
    }
    take(std::move(out));
  });
  if (!columns && problems.empty()) {
    for (const char* required : {"Location", "Frequency"})
      problems.push_back({headerLine, required, "", CsvReason::MissingColumn, {}});
  }
  return problems;
}

void StoreCsvRow(const CsvRow& row, int n, FreqRange limits, RadioImage& image) {
  // Typed into the grid: the receive frequency into the empty channel, which gives it
  // the new-channel values, then the transmit frequency, then each option by what it means.
  ClearChannel(image, n);
  CommitFrequency(image, n, FreqField::Rx, FreqText(row.rx), limits, RangeRule::Grid);
  CommitFrequency(image, n, FreqField::Tx, row.tx ? FreqText(*row.tx) : std::string(), limits,
                  RangeRule::Grid);
  SetTone(image, n, ToneField::Decode, row.decode);
  SetTone(image, n, ToneField::Encode, row.encode);
  SetBusyLock(image, n, row.busyLock);
  SetPower(image, n, row.low ? Power::Low : Power::High);
  SetBandwidth(image, n, row.wide ? Bandwidth::Wide : Bandwidth::Narrow);
  SetScanAdd(image, n, row.scanAdd);
}

CsvImport ImportChirpCsv(std::string_view text, FreqRange limits, RadioImage& image,
                         CsvImportOptions options) {
  CsvImport result;
  RadioImage work = image;
  std::array<bool, kChannelCount + 1> named{};
  int next = 1;  // the channel the next row takes when numbered in order
  const auto leaveOut = [&](const CsvProblem& why) {
    result.notes.push_back(
        {why.line, CsvNoteKind::LeftOut, why.column, why.value, why.detail, why.reason});
  };
  const auto refuse = [&](const CsvRow& row) {
    for (const CsvProblem& problem : row.problems) {
      if (options.skipUnfit) {
        leaveOut(problem);
        break;  // one reason is enough for a row left out
      }
      result.problems.push_back(problem);
    }
  };
  const auto fileProblems = ReadChirpCsv(text, limits, [&](CsvRow&& row) {
    int n = 0;
    if (options.renumber) {
      if (next > kChannelCount)
        return leaveOut({row.line, "Location", row.location, CsvReason::PastSixteen, {}});
      if (!row.Fits()) return refuse(row);
      n = next++;
    } else if (!row.locationNumber) {
      row.problems.insert(row.problems.begin(),
                          {row.line, "Location", row.location, CsvReason::BadNumber, {}});
      return refuse(row);
    } else if (*row.locationNumber < 1 || *row.locationNumber > kChannelCount) {
      if (options.skipUnfit)
        return leaveOut({row.line, "Location", row.location, CsvReason::OutsideRadio, {}});
      result.notes.push_back(
          {row.line, CsvNoteKind::SkippedLocation, "Location", row.location, {}, {}});
      return;
    } else {
      n = *row.locationNumber;
      if (named[static_cast<std::size_t>(n)]) {
        row.problems.insert(row.problems.begin(),
                            {row.line, "Location", row.location, CsvReason::DoubleLocation, {}});
        return refuse(row);
      }
      if (!row.Fits()) return refuse(row);
    }
    named[static_cast<std::size_t>(n)] = true;
    result.notes.insert(result.notes.end(), row.notes.begin(), row.notes.end());
    StoreCsvRow(row, n, limits, work);
    ++result.channels;
  });
  result.problems.insert(result.problems.begin(), fileProblems.begin(), fileProblems.end());
  if (result.problems.empty() && result.channels == 0)
    result.problems.push_back({0, "", "", CsvReason::NoChannel, {}});
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

// --- The import dialog's choice ---------------------------------------------------

CsvImportChoice::CsvImportChoice(std::vector<CsvRow> rows)
    : rows_(std::move(rows)), picks_(rows_.size()) {
  SetRenumbered(false);
}

void CsvImportChoice::Count(const Pick& pick, int delta) {
  if (pick.checked && pick.target > 0) perChannel_[static_cast<std::size_t>(pick.target)] += delta;
}

bool CsvImportChoice::Duplicate(int i) const {
  const Pick& pick = picks_[static_cast<std::size_t>(i)];
  return pick.checked && pick.target > 0 && perChannel_[static_cast<std::size_t>(pick.target)] > 1;
}

void CsvImportChoice::SetChecked(int i, bool checked) {
  Pick& pick = picks_[static_cast<std::size_t>(i)];
  if (checked && !Row(i).Fits()) return;
  Count(pick, -1);
  pick.checked = checked;
  if (checked && pick.target == 0) {
    for (int n = 1; n <= kChannelCount && pick.target == 0; ++n) {
      if (perChannel_[static_cast<std::size_t>(n)] == 0) pick.target = n;
    }
    if (pick.target == 0) pick.checked = false;  // every channel is taken
  }
  Count(pick, +1);
}

void CsvImportChoice::SetTarget(int i, int channel) {
  Pick& pick = picks_[static_cast<std::size_t>(i)];
  Count(pick, -1);
  pick.target = channel >= 1 && channel <= kChannelCount ? channel : 0;
  Count(pick, +1);
}

void CsvImportChoice::SetRenumbered(bool renumbered) {
  renumbered_ = renumbered;
  perChannel_ = {};
  int next = 1;
  for (int i = 0; i < Size(); ++i) {
    Pick& pick = picks_[static_cast<std::size_t>(i)];
    const CsvRow& row = Row(i);
    if (renumbered) {
      pick.target = row.Fits() && next <= kChannelCount ? next++ : 0;
    } else {
      const int location = row.locationNumber.value_or(0);
      pick.target = location >= 1 && location <= kChannelCount ? location : 0;
    }
    pick.checked =
        row.Fits() && pick.target > 0 && perChannel_[static_cast<std::size_t>(pick.target)] == 0;
    Count(pick, +1);
  }
}

int CsvImportChoice::CheckedCount() const {
  int count = 0;
  for (int n = 1; n <= kChannelCount; ++n) count += perChannel_[static_cast<std::size_t>(n)];
  return count;
}

bool CsvImportChoice::CanStore() const {
  return CheckedCount() > 0 &&
         std::all_of(perChannel_.begin(), perChannel_.end(), [](int c) { return c <= 1; });
}

void CsvImportChoice::Store(FreqRange limits, RadioImage& image) const {
  for (int i = 0; i < Size(); ++i) {
    const Pick& pick = picks_[static_cast<std::size_t>(i)];
    if (pick.checked && pick.target > 0) StoreCsvRow(Row(i), pick.target, limits, image);
  }
}

CsvRowTexts CsvRowText(const CsvRow& row, FreqRange limits, bool chinese) {
  CsvRowTexts texts;
  if (!row.Fits()) {
    texts.rx = row.frequency;
    texts.fit = CsvReasonText(row.problems.front(), chinese);
    return texts;
  }
  RadioImage scratch;
  scratch.Fill(0xFF);
  StoreCsvRow(row, 1, limits, scratch);
  texts.rx = ChannelCellText(scratch, 1, kRxColumn, chinese);
  texts.tx = ChannelCellText(scratch, 1, kTxColumn, chinese);
  texts.decode = ChannelCellText(scratch, 1, kDecodeColumn, chinese);
  texts.encode = ChannelCellText(scratch, 1, kEncodeColumn, chinese);
  texts.bandwidth = ChannelCellText(scratch, 1, kBandwidthColumn, chinese);
  texts.power = ChannelCellText(scratch, 1, kPowerColumn, chinese);
  texts.fit = chinese ? "可导入" : "Fits";
  return texts;
}

namespace {

std::string Where(int line, const std::string& column, const std::string& value, bool chinese) {
  std::string text =
      chinese ? "第 " + std::to_string(line) + " 行" : "line " + std::to_string(line);
  if (!column.empty()) text += (chinese ? "，" : ", ") + column;
  if (!column.empty()) text += chinese ? " “" + value + "”" : " \"" + value + "\"";
  return text;
}

std::string ReasonText(CsvReason reason, const std::string& value, const std::string& detail,
                       bool chinese) {
  switch (reason) {
    case CsvReason::MissingColumn:
      return chinese ? "缺少此列" : "column missing";
    case CsvReason::BadNumber:
      return chinese ? "不是有效的数字" : "not a number";
    case CsvReason::OutOfBand:
      return chinese ? "频率超出频段范围" : "frequency outside the band";
    case CsvReason::TxOutOfBand:
      return chinese ? "由差频方式和差频得出的发射频率 " + detail + " 超出频段范围"
                     : "the transmit frequency " + detail +
                           " that Duplex and Offset give is outside the band";
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
    case CsvReason::ShortRow:
      return chinese ? "只有 " + value + " 个字段，标题行有 " + detail + " 个"
                     : "only " + value + " fields, the header has " + detail;
    case CsvReason::NoChannel:
      return chinese ? "文件中没有可导入的信道" : "the file holds no channel that can be imported";
    case CsvReason::OutsideRadio:
      return chinese ? "本机只有信道 1 至 16" : "the radio has channels 1 to 16";
    case CsvReason::PastSixteen:
      return chinese ? "已排满 16 个信道" : "all 16 channels are taken";
  }
  return "";
}

}  // namespace

std::string CsvReasonText(const CsvProblem& problem, bool chinese) {
  return ReasonText(problem.reason, problem.value, problem.detail, chinese);
}

std::string CsvProblemText(const CsvProblem& problem, bool chinese) {
  const std::string reason = CsvReasonText(problem, chinese);
  if (problem.reason == CsvReason::NoChannel) return reason;
  const bool valueShown = problem.reason != CsvReason::ShortRow;
  return Where(problem.line, valueShown ? problem.column : "", problem.value, chinese) +
         (chinese ? "：" : ": ") + reason;
}

std::string CsvNoteText(const CsvNote& note, bool chinese) {
  const std::string where = Where(note.line, note.column, note.value, chinese);
  switch (note.kind) {
    case CsvNoteKind::SkippedLocation:
      return where + (chinese ? "：本机只有信道 1 至 16，已跳过"
                              : ": skipped, the radio has channels 1 to 16");
    case CsvNoteKind::Snapped:
      return where + (chinese ? "：按频率步进存为 " : ": stored on the channel raster as ") +
             note.result;
    case CsvNoteKind::TxToneWithoutTx:
      return where + (chinese ? "：没有发射频率，发射亚音已舍去"
                              : ": no transmit frequency, transmit tone dropped");
    case CsvNoteKind::LeftOut:
      return CsvProblemText({note.line, note.column, note.value,
                             note.reason.value_or(CsvReason::NoChannel), note.result},
                            chinese) +
             (chinese ? "，未导入此行" : "; row left out");
  }
  return {};
}

std::string CsvTooBigText(const std::string& file, std::size_t bytes, bool chinese) {
  const std::string size = std::to_string(bytes);
  if (chinese)
    return "文件 " + file + (bytes ? " 有 " + size + " 字节，" : " ") +
           "大于 CSV 文件允许的 64 MiB，未导入任何信道。";
  return "The file " + file + (bytes ? " has " + size + " bytes, more than" : " is larger than") +
         " the 64 MiB a CSV file may have; no channel was imported.";
}
