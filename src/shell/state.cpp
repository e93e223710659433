#include "shell/state.h"

#include <algorithm>

#include "codec/tones.h"
#include "image/radio_image.h"
#include "shell/model_band.h"

bool LangChinese = true;
std::string VersionText = "Ver1.2";
int ComPort = 1;
std::string ComDevice;
bool PortError = false;
int BandIndex = 3;
Freq10Hz FreqLow = Freq10Hz::MHz(400);
Freq10Hz FreqHigh = Freq10Hz::MHz(470);
int FreqLowInt = 400;
int FreqHighInt = 470;
int Cur_Chann = 1;
std::array<std::string, 6> AboutTexts;
std::array<bool, kFlaggedForms.size()> FormOpenFlags{};

RadioImage& TheImage() {
  static RadioImage image;
  return image;
}

int FormFlagIndex(std::string_view formName) {
  const auto it = std::find(kFlaggedForms.begin(), kFlaggedForms.end(), formName);
  return it == kFlaggedForms.end() ? -1 : static_cast<int>(it - kFlaggedForms.begin());
}

bool FormOpenFlag(std::string_view formName) {
  const int i = FormFlagIndex(formName);
  return i >= 0 && FormOpenFlags[static_cast<std::size_t>(i)];
}

void SetFormOpenFlag(std::string_view formName, bool open) {
  const int i = FormFlagIndex(formName);
  if (i >= 0) FormOpenFlags[static_cast<std::size_t>(i)] = open;
}

void InitImageDefaults() {
  RadioImage& image = TheImage();
  for (int r = 0; r <= 255; ++r) {
    for (int c = 0; c <= 15; ++c) image.at(r, c) = RadioImage::kErased;
  }
  const std::uint8_t row59[] = {0x00, 0x40, 0x00, 0x47};
  for (int c = 0; c < 4; ++c) image.at(59, c) = row59[c];
  const std::uint8_t row60[] = {5, 0, 0, 0x84, 0, 7, 15, 0x13, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int c = 0; c < 16; ++c) image.at(60, c) = row60[c];
  DecodeBandLimits();
}

void ResetApplicationState() {
  VersionText = "Ver1.2";
  LangChinese = true;
  ComPort = 1;
  ComDevice.clear();
  PortError = false;
  BandIndex = 3;
  Cur_Chann = 1;
  FormOpenFlags.fill(false);
  BuildToneTable();
  InitModelAndBands();
  TheImage().Fill(0);
  InitImageDefaults();
}
