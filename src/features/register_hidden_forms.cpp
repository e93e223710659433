#include "shell/forms.h"

// Windows of this module not built yet open nothing.
ChildForm* Create_Form_Edit_scan(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_Edit_Test(MDImain*) {
  return nullptr;
}
ChildForm* Create_Form_Edit_Message(MDImain*) {
  return nullptr;
}
