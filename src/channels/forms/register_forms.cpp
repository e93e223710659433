#include "channels/forms/form_chann_edit.h"
#include "channels/forms/frm_chann.h"
#include "shell/forms/forms.h"

ChildForm* Create_frm_chann(MDImain* main) {
  return new frm_chann(main);
}
ChildForm* Create_Form_Chann_Edit(MDImain* main) {
  return new Form_Chann_Edit(main);
}
