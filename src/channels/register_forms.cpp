#include "shell/forms.h"

// Windows of this module not built yet open nothing.
ChildForm* Create_frm_chann(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_Chann_Edit(MDImain*) {
  return nullptr;
}
