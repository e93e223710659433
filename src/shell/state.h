#pragma once
// The process-wide state every window shares. Nothing here is saved between runs.
#include <array>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "codec/frequency.h"
#include "image/radio_image.h"

// The process-wide image shared by every window.
RadioImage& TheImage();
// Cell (row, col) of the process-wide image.
inline std::uint8_t& Image(int row, int col) {
  return TheImage().at(row, col);
}
inline std::uint8_t& Image(Cell cell) {
  return TheImage().at(cell);
}

extern bool LangChinese;         // caption language: true Chinese, false English
extern std::string VersionText;  // "Ver1.2"
extern int ComPort;              // serial port number 1..8
// The device ComPort stands for, fixed when the port dialog is confirmed or at the
// first transfer of the run; empty until then.
extern std::string ComDevice;
// rt410-cps --port DEVICE: the device of every transfer of this run; empty without.
extern std::string PortGiven;
// Status panel 3: "COM" and ComPort, or the device of --port.
std::string PortPanelText();
extern bool PortError;    // the last attempt to open the port failed
extern int BandIndex;     // selected row of BandTable
extern Freq10Hz FreqLow;  // limits every channel editor checks against
extern Freq10Hz FreqHigh;
extern int FreqLowInt;  // whole-MHz copies taken when a band is applied
extern int FreqHighInt;
extern int Cur_Chann;  // current channel 1..16 of the grid and the edit dialog

enum AboutText {
  kAboutTitle,
  kAboutVersion,
  kAboutDescription,
  kAboutDisclaimer,
  kAboutOk,
  kAboutSysInfo
};
extern std::array<std::string, 6> AboutTexts;
// Fills AboutTexts for LangChinese.
void LoadAboutTexts();

// The windows whose open flag is set. The window framework sets a flag as a flagged
// window loads and clears it as the window unloads; nothing else writes them.
extern std::set<std::string, std::less<>> FormOpenFlags;
bool FormOpenFlag(std::string_view formName);
void SetFormOpenFlag(std::string_view formName, bool open);

// The chosen text of a Chinese/English pair, by LangChinese at the moment of the call.
inline const char* LangText(const char* chinese, const char* english) {
  return LangChinese ? chinese : english;
}

// A fresh image: rows 0..255, columns 0..15 erased, then the defaults of rows 59
// and 60. Cells outside that block are left as they are.
void InitImageDefaults(RadioImage& image);

// Start-up: every global at its start value, the tone and band tables, the About
// texts, and a zeroed image with its defaults and the limits decoded from it. The
// main window's MDIForm_Load and the tests both begin here.
void ResetApplicationState();
