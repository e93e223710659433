#include "files/channel_sheet.h"

#include "features/option_codec.h"
#include "files/image_report.h"

namespace {
const char* Pick(bool chinese, const char* zh, const char* en) {
  return chinese ? zh : en;
}
}  // namespace

ChannelSheet BuildChannelSheet(const RadioImage& image, const std::string& model,
                               const std::string& isoDate, bool chinese) {
  ChannelSheet sheet;
  sheet.title = model + Pick(chinese, " 信道表", " Channel Sheet");
  const std::string band =
      RangeEdgeText(image, kRangeLowCell) + "-" + RangeEdgeText(image, kRangeHighCell) + " MHz";
  sheet.modelBand =
      chinese ? "机型：" + model + "　　频段：" + band : "Model: " + model + "    Band: " + band;
  sheet.date = Pick(chinese, "日期：", "Date: ") + isoDate;
  const auto headers = GridHeaderTexts(chinese);
  for (std::size_t c = 0; c < headers.size(); ++c) sheet.columns[c] = headers[c];
  for (int n = 1; n <= kSheetChannels; ++n) {
    auto& row = sheet.rows[static_cast<std::size_t>(n - 1)];
    for (int c = 0; c < kGridColumns; ++c)
      row[static_cast<std::size_t>(c)] = ChannelCellText(image, n, c, chinese);
  }
  sheet.optionsTitle = Pick(chinese, "可选功能", "Optional Features");
  sheet.options = OptionSummary(image, chinese);
  return sheet;
}
