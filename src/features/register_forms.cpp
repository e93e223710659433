#include "shell/forms.h"

// Windows of this module not built yet open nothing.
ChildForm* Create_frm_option(MDImain*) {
  return nullptr;
}
ChildForm* Create_frm_dtmf(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_edit_Key(MDImain*) {
  return nullptr;
}
