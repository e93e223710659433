#pragma once
// frm_dtmf: DTMF timing in (60, 5) to (60, 7) and the side tone, bit 6 of the
// feature flags (60, 3), whose other bits belong to the optional features window.
#include "shell/forms/child_form.h"

class ComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class frm_dtmf : public ChildForm {
  Q_OBJECT

 public:
  explicit frm_dtmf(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override;
  void Command_Close_Click() { Unload(); }

  void Combo_First_delay_Change();
  void Combo_DTMF_SPACE_Change();
  void Combo_DTMF_DELAY_Change();
  void Combo_First_delay_Click();
  void Combo_DTMF_SPACE_Click();
  void Combo_DTMF_DELAY_Click();
  void Check_dtmfST_Click();

  // Image to controls; each control set stores its value back, normalised.
  void Read_Dtmf();

  QGroupBox* Frame1;
  QLabel* Label_First_Delay;
  ComboBox* Combo_First_delay;
  QLabel* Label_Dtmf_Space;
  ComboBox* Combo_DTMF_SPACE;
  QLabel* Label_Dtmf_Delay;
  ComboBox* Combo_DTMF_DELAY;
  QCheckBox* Check_dtmfST;
  QPushButton* Command_Close;
  QPushButton* Command_Help;
};
