#include "shell/state.h"

#include "codec/tones.h"
#include "shell/model_band.h"

bool LangChinese = true;
std::string VersionText = "Ver1.2";
int ComPort = 1;
std::string ComDevice;
std::string PortGiven;
bool PortError = false;
int BandIndex = 3;
Freq10Hz FreqLow = Freq10Hz::MHz(400);
Freq10Hz FreqHigh = Freq10Hz::MHz(470);
int FreqLowInt = 400;
int FreqHighInt = 470;
int Cur_Chann = 1;
std::array<std::string, 6> AboutTexts;
std::set<std::string, std::less<>> FormOpenFlags;

RadioImage& TheImage() {
  static RadioImage image;
  return image;
}

void LoadAboutTexts() {
  if (LangChinese) {
    AboutTexts[kAboutTitle] = "RT410 系列对讲机编程软件";
    AboutTexts[kAboutVersion] = VersionText + " 版";
    AboutTexts[kAboutDescription] = "本软件由林岛沃岚电子有限公司设计开发。";
    AboutTexts[kAboutDisclaimer] =
        "警告：本软件仅用于 RT410 系列对讲机的编程。写入前请确认频率符合当地无线电管理规定。";
    AboutTexts[kAboutOk] = "确定";
    AboutTexts[kAboutSysInfo] = "系统信息(&S)...";
  } else {
    AboutTexts[kAboutTitle] = "Lindao VORLAN Electronic Co.,Ltd. RT410 series program software. ";
    AboutTexts[kAboutVersion] = VersionText;
    AboutTexts[kAboutDescription] =
        "This software was designed and developed by Lindao VORLAN Electronic Co.,Ltd.";
    AboutTexts[kAboutDisclaimer] =
        "Warning: this software programs RT410 series radios only. Before writing, make sure the "
        "frequencies are permitted by your local radio regulations.";
    AboutTexts[kAboutOk] = "Confirm";
    AboutTexts[kAboutSysInfo] = "System Information(&S)...";
  }
}

bool FormOpenFlag(std::string_view formName) {
  return FormOpenFlags.find(formName) != FormOpenFlags.end();
}

void SetFormOpenFlag(std::string_view formName, bool open) {
  if (open) {
    FormOpenFlags.emplace(formName);
  } else if (const auto it = FormOpenFlags.find(formName); it != FormOpenFlags.end()) {
    FormOpenFlags.erase(it);
  }
}

void InitImageDefaults(RadioImage& image) {
  for (int r = 0; r <= 255; ++r) {
    for (int c = 0; c <= 15; ++c) image.at(r, c) = RadioImage::kErased;
  }
  const std::uint8_t row59[] = {0x00, 0x40, 0x00, 0x47};
  for (int c = 0; c < 4; ++c) image.at(59, c) = row59[c];
  const std::uint8_t row60[] = {5, 0, 0, 0x84, 0, 7, 15, 0x13, 1, 4, 1, 4, 0, 0, 0, 0};
  for (int c = 0; c < 16; ++c) image.at(60, c) = row60[c];
}

void ResetApplicationState() {
  VersionText = "Ver1.2";
  LangChinese = true;
  LoadAboutTexts();
  ComPort = 1;
  ComDevice.clear();
  PortGiven.clear();
  PortError = false;
  BandIndex = 3;
  Cur_Chann = 1;
  FormOpenFlags.clear();
  BuildToneTable();
  InitModelAndBands();
  TheImage().Fill(0);
  InitImageDefaults(TheImage());
  if (const auto limits = DecodeBandLimits(TheImage())) UseBand({*limits});
}

std::string PortPanelText() {
  return PortGiven.empty() ? "COM" + std::to_string(ComPort) : PortGiven;
}
