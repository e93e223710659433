#include "files/image_report.h"

#include <algorithm>
#include <functional>

#include "channels/channel_texts.h"
#include "codec/channel_record.h"
#include "features/option_codec.h"
#include "features/option_summary.h"

namespace {

const char* Pick(bool chinese, const char* zh, const char* en) {
  return chinese ? zh : en;
}

// Columns 0..8 of grid row n as the grid draws them.
std::array<std::string, kGridColumns> GridRowTexts(const RadioImage& image, int n, bool chinese) {
  std::array<std::string, kGridColumns> t;
  for (int c = 0; c < kGridColumns; ++c)
    t[static_cast<std::size_t>(c)] = ChannelCellText(image, n, c, chinese);
  return t;
}

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string Padded(const std::string& s, int width) {
  return s + std::string(static_cast<std::size_t>(std::max(0, width - DisplayWidth(s))), ' ');
}

std::string RangeText(const RadioImage& image) {
  return RangeEdgeText(image, kRangeLowCell) + " --- " + RangeEdgeText(image, kRangeHighCell) +
         " MHZ";
}

std::string RawLine(int row, int col, int a, int b, bool chinese) {
  const std::string where =
      chinese ? "第 " + std::to_string(row) + " 行 第 " + std::to_string(col) + " 列："
              : "row " + std::to_string(row) + " column " + std::to_string(col) + ": ";
  return where + std::to_string(a) + " → " + std::to_string(b);
}

std::string ChangeLine(const std::string& what, const std::string& a, const std::string& b,
                       bool chinese) {
  auto shown = [chinese](const std::string& s) {
    const std::string t = Trimmed(s);
    return t.empty() ? std::string(Pick(chinese, "（空）", "(empty)")) : t;
  };
  return what + Pick(chinese, "：", ": ") + shown(a) + " → " + shown(b);
}

}  // namespace

int DisplayWidth(const std::string& utf8) {
  int width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    char32_t cp = c;
    std::size_t len = 1;
    if (c >= 0xF0) {
      len = 4;
      cp = c & 0x07;
    } else if (c >= 0xE0) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xC0) {
      len = 2;
      cp = c & 0x1F;
    }
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += len;
    const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                      (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                      (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                      (cp >= 0xFFE0 && cp <= 0xFFE6);
    width += wide ? 2 : 1;
  }
  return width;
}

std::array<std::string, 9> GridHeaderTexts(bool chinese) {
  std::array<std::string, 9> headers;
  for (int c = 0; c < kGridColumns; ++c)
    headers[static_cast<std::size_t>(c)] = Trimmed(ChannelColumnCaption(c, chinese));
  return headers;
}

std::string ShowText(const RadioImage& image, bool chinese) {
  std::vector<std::array<std::string, 9>> rows = {GridHeaderTexts(chinese)};
  for (int n = 1; n <= kChannelCount; ++n) rows.push_back(GridRowTexts(image, n, chinese));
  std::array<int, 9> widths{};
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], DisplayWidth(row[c]));
  }
  std::string text;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) line += Padded(row[c], widths[c] + 2);
    text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
  }
  text += "\n";
  std::vector<OptionLine> options = {
      {Pick(chinese, "工作频率范围", "Frequncy Range"), RangeText(image)}};
  for (OptionLine& line : OptionSummary(image, chinese)) options.push_back(std::move(line));
  int width = 0;
  for (const OptionLine& o : options) width = std::max(width, DisplayWidth(o.caption));
  for (const OptionLine& o : options)
    text += Padded(o.caption + Pick(chinese, "：", ":"), width + 3) + o.value + "\n";
  return text;
}

bool SameChannelFileCells(const RadioImage& a, const RadioImage& b) {
  for (int r = 0; r <= 255; ++r) {
    for (int c = 0; c <= 15; ++c) {
      if (a.at(r, c) != b.at(r, c)) return false;
    }
  }
  return true;
}

std::vector<std::string> DiffLines(const RadioImage& a, const RadioImage& b, bool chinese) {
  std::vector<std::string> lines;
  // Cells a decoded line stands for; the others are listed raw.
  std::array<std::array<bool, 16>, 256> explained{};
  auto raw = [&](int r, int c) {
    if (a.at(r, c) != b.at(r, c)) lines.push_back(RawLine(r, c, a.at(r, c), b.at(r, c), chinese));
    explained[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = true;
  };

  static constexpr const char* kFieldsZh[] = {
      "",         "接收频率", "发射频率", "QT/DQT 解码", "QT/DQT 编码",
      "繁忙锁定", "发射功率", "信道带宽", "扫描添加"};
  static constexpr const char* kFieldsEn[] = {
      "", "receive", "transmit", "decode", "encode", "busy lock", "power", "bandwidth", "scan add"};
  for (int n = 1; n <= kChannelCount; ++n) {
    const auto ta = GridRowTexts(a, n, chinese);
    const auto tb = GridRowTexts(b, n, chinese);
    bool shown = false;
    for (std::size_t c = 1; c < ta.size(); ++c) {
      if (Trimmed(ta[c]) == Trimmed(tb[c])) continue;
      const std::string what = chinese ? "信道 " + std::to_string(n) + " " + kFieldsZh[c]
                                       : "channel " + std::to_string(n) + " " + kFieldsEn[c];
      lines.push_back(ChangeLine(what, ta[c], tb[c], chinese));
      shown = true;
    }
    // Columns 0..12 are the grid's; when its texts agree, the bytes that differ
    // (an erased tone against a cleared one, say) still show raw.
    for (int c = 0; c <= kOptionCol; ++c) {
      if (shown) {
        explained[static_cast<std::size_t>(n)][static_cast<std::size_t>(c)] = true;
      } else {
        raw(n, c);
      }
    }
  }

  // The summary's lines in order, each with the cell it shows (flags: the bit).
  const auto oa = OptionSummary(a, chinese);
  const auto ob = OptionSummary(b, chinese);
  const struct {
    Cell cell;
    std::uint8_t bit;  // 0: the whole cell
  } kSummaryCells[] = {{{60, 0}, 0},           {{60, 1}, 0},
                       {{60, 2}, 0},           {{60, 13}, 0},
                       {kFlagsCell, kBeepBit}, {kFlagsCell, kSaverBit},
                       {{63, 0}, 0},           {{63, 1}, 0}};
  std::uint8_t flagsShown = 0;
  for (std::size_t i = 0; i < oa.size() && i < std::size(kSummaryCells); ++i) {
    const auto& [cell, bit] = kSummaryCells[i];
    if (oa[i].value != ob[i].value) {
      lines.push_back(ChangeLine(oa[i].caption, oa[i].value, ob[i].value, chinese));
      if (bit == 0)
        explained[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.col)] = true;
      flagsShown |= bit;
    } else if (bit == 0) {
      raw(cell.row, cell.col);
    }
  }
  const std::uint8_t fa = a.at(kFlagsCell), fb = b.at(kFlagsCell);
  if (((fa ^ fb) & ~flagsShown) == 0) explained[kFlagsCell.row][kFlagsCell.col] = true;

  for (int r = 0; r <= 255; ++r) {
    for (int c = 0; c <= 15; ++c) {
      if (!explained[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) raw(r, c);
    }
  }
  return lines;
}
