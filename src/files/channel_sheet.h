#pragma once
// The channel sheet a dealer hands a customer: what is in the radio, on one page.
// This builds its content; a renderer only lays it out (files/io/sheet_pdf.h).
#include <array>
#include <string>
#include <vector>

#include "channels/channel_texts.h"
#include "features/option_summary.h"
#include "image/radio_image.h"

inline constexpr int kSheetChannels = 16;

struct ChannelSheet {
  std::string title;                              // "RT410 Channel Sheet"
  std::string modelBand;                          // "Model: RT410    Band: 400-470 MHz"
  std::string date;                               // "Date: 2025-01-31"
  std::array<std::string, kGridColumns> columns;  // the grid's header texts
  // Channels 1..16 with the grid's cell texts; an empty channel has only its number.
  std::array<std::array<std::string, kGridColumns>, kSheetChannels> rows;
  std::string optionsTitle;  // "Optional Features"
  std::vector<OptionLine> options;
};

// model: the model's name ("RT410"); isoDate: the day the sheet is made ("2025-01-31").
// The band is the working range row 59 holds, as it goes into the radio.
ChannelSheet BuildChannelSheet(const RadioImage& image, const std::string& model,
                               const std::string& isoDate, bool chinese);
