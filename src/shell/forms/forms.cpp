#include "shell/forms/forms.h"

#include <QHash>

ChildForm* CreateForm(const QString& formName, MDImain* main) {
  using Factory = ChildForm* (*)(MDImain*);
  static const QHash<QString, Factory> factories = {
      {"Form_type", Create_Form_type},
      {"Form_setup", Create_Form_setup},
      {"frmAbout", Create_frmAbout},
      {"frm_chann", Create_frm_chann},
      {"Form_Chann_Edit", Create_Form_Chann_Edit},
      {"Form_Comm_Read", Create_Form_Comm_Read},
      {"Form_Comm_Write", Create_Form_Comm_Write},
      {"Form_Adjust_Txp", Create_Form_Adjust_Txp},
      {"frm_option", Create_frm_option},
      {"frm_dtmf", Create_frm_dtmf},
      {"Form_edit_Key", Create_Form_edit_Key},
      {"Form_Edit_scan", Create_Form_Edit_scan},
      {"Form_Edit_Test", Create_Form_Edit_Test},
      {"Form_Edit_Message", Create_Form_Edit_Message},
      {"Form_open_chann", Create_Form_open_chann},
      {"Form_save_chann", Create_Form_save_chann},
  };
  const auto it = factories.find(formName);
  return it == factories.end() ? nullptr : it.value()(main);
}
