#include "shell/forms.h"

// Windows of this module not built yet open nothing.
ChildForm* Create_Form_open_chann(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_save_chann(MDImain*) {
  return nullptr;
}
