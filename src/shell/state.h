#pragma once
// The process-wide state every window shares. Nothing here is saved between runs.
#include <array>
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

extern bool LangChinese;         // caption language: true Chinese, false English
extern std::string VersionText;  // "Ver1.2"
extern int ComPort;              // serial port number 1..8
// The device ComPort stands for, fixed when the port dialog is confirmed or at the
// first transfer of the run; empty until then.
extern std::string ComDevice;
extern bool PortError;    // the last attempt to open the port failed
extern int BandIndex;     // selected row of BandTable
extern Freq10Hz FreqLow;  // limits every channel editor checks against
extern Freq10Hz FreqHigh;
extern int FreqLowInt;  // whole-MHz copies taken when a band is applied
extern int FreqHighInt;
extern int Cur_Chann;  // current channel 1..16 of the grid and the edit dialog
extern std::array<std::string, 6> AboutTexts;

// The windows that carry an open flag, in the order a language switch reloads them.
inline constexpr std::array<std::string_view, 13> kFlaggedForms = {
    "frmAbout",        "frm_option",      "frm_chann",      "Form_setup",      "Form_type",
    "Form_save_chann", "Form_open_chann", "Form_Comm_Read", "Form_Comm_Write", "Form_Edit_Test",
    "Form_edit_Key",   "frm_dtmf",        "Form_Adjust_Txp"};
extern std::array<bool, kFlaggedForms.size()> FormOpenFlags;
// -1 for a window without an open flag.
int FormFlagIndex(std::string_view formName);
bool FormOpenFlag(std::string_view formName);
void SetFormOpenFlag(std::string_view formName, bool open);

// The chosen text of a Chinese/English pair, by LangChinese at the moment of the call.
inline const char* LangText(const char* chinese, const char* english) {
  return LangChinese ? chinese : english;
}

// Rows 0..255, columns 0..15 erased, then the defaults of rows 59 and 60, and the
// limits decoded from row 59.
void InitImageDefaults();

// The start values of every global and a fresh image, as after start-up
// (without the windows). Tests begin from here.
void ResetApplicationState();
