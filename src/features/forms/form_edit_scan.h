#pragma once
// Form_Edit_scan: priority channel, look-back times, revert channel and the two
// resume delays of scanning, all in row 22.
#include "shell/forms/child_form.h"

class ComboBox;
class QLabel;
class QPushButton;
class TextBox;

class Form_Edit_scan : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_Edit_scan(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override { Read_Scan(); }
  void Command_Close_Click() { Unload(); }
  void Combo_pri_Click();
  void Combo_pri_Change();
  void Combo_BC_Click();
  void Combo_BC_Change();
  void Combo_BA_Click();
  void Combo_BA_Change();
  void Combo_BB_Click();
  void Combo_BB_Change();
  void Combo_RYC_Click();
  void Combo_RYC_Change();
  void Combo_TYC_Click();
  void Combo_TYC_Change();
  void Text_prich_Change();

  // Decodes row 22 into the controls; the handlers write the normalised values back.
  void Read_Scan();

  QLabel* Label_pri;
  QLabel* Label_prich;
  QLabel* Label_BA;
  QLabel* Label_BB;
  QLabel* Label_BC;
  QLabel* Label_RYC;
  QLabel* Label_TYC;
  ComboBox* Combo_pri;
  TextBox* Text_prich;
  ComboBox* Combo_BA;
  ComboBox* Combo_BB;
  ComboBox* Combo_BC;
  ComboBox* Combo_RYC;
  ComboBox* Combo_TYC;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 private:
  void FillRevertList(int mode);
  void SetUsable(QWidget* input, bool usable);
  // Typing into a list box: the text goes back to entry 0, which is then chosen.
  void SnapToFirstEntry(ComboBox* box);
  void StoreRevertCode();
};
