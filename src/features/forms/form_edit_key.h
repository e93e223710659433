#pragma once
// Form_edit_Key: the functions of side keys 2 and 3, short and long press, in
// (60, 8) to (60, 11), beside a picture of the radio with the key being edited in red.
#include <array>

#include "shell/forms/child_form.h"

class ComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class Form_edit_Key : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_edit_Key(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override;
  void Command_Close_Click() { Unload(); }

  void Combo_pf1_S_Change();
  void Combo_pf1_L_Change();
  void Combo_PF2_S_Change();
  void Combo_PF2_L_Change();
  void Combo_pf1_S_Click();
  void Combo_pf1_L_Click();
  void Combo_PF2_S_Click();
  void Combo_PF2_L_Click();
  // Side key 2 lists show Picture1, side key 3 lists Picture2.
  void Combo_pf1_S_GotFocus() { ShowPicture(1); }
  void Combo_pf1_L_GotFocus() { ShowPicture(1); }
  void Combo_PF2_S_GotFocus() { ShowPicture(2); }
  void Combo_PF2_L_GotFocus() { ShowPicture(2); }

  // Image to lists; a code beyond the list is shown, and stored back, as code 0.
  void Read_Keys();

  QGroupBox* Frame_pf1;
  QLabel* Label_PF1_s;
  ComboBox* Combo_pf1_S;
  QLabel* Label_PF1_L;
  ComboBox* Combo_pf1_L;
  QGroupBox* Frame_pf2;
  QLabel* Label_PF2_S;
  ComboBox* Combo_PF2_S;
  QLabel* Label_PF2_L;
  ComboBox* Combo_PF2_L;
  QLabel* Picture1;
  QLabel* Picture2;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPicture(int which);
  // The list of each key cell, (60, 8) to (60, 11) in order.
  std::array<ComboBox*, 4> KeyLists() const;
  void StoreKey(int cell);
};
