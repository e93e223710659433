#pragma once
// Form_type: the model and band dialog. Applying a band moves the frequency
// limits, rewrites row 59 and updates status panel 7.
#include "shell/forms/child_form.h"

class ComboBox;
class QLabel;
class QPushButton;

class Form_type : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_type(MDImain* main);

  void Form_Load() override;
  void Combo_Band_Click();
  void Combo_Band_Change();
  void Combo_type_Change();
  void Command_enter_Click() { Unload(); }
  void Command_cancel_Click() { Unload(); }

  ComboBox* Combo_type;
  ComboBox* Combo_Band;
  QPushButton* Command_enter;
  QPushButton* Command_cancel;
  QLabel* Label1;
  QLabel* Label2;

 private:
  void ApplySelectedBand(int b);
  bool forcing_ = false;
};
