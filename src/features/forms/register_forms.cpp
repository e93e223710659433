#include "features/forms/form_edit_key.h"
#include "features/forms/frm_dtmf.h"
#include "features/forms/frm_option.h"
#include "shell/forms/forms.h"

ChildForm* Create_frm_option(MDImain* main) {
  return new frm_option(main);
}
ChildForm* Create_frm_dtmf(MDImain* main) {
  return new frm_dtmf(main);
}
ChildForm* Create_Form_edit_Key(MDImain* main) {
  return new Form_edit_Key(main);
}
