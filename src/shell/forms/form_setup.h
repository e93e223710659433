#pragma once
// Form_setup: which of COM1..COM8 the radio link opens.
#include <array>

#include "shell/forms/child_form.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class Form_setup : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_setup(MDImain* main);

  void Form_Load() override;
  void Command_ok_Click();
  void Command1_Click() { Unload(); }

  QGroupBox* Frame1;
  std::array<QRadioButton*, 8> Option{};  // Option1 .. Option8
  QPushButton* Command_ok;
  QPushButton* Command1;

 private:
  QButtonGroup* group_;
};
