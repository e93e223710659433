#pragma once
// Every child window by name. Each module defines the Create_ functions of its own
// windows; CreateForm is how the main window opens one.
#include <QString>

class ChildForm;
class MDImain;

ChildForm* CreateForm(const QString& formName, MDImain* main);

// Shell.
ChildForm* Create_Form_type(MDImain* main);
ChildForm* Create_Form_setup(MDImain* main);
ChildForm* Create_frmAbout(MDImain* main);
// Channel editing.
ChildForm* Create_frm_chann(MDImain* main);
ChildForm* Create_Form_Chann_Edit(MDImain* main);
// Radio link.
ChildForm* Create_Form_Comm_Read(MDImain* main);
ChildForm* Create_Form_Comm_Write(MDImain* main);
ChildForm* Create_Form_Adjust_Txp(MDImain* main);
// Feature editors.
ChildForm* Create_frm_option(MDImain* main);
ChildForm* Create_frm_dtmf(MDImain* main);
ChildForm* Create_Form_edit_Key(MDImain* main);
ChildForm* Create_Form_Edit_scan(MDImain* main);
ChildForm* Create_Form_Edit_Test(MDImain* main);
ChildForm* Create_Form_Edit_Message(MDImain* main);
// Parameter files.
ChildForm* Create_Form_open_chann(MDImain* main);
ChildForm* Create_Form_save_chann(MDImain* main);
