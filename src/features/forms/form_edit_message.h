#pragma once
// Form_Edit_Message: the two embedded messages of rows 48..51.
#include "shell/forms/child_form.h"

class QPushButton;
class TextBox;

class Form_Edit_Message : public ChildForm {
  Q_OBJECT

 public:
  explicit Form_Edit_Message(MDImain* main);

  void Form_Load() override;
  void Form_Activate() override { Read_Message(); }
  void Command_Close_Click() { Unload(); }

  void Read_Message();
  // Stores message 1 or 2 from its box.
  void Write_Message(int message);

  TextBox* Text_MS1;
  TextBox* Text_MS2;
  QPushButton* Command_Close;
  QPushButton* Command_Help;

 private:
  TextBox* Box(int message) const { return message == 1 ? Text_MS1 : Text_MS2; }
  // A user edit: characters a message cannot hold are dropped, the rest stored.
  void MessageEdited(int message);
};
