#pragma once
// frm_option: the optional features of rows 59 to 62 (timer, VOX, squelch, voice,
// beeps, battery saver, STE, PTT ID, password, ANI and the working frequency range).
// Every edit goes straight into the image; the range also moves the frequency limits.
#include <cstdint>

#include "shell/forms/child_form.h"

class ComboBox;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class TextBox;

class frm_option : public ChildForm {
  Q_OBJECT

 public:
  explicit frm_option(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override;
  void Command_Close_Click() { Unload(); }

  void Combo_TOT_Change();
  void Combo_vox_Change();
  void Combo_Sql_Change();
  void Combo_pttID_Change();
  void Combo_TOT_Click();
  void Combo_vox_Click();
  void Combo_Sql_Click();
  void Combo_pttID_Click();
  void Combo_Voice_Click();
  bool Combo_Voice_KeyPress(QKeyEvent* event);
  void Check_Beep_Click();
  void Check_Roger_Click();
  void Check_Save_Click();
  void Check_STE_Click();
  void Check_PttOff_Code_Click();
  bool Text_PASSWORD_KeyPress(QKeyEvent* event);
  void Text_PASSWORD_Change();
  bool Text_ANI_KeyPress(QKeyEvent* event);
  void Text_ANI_Change();
  bool Text_pvfo_d0_KeyPress(QKeyEvent* event);
  bool Text_pvfo_d1_KeyPress(QKeyEvent* event);
  void Text_pvfo_d0_LostFocus();
  void Text_pvfo_d1_LostFocus();

  // Image to controls; every control set runs its handler, so values come back normalised.
  void Read_Options();
  // The two range boxes into row 59, then Read_Options.
  void Write_Freq_range();
  // Reports the first channel outside the range now in row 59.
  void Check_Chann_range();

  QGroupBox* Frame1;
  QLabel* Label_tot;
  ComboBox* Combo_TOT;
  QLabel* Label_vox;
  ComboBox* Combo_vox;
  QLabel* Label_sql;
  ComboBox* Combo_Sql;
  QLabel* Label_voice;
  ComboBox* Combo_Voice;
  QGroupBox* Frame2;
  QCheckBox* Check_Beep;
  QCheckBox* Check_Roger;
  QCheckBox* Check_Save;
  QCheckBox* Check_PttOff_Code;
  QCheckBox* Check_STE;
  QGroupBox* Frame3;
  QLabel* Label_pttID;
  ComboBox* Combo_pttID;
  QLabel* Label_PassWord;
  TextBox* Text_PASSWORD;
  QLabel* Label_ANI;
  TextBox* Text_ANI;
  QGroupBox* Frame_Freq_range;
  TextBox* Text_pvfo_d0;
  QLabel* Label_to;
  TextBox* Text_pvfo_d1;
  QLabel* Label3;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StoreFlag(std::uint8_t mask, bool on);
  void SetStopCode(bool on);
  void FillLists();
  // True when the last focus change out of a range box was made by code (our own
  // refocus after a message, among others), which is not the user leaving it.
  bool LeftByCode() const { return leaveReason_ == Qt::OtherFocusReason; }
  void PutFocusBack(TextBox* box);
  void FinishRangeEdit();

  Qt::FocusReason leaveReason_ = Qt::OtherFocusReason;
};
